// Linked into the benchmarks' builds of the Qt windows: with VARNELO_ABOUT_CYCLES=N in its
// environment, a window opens and closes a second window N times once it is first painted,
// and prints how much its anonymous resident memory (RssAnon) grew per cycle, then ends. The
// program opens its About window by a click on HELP (Button10); a floor window without that
// button opens a bare window with one line of text instead. Each cycle waits for the second
// window's paint and for its deletion, so the figure holds what a real cycle leaves behind;
// ten cycles first fill what is filled once.
#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

long residentAnonymousKb()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "RssAnon:" && status >> value)
            return value;
        status.ignore(1 << 10, '\n');
    }
    return -1;
}

class PaintSeen : public QObject {
public:
    using QObject::QObject;
    bool seen = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

QWidget* openSecond(QWidget* main)
{
    const auto before = QApplication::topLevelWidgets();
    if (auto* help = main->findChild<QAbstractButton*>(QStringLiteral("Button10"))) {
        help->click();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != main && window->isVisible() && !before.contains(window))
                return window;
        }
        return nullptr;
    }
    auto* window = new QLabel(QStringLiteral("File to perform conversion to:"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("Second window"));
    window->show();
    return window;
}

bool cycle(QWidget* main)
{
    QPointer<QWidget> second = openSecond(main);
    if (!second)
        return false;
    PaintSeen paint;
    second->installEventFilter(&paint);
    while (!paint.seen && second)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!second)
        return false;
    second->removeEventFilter(&paint);
    second->close();
    while (second) {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

void run(int cycles)
{
    QWidget* main = QApplication::activeWindow();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!main && window->isVisible())
            main = window;
    }
    constexpr int Settling = 10;
    long start = 0;
    for (int i = 0; i < Settling + cycles; ++i) {
        if (i == Settling)
            start = residentAnonymousKb();
        if (!main || !cycle(main)) {
            std::fprintf(stderr, "the second window did not open and close\n");
            QApplication::exit(1);
            return;
        }
    }
    const long end = residentAnonymousKb();
    std::printf("grew %.2f KB a cycle\n", double(end - start) / cycles);
    std::fflush(stdout);
    QApplication::exit(0);
}

void install()
{
    const int cycles = qEnvironmentVariableIntValue("VARNELO_ABOUT_CYCLES");
    if (cycles <= 0)
        return;
    // Once the event loop runs.
    QTimer::singleShot(0, qApp, [cycles] { run(cycles); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
