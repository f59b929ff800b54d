#include "frnAbout.h"

#include "CreditLabel.h"
#include "ui/common/Fonts.h"
#include "ui/common/Placement.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

// Runs of blanks, each wider than the label, are what set the paragraphs apart.
const char16_t* const Paragraphs[] = {
    u"I looked a long time for a simple, low-cost program that turns my videos into Flash video "
    u"files, and every one I found was either costly or hard to use.",
    u"The actual conversion in this program is done by \"FFmpeg\", an open-source command-line "
    u"tool for converting video and audio from one format to another. FFmpeg is fast and knows "
    u"almost every format there is, but it is driven by typed commands full of options, which "
    u"makes it awkward to use from the command line.",
    u"Pelmora Software takes no credit for FFmpeg: it is the work of its developers, and anyone "
    u"can get it freely from the internet. What Pelmora Software provides is the easy "
    u"interface: pick a file and a folder, then press GO.",
};
constexpr int BlankRuns[] = {161, 165, 412};

} // namespace

QString frnAbout::creditText()
{
    QString text;
    for (int i = 0; i < 3; ++i)
        text += QString::fromUtf16(Paragraphs[i]) + QString(BlankRuns[i], QLatin1Char(' '));
    return text;
}

frnAbout::frnAbout(platform::Platform& platform)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      platform_(platform)
{
    setObjectName(QStringLiteral("frnAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About..."));
    setWindowIcon(QIcon(QStringLiteral(":/resources/about.ico")));
    setFixedSize(415, 372);
    setFont(Fonts::msSansSerif());
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, palette().color(QPalette::ButtonText));
    setPalette(white);

    Image1 = place(new QLabel(this), "Image1", 48, -8, 301, 201);
    Image1->setPixmap(QPixmap(QStringLiteral(":/resources/about.bmp")));
    Image1->setScaledContents(true);
    Image1->setToolTip(QStringLiteral("Click for navigation to Pelmora..."));
    Image1->setCursor(Qt::PointingHandCursor);

    Label1 = place(new CreditLabel(creditText(), this), "Label1", 8, 176, 401, 161);
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    // In front of the picture where the two overlap, so no word is hidden.
    Label1->raise();

    Label2 = place(
        new QLabel(QStringLiteral("More about FFmpeg @ ") + QString::fromUtf16(FfmpegPage), this),
        "Label2", 16, 344, 377, 17);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setCursor(Qt::PointingHandCursor);

    Image1->installEventFilter(this);
    Label2->installEventFilter(this);
}

bool frnAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Image1) {
            Image1_Click();
            return true;
        }
        if (watched == Label2) {
            Label2_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frnAbout::Image1_Click()
{
    platform_.openUrl(MakerPage);
    close();
}

void frnAbout::Label2_Click()
{
    platform_.openUrl(FfmpegPage);
    close();
}
