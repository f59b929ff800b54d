// Starts a program and its floor windows in turn, round after round, and measures for each:
//   - the time from its start until its window named TITLE is mapped on the X display;
//   - the time until its first complete paint, which the window announces with a line
//     "painted" on its output (see PaintMark);
//   - the processor time its own threads spent until then;
//   - its own peak resident memory (VmHWM) half a second later, what the window does after
//     its first paint included. Only the process started counts, not those it starts.
// Each round starts with another window, so that the machine's ups and downs, and what one
// start leaves in the caches for the next, fall on every window alike; a first round, not
// counted, fills the caches (and under Wine starts the session they all share). A round in
// which a window does not show or says nothing within 20 s is measured again; the summary
// counts that start as failed, says what went wrong, and the run ends with status 1. The
// figures are the median and the 25th and 75th percentiles of the rounds, and the same of each
// round's ratio of the program's figure to a floor's.
// With VARNELO_COLD_START=1 in its environment, the system's page cache is dropped before
// every start, so each window is read from the disk as after a boot (the caller checks first
// that the system allows it).
// Usage: startup_bench ROUNDS TITLE PROGRAM [ARGS] [-- TITLE FLOOR [ARGS] ...]
#include <X11/Xlib.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

enum Figure { Mapped, Painted, Cpu, Peak, Figures };
constexpr std::array<const char*, Figures> FigureNames = {
    "window mapped (ms)", "first complete paint (ms)", "CPU time to paint (ms)",
    "peak memory VmHWM (MB)"};

struct Subject {
    std::string title;
    std::vector<char*> command;
    std::array<std::vector<double>, Figures> rounds;
    std::map<std::string, int> failures; // by what went wrong
};

double millisSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool named(Display* display, Window window, const std::string& title)
{
    char* name = nullptr;
    const bool match = XFetchName(display, window, &name) && name && title == name;
    XFree(name);
    return match;
}

// The processor time of every thread of the process so far, from the scheduler's own count.
double cpuMillis(pid_t process)
{
    double nanos = 0;
    std::error_code error;
    const auto tasks = "/proc/" + std::to_string(process) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream stat(task.path() / "schedstat");
        double onCpu = 0;
        if (stat >> onCpu)
            nanos += onCpu;
    }
    return nanos / 1e6;
}

double peakMegabytes(pid_t process)
{
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024;
    }
    return 0;
}

// A start that goes wrong spoils its round, which is measured again; the summary counts it.
bool failed(Subject& subject, const char* what)
{
    std::fprintf(stderr, "%s: %s; the round is measured again\n", subject.title.c_str(), what);
    ++subject.failures[what];
    return false;
}

bool dropPageCache()
{
    ::sync();
    std::ofstream drop("/proc/sys/vm/drop_caches");
    drop << "3\n";
    drop.flush();
    return bool(drop);
}

bool measure(Display* display, Subject& subject, std::array<double, Figures>& figures)
{
    static const bool cold = std::getenv("VARNELO_COLD_START") != nullptr;
    if (cold && !dropPageCache())
        return failed(subject, "the page cache could not be dropped");
    XSync(display, True);
    int output[2];
    if (pipe(output) != 0)
        return failed(subject, "no pipe");
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        execvp(subject.command[0], subject.command.data());
        _exit(127);
    }
    close(output[1]);
    figures = {-1, -1, 0, 0};
    std::string said;
    const char* problem = nullptr;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (figures[Mapped] < 0 && event.type == MapNotify &&
                named(display, event.xmap.window, subject.title))
                figures[Mapped] = millisSince(start);
        }
        // The mark may come before the map is read: both may be in by now, and a wait for more
        // would wait for nothing.
        if (figures[Mapped] >= 0 && figures[Painted] >= 0)
            break;
        pollfd waits[] = {{ConnectionNumber(display), POLLIN, 0}, {output[0], POLLIN, 0}};
        if (poll(waits, 2, 20000) == 0) {
            problem = figures[Mapped] < 0 ? "no window mapped within 20 s"
                                          : "not painted within 20 s of its map";
            break;
        }
        if (waits[1].revents) {
            char bytes[64];
            const ssize_t read = ::read(output[0], bytes, sizeof bytes);
            if (read <= 0) {
                problem = "ended before its window was mapped and painted";
                break;
            }
            said.append(bytes, std::size_t(read));
            if (figures[Painted] < 0 && said.find("painted\n") != std::string::npos) {
                figures[Painted] = millisSince(start);
                figures[Cpu] = cpuMillis(child);
            }
        }
    }
    if (!problem) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        figures[Peak] = peakMegabytes(child);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    close(output[0]);
    return problem ? failed(subject, problem) : true;
}

