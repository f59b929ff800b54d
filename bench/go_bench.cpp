// Time from a press of "GO" to the exec of the terminal it starts, against a floor that does
// the least such a press can: write the same script with fsync and rename and posix_spawn the
// same terminal. The main window's behaviour plans the job, writes the script and its copy and
// starts the terminal with the program's own starter. The terminal is a stand-in that stamps
// the moment it runs (terminal_stamp). Presses and floors take turns, each pair in the other
// order than the last, and every figure is a median with the 25th and 75th percentiles,
// of the times and of each pair's ratio. It runs in the program's own work folder, on whatever
// file system holds it, which it names; the copies are deleted afterwards, and so is the folder
// if the benchmark made it.
#include "forms/MainForm.h"
#include "platform/posix/PosixScriptHost.h"
#include "platform/posix/TerminalLauncher.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeMainView.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <unistd.h>
#include <vector>

extern char** environ;

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

std::int64_t nowNanoseconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
}

// The stand-in's stamp: opening the pipe waits for the terminal to open it, and the end of the
// pipe for it to close it again, so the next stamp's reader cannot meet this terminal.
std::int64_t stamp(const std::string& pipe)
{
    std::int64_t value = 0;
    const int descriptor = ::open(pipe.c_str(), O_RDONLY | O_CLOEXEC);
    char rest = 0;
    if (descriptor < 0 || ::read(descriptor, &value, sizeof value) != sizeof value ||
        ::read(descriptor, &rest, 1) != 0) {
        std::fprintf(stderr, "the stand-in terminal gave no stamp\n");
        std::exit(1);
    }
    ::close(descriptor);
    return value;
}

// The least a press can do: the script written to a new file, flushed and renamed into
// place, and the terminal started by posix_spawn with the same arguments.
double floorPress(const std::string& folder, const std::string& text, const std::string& pipe)
{
    const std::string fresh = folder + "/floor.sh.new";
    const std::string script = folder + "/floor.sh";
    const std::int64_t start = nowNanoseconds();
    const int descriptor =
        ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0 ||
        ::write(descriptor, text.data(), text.size()) != static_cast<ssize_t>(text.size()) ||
        ::fsync(descriptor) != 0 || ::close(descriptor) != 0 ||
        ::rename(fresh.c_str(), script.c_str()) != 0) {
        std::perror("floor script");
        std::exit(1);
    }
    char terminal[] = VARNELO_STAND_IN_TERMINAL;
    char option[] = "-e";
    char shell[] = "/bin/sh";
    std::string scriptArgument = script;
    char* arguments[] = {terminal, option, shell, scriptArgument.data(), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, terminal, nullptr, nullptr, arguments, environ) != 0) {
        std::perror("posix_spawn");
        std::exit(1);
    }
    const std::int64_t ran = stamp(pipe);
    ::waitpid(child, nullptr, 0);
    return static_cast<double>(ran - start) / 1000.0;
}

struct Spread {
    double median;
    double low;
    double high;
};

Spread spread(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values[values.size() / 4], values[values.size() * 3 / 4]};
}

std::string load()
{
    std::ifstream loadavg("/proc/loadavg");
    std::string one;
    std::string five;
    loadavg >> one >> five;
    return one.empty() ? std::string("unknown") : one + " (1 min), " + five + " (5 min)";
}

} // namespace

int main()
{
    const QString folder = platform::PosixScriptHost::defaultWorkFolder();
    if (folder.isEmpty()) {
        std::fprintf(stderr, "the program has no work folder here\n");
        return 1;
    }
    char pipeFolder[] = "/tmp/varnelo-go-bench.XXXXXX";
    if (!::mkdtemp(pipeFolder)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string pipe = std::string(pipeFolder) + "/stamp";
    if (::mkfifo(pipe.c_str(), 0600) != 0) {
        std::perror("mkfifo");
        return 1;
    }
    ::setenv("VARNELO_STAMP", pipe.c_str(), 1);
    ::setenv("TERMINAL", VARNELO_STAND_IN_TERMINAL, 1);

    const bool existed = QDir(folder).exists();
    std::vector<std::u16string> copies;
    platform::PosixScriptHost posix(folder, [&copies](const std::u16string& copy) {
        copies.push_back(copy);
        return platform::TerminalLauncher::start(copy);
    });
    FakeMainView view;
    view.source = u"/home/ann/videos/holiday on the coast 2026.avi";
    view.target = u"/home/ann/converted/";
    view.selected = {false, true, false, false};
    FakeDialogs dialogs;
    forms::MainForm form(view, dialogs, posix);
    const auto press = [&] {
        const std::int64_t start = nowNanoseconds();
        form.Button7_Click();
        if (!dialogs.messages.empty()) {
            std::fprintf(stderr, "a press failed\n");
            std::exit(1);
        }
        return static_cast<double>(stamp(pipe) - start) / 1000.0;
    };
    press();
    std::string text;
    {
        std::ifstream written(QFile::encodeName(folder + QStringLiteral("/temp.sh")).toStdString(),
                              std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(written), {});
    }
    const std::string workFolder = QFile::encodeName(folder).toStdString();
    const std::string startLoad = load();

    constexpr int Pairs = 400;
    std::vector<double> presses;
    std::vector<double> floors;
    std::vector<double> ratios;
    for (int i = 0; i < Pairs; ++i) {
        double pressed = 0;
        double least = 0;
        if (i % 2 == 0) {
            pressed = press();
            least = floorPress(workFolder, text, pipe);
        } else {
            least = floorPress(workFolder, text, pipe);
            pressed = press();
        }
        presses.push_back(pressed);
        floors.push_back(least);
        ratios.push_back(pressed / least);
    }

    const std::string where = fileSystem(folder);
    for (const auto& copy : copies)
        QFile::remove(QString::fromStdU16String(copy));
    QFile::remove(folder + QStringLiteral("/floor.sh"));
    ::unlink(pipe.c_str());
    ::rmdir(pipeFolder);
    // Removes the last script, and the folder when nothing else is left in it; a folder that
    // was there before stays, private as the program makes it.
    posix.removeScripts();
    if (existed)
        ::mkdir(QFile::encodeName(folder).constData(), 0700);

    const auto [pressMedian, pressLow, pressHigh] = spread(presses);
    const auto [floorMedian, floorLow, floorHigh] = spread(floors);
    const auto [ratio, ratioLow, ratioHigh] = spread(ratios);
    std::printf("work folder %s (%s); load %s at the start\n", qPrintable(folder), where.c_str(),
                startLoad.c_str());
    std::printf("GO press to the terminal's exec: median %.0f us (%.0f-%.0f); floor (fsync, "
                "rename, posix_spawn): %.0f us (%.0f-%.0f); over %d pairs\n",
                pressMedian, pressLow, pressHigh, floorMedian, floorLow, floorHigh, Pairs);
    std::printf("  ratio to the floor, median of the pairs: %.2f (%.2f-%.2f); target <= 1.30 on "
                "a folder in memory\n",
                ratio, ratioLow, ratioHigh);
    return 0;
}
