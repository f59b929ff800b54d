// Time per press of "GO": the main window's behaviour plans the job, writes the script and
// starts its copy, with a console starter that starts nothing, so the figure is the program's
// own share. It runs in the program's own work folder, on whatever file system holds it, which
// it names; the copies no console ran are deleted afterwards, and so is the folder if the
// benchmark made it.
#include "forms/MainForm.h"
#include "platform/posix/PosixScriptHost.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeMainView.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <sys/statfs.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The file systems a work folder is likely to be on, by the numbers statfs gives them.
std::string fileSystem(const QString& folder)
{
    struct statfs info {};
    if (::statfs(QFile::encodeName(folder).constData(), &info) != 0)
        return "unknown";
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0x01021994:
        return "tmpfs, in memory";
    case 0x858458f6:
        return "ramfs, in memory";
    case 0xEF53:
        return "ext2/3/4, on disk";
    case 0x9123683E:
        return "btrfs, on disk";
    case 0x58465342:
        return "xfs, on disk";
    case 0x794C7630:
        return "overlayfs";
    }
    char number[32];
    std::snprintf(number, sizeof number, "type 0x%lx", static_cast<unsigned long>(info.f_type));
    return number;
}

} // namespace

int main()
{
    const QString folder = platform::PosixScriptHost::defaultWorkFolder();
    if (folder.isEmpty()) {
        std::fprintf(stderr, "the program has no work folder here\n");
        return 1;
    }
    const bool existed = QDir(folder).exists();
    std::vector<std::u16string> copies;
    platform::PosixScriptHost posix(folder, [&copies](const std::u16string& copy) {
        copies.push_back(copy);
        return job::Error();
    });
    FakeMainView view;
    view.source = u"/home/ann/videos/holiday on the coast 2026.avi";
    view.target = u"/home/ann/converted/";
    view.selected = {false, true, false, false};
    FakeDialogs dialogs;
    forms::MainForm form(view, dialogs, posix);
    constexpr int Presses = 2000;
    std::vector<double> micros;
    micros.reserve(Presses);
    copies.reserve(Presses);
    for (int i = 0; i < Presses; ++i) {
        const auto start = std::chrono::steady_clock::now();
        form.Button7_Click();
        const auto end = std::chrono::steady_clock::now();
        if (!dialogs.messages.empty()) {
            std::fprintf(stderr, "press %d failed\n", i);
            return 1;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    const std::string where = fileSystem(folder);
    for (const auto& copy : copies)
        QFile::remove(QString::fromStdU16String(copy));
    // Removes the last script, and the folder when nothing else is left in it; a folder that
    // was there before stays, private as the program makes it.
    posix.removeScripts();
    if (existed)
        ::mkdir(QFile::encodeName(folder).constData(), 0700);
    std::sort(micros.begin(), micros.end());
    std::printf("work folder %s (%s)\n", qPrintable(folder), where.c_str());
    std::printf("GO press (job, script write, start): median %.1f us, 95th percentile %.1f us, "
                "max %.1f us over %d presses; target p95 < 2000 us on a folder in memory\n",
                micros[Presses / 2], micros[Presses * 95 / 100], micros.back(), Presses);
    return 0;
}
