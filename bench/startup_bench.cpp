// Starts programs in turn, again and again, and measures for each the time from its start
// until its window named TITLE is mapped on the X display, and its peak memory (resident set)
// half a second later.
// Taking turns spreads the machine's own ups and downs evenly over the programs. A first round,
// not counted, fills the caches (and under Wine starts the session every program then shares).
// Usage: startup_bench RUNS TITLE PROGRAM [-- TITLE PROGRAM ...]
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Subject {
    std::string title;
    std::vector<char*> command;
    std::vector<double> millis;
    std::vector<long> peaks;
};

bool named(Display* display, Window window, const std::string& title)
{
    char* name = nullptr;
    const bool match = XFetchName(display, window, &name) && name && title == name;
    XFree(name);
    return match;
}

void measure(Display* display, Subject& subject, bool counted)
{
    XSync(display, True);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(subject.command[0], subject.command.data());
        _exit(127);
    }
    bool shown = false;
    while (!shown) {
        XEvent event;
        XNextEvent(display, &event);
        shown = event.type == MapNotify && named(display, event.xmap.window, subject.title);
    }
    const double millis =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // What a window does right after it is shown (decoding its pictures, say) counts too.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (counted) {
        subject.millis.push_back(millis);
        subject.peaks.push_back(usage.ru_maxrss);
    }
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS TITLE PROGRAM [-- TITLE PROGRAM ...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Subject> subjects;
    for (int i = 2; i < argc; ++i) {
        Subject subject{argv[i], {}, {}, {}};
        while (++i < argc && std::strcmp(argv[i], "--") != 0)
            subject.command.push_back(argv[i]);
        subject.command.push_back(nullptr);
        subjects.push_back(subject);
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    for (int run = 0; run <= runs; ++run) {
        for (auto& subject : subjects)
            measure(display, subject, run > 0);
    }
    // One line a program, "median_ms peak_kb", for the script that compares them.
    for (const auto& subject : subjects)
        std::printf("%.1f %ld\n", median(subject.millis), median(subject.peaks));
    XCloseDisplay(display);
    return 0;
}
