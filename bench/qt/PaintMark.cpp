// Linked into the benchmarks' builds of the Qt windows, the program's included: prints
// "painted" on the output at the first moment, after a window's first paint, that the event
// loop finds nothing left to do and waits.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <unistd.h>

namespace {

class PaintMark : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            painted_ = true;
        return false;
    }

    void beforeWaiting()
    {
        if (!painted_ || marked_)
            return;
        marked_ = true;
        // Straight to the file, past any buffering, so the meter reads it at once.
        [[maybe_unused]] const auto written = ::write(STDOUT_FILENO, "painted\n", 8);
    }

private:
    bool painted_ = false;
    bool marked_ = false;
};

void install()
{
    auto* mark = new PaintMark(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(mark);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     mark, &PaintMark::beforeWaiting);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
