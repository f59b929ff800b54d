// Time per press of "GO": the main window's behaviour plans the job, writes the script and
// starts its copy, with a console starter that starts nothing, so the figure is the program's
// own share.
#include "forms/MainForm.h"
#include "platform/posix/PosixScriptHost.h"
#include "tests/support/FakeMainView.h"

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
    FakeMainView view;
    view.source = u"/home/ann/videos/holiday on the coast 2026.avi";
    view.target = u"/home/ann/converted/";
    view.selected = {false, true, false, false};
    forms::MainForm form(view, posix);
    constexpr int Presses = 2000;
    std::vector<double> micros;
    micros.reserve(Presses);
    for (int i = 0; i < Presses; ++i) {
        const auto start = std::chrono::steady_clock::now();
        form.Button7_Click();
        const auto end = std::chrono::steady_clock::now();
        if (!view.messages.empty()) {
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
