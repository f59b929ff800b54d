#include "SessionEnd.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace SessionEnd {
namespace {

// A signal handler may do next to nothing: it writes a byte, and the event loop, woken by
// the byte, closes the windows.
int pipeEnds[2] = {-1, -1};

void noteSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

void closeWindows()
{
    char bytes[64];
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
    QApplication::closeAllWindows();
}

} // namespace

void closeWindowsOnEnd()
{
    if (pipeEnds[0] >= 0 || ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, &closeWindows);
    // The session manager ends the session by quitting the application, which would skip the
    // windows' own closing.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &QApplication::closeAllWindows);
    struct sigaction action {};
    action.sa_handler = &noteSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

} // namespace SessionEnd