// The 25th, 50th and 75th percentiles, as the values of those ranks.
std::array<double, 3> quartiles(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    auto at = [&](double share) {
        return values[std::size_t(share * double(values.size() - 1) + 0.5)];
    };
    return {at(0.25), at(0.5), at(0.75)};
}

std::string spread(const std::vector<double>& values, int decimals)
{
    const auto [low, median, high] = quartiles(values);
    char text[96];
    std::snprintf(text, sizeof text, "%.*f [%.*f-%.*f]", decimals, median, decimals, low, decimals,
                  high);
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ROUNDS TITLE PROGRAM [ARGS] [-- TITLE FLOOR ...]\n",
                     argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<Subject> subjects;
    for (int i = 2; i < argc; ++i) {
        Subject subject{argv[i], {}, {}, {}};
        while (++i < argc && std::strcmp(argv[i], "--") != 0)
            subject.command.push_back(argv[i]);
        subject.command.push_back(nullptr);
        subjects.push_back(subject);
    }
    if (rounds < 1 || subjects.size() < 1)
        return 2;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    const std::size_t count = subjects.size();
    int done = -1; // the first round fills the caches and is not counted
    int spoilt = 0;
    for (std::size_t round = 0; done < rounds && spoilt <= rounds; ++round) {
        std::vector<std::array<double, Figures>> figures(count);
        bool whole = true;
        for (std::size_t i = 0; i < count && whole; ++i) {
            const std::size_t s = (round + i) % count;
            whole = measure(display, subjects[s], figures[s]);
        }
        if (!whole) {
            ++spoilt;
            continue;
        }
        if (++done == 0)
            continue;
        for (std::size_t s = 0; s < count; ++s) {
            for (std::size_t f = 0; f < Figures; ++f)
                subjects[s].rounds[f].push_back(figures[s][f]);
        }
    }
    XCloseDisplay(display);
    // A start that failed is a finding of its own, whatever the figures say.
    auto reportFailures = [&] {
        if (spoilt == 0)
            return 0;
        std::printf("FAILED starts\n");
        for (const auto& subject : subjects) {
            for (const auto& [what, times] : subject.failures)
                std::printf("  %-28s %d x %s\n", subject.title.c_str(), times, what.c_str());
        }
        return 1;
    };
    if (done < rounds) {
        std::fprintf(stderr, "too many rounds went wrong\n");
        reportFailures();
        return 1;
    }

    std::printf("%d rounds, order rotated each round, %d more left out for a start that failed; "
                "median [25th-75th percentile]\n",
                rounds, spoilt);
    for (int f = 0; f < Figures; ++f) {
        std::printf("%s\n", FigureNames[std::size_t(f)]);
        for (const auto& subject : subjects)
            std::printf("  %-28s %s\n", subject.title.c_str(),
                        spread(subject.rounds[std::size_t(f)], 1).c_str());
        const auto& program = subjects.front().rounds[std::size_t(f)];
        for (std::size_t s = 1; s < count; ++s) {
            const auto& floor = subjects[s].rounds[std::size_t(f)];
            std::vector<double> ratios;
            for (std::size_t r = 0; r < program.size(); ++r)
                ratios.push_back(floor[r] > 0 ? program[r] / floor[r] : 0);
            std::printf("  ratio to %-19s %s\n", subjects[s].title.c_str(),
                        spread(ratios, 3).c_str());
        }
    }
    return reportFailures();
}
