// Time per press of "GO": planning the job, writing the script and starting its copy, with a
// console starter that starts nothing, so the figure is the program's own share.
#include "job/ConversionJob.h"
#include "platform/posix/PosixScriptHost.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main()
{
    QTemporaryDir scratch;
    platform::PosixScriptHost posix(scratch.filePath(QStringLiteral("VC_Temp")),
                                    [](const std::u16string&) { return platform::Error(); });
    const ConversionJob::Inputs inputs{u"/home/ann/videos/holiday on the coast 2026.avi",
                                       u"/home/ann/converted/",
                                       {false, true, false, false}};
    constexpr int Presses = 2000;
    std::vector<double> micros;
    micros.reserve(Presses);
    for (int i = 0; i < Presses; ++i) {
        const auto start = std::chrono::steady_clock::now();
        auto failure = ConversionJob::prepare(inputs, posix);
        if (!failure)
            failure = posix.startScript();
        const auto end = std::chrono::steady_clock::now();
        if (failure) {
            std::fprintf(stderr, "press %d failed\n", i);
            return 1;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    posix.removeScripts();
    std::sort(micros.begin(), micros.end());
    std::printf("GO press (job, script write, start): median %.1f us, 95th percentile %.1f us, "
                "max %.1f us over %d presses; target < 5000 us\n",
                micros[Presses / 2], micros[Presses * 95 / 100], micros.back(), Presses);
    return 0;
}
