#include "ui/qt/about/CreditLabel.h"
#include "ui/qt/about/frnAbout.h"
#include "ui/qt/common/Fonts.h"

#include "forms/AboutWindowDesign.h"
#include "tests/support/FakeDialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

QString qstring(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

} // namespace

class tst_frnAbout : public QObject {
    Q_OBJECT

    FakeDialogs dialogs;
    QPointer<frnAbout> about;

    QLabel* label(const char* name) { return about->findChild<QLabel*>(QString::fromLatin1(name)); }

private slots:
    void initTestCase() { Fonts::installSubstitutions(); }
    void init()
    {
        dialogs.openedUrls.clear();
        about = new frnAbout(dialogs);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
    }
    void cleanup() { delete about; }

    void theWindow()
    {
        QCOMPARE(about->minimumSize(), about->maximumSize());
        // A tool window has a narrow title bar and no taskbar button.
        QCOMPARE(about->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(about->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(about->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(about->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(about->windowIcon().availableSizes().value(0), QSize(32, 32));
        QCOMPARE(about->parentWidget(), nullptr);
    }

    void controlsFollowTheDesign()
    {
        for (const auto& design : forms::AboutWindowDesign.controls) {
            auto* control = label(design.name.data());
            QVERIFY(control);
            QCOMPARE(control->geometry(),
                     QRect(design.box.left, design.box.top, design.box.width, design.box.height));
            QCOMPARE(control->focusPolicy(), Qt::NoFocus);
            if (!design.caption.empty())
                QCOMPARE(control->text(),
                         QString::fromStdU16String(std::u16string(design.caption)));
        }
    }

    void pictureAndTexts()
    {
        QCOMPARE(label("Image1")->pixmap().deviceIndependentSize().toSize(), QSize(301, 201));
        QVERIFY(!label("Image1")->hasScaledContents());
        QVERIFY(label("Label1")->wordWrap());
    }

    void eachParagraphStartsALineOfItsOwn()
    {
        const auto parts =
            QString::fromStdU16String(forms::creditText())
                .split(QRegularExpression(QStringLiteral(" {100,}")), Qt::SkipEmptyParts);
        QCOMPARE(parts.size(), 3);
        auto* credit = about->findChild<CreditLabel*>(QStringLiteral("Label1"));
        QCOMPARE(credit->paragraphs(), parts);
    }

    void theCreditTextFitsItsLabel()
    {
        auto* credit = about->findChild<CreditLabel*>(QStringLiteral("Label1"));
        const QFontMetrics metrics(credit->font());
        int height = 0;
        for (const auto& paragraph : credit->paragraphs())
            height +=
                metrics
                    .boundingRect(QRect(0, 0, credit->width(), 1000), Qt::TextWordWrap, paragraph)
                    .height() +
                metrics.lineSpacing() / 2;
        QVERIFY2(height <= credit->height(), qPrintable(QString::number(height)));
    }

    void eachLinkOpensItsPageAndCloses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("byAssistiveTechnology");
        QTest::newRow("link line") << "Label2" << qstring(forms::FfmpegPage) << false;
        QTest::newRow("picture, pressed by a screen reader")
            << "Image1" << qstring(forms::MakerPage) << true;
    }
    void eachLinkOpensItsPageAndCloses()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(bool, byAssistiveTechnology);
        QLabel* link = label(qPrintable(name));
        if (byAssistiveTechnology) {
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(link);
            QCOMPARE(read->role(), QAccessible::Link);
            read->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        } else {
            QTest::mouseClick(link, Qt::LeftButton);
        }
        QCOMPARE(dialogs.openedUrls, std::vector<std::u16string>{address.toStdU16String()});
        QTRY_VERIFY(about.isNull());
    }

    void escapeClosesTheWindow()
    {
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTest::keyClick(about, Qt::Key_Escape);
        QTRY_VERIFY(about.isNull());
        QVERIFY(dialogs.openedUrls.empty());
    }

    // The system's button text, as a palette has it, and the colour the texts are drawn in on
    // the design's white.
    void theTextsStandOutFromTheWhiteInAnyPalette_data()
    {
        QTest::addColumn<QColor>("buttonText");
        QTest::addColumn<QColor>("drawn");
        QTest::newRow("dark") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("navy text") << QColor(0, 0, 128) << QColor(0, 0, 128);
    }
    void theTextsStandOutFromTheWhiteInAnyPalette()
    {
        QFETCH(QColor, buttonText);
        QFETCH(QColor, drawn);
        const QPalette system = QApplication::palette();
        QPalette palette(buttonText, QColor(0x30, 0x30, 0x30));
        palette.setColor(QPalette::ButtonText, buttonText);
        QApplication::setPalette(palette);
        delete about;
        about = new frnAbout(dialogs);
        QApplication::setPalette(system);
        for (const char* name : {"Label1", "Label2"}) {
            const QImage drawing =
                label(name)->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto* pixels = reinterpret_cast<const QRgb*>(drawing.constBits());
            QVERIFY2(std::count(pixels, pixels + drawing.width() * drawing.height(), drawn.rgb()),
                     name);
        }
    }

    void onlyAPressAndReleaseOnTheSameLinkClicks()
    {
        QTest::mouseClick(label("Label1"), Qt::LeftButton);
        // Pressed on the picture, released off it: no click.
        QTest::mousePress(label("Image1"), Qt::LeftButton);
        QTest::mouseRelease(label("Image1"), Qt::LeftButton, {}, QPoint(-20, 300));
        // Pressed elsewhere, released on the link line: no click either.
        QTest::mouseRelease(label("Label2"), Qt::LeftButton);
        QVERIFY(dialogs.openedUrls.empty());
        QVERIFY(about->isVisible());
    }
};

QTEST_MAIN(tst_frnAbout)
#include "tst_frnAbout.moc"
