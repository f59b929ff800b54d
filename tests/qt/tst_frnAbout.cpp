#include "ui/about/CreditLabel.h"
#include "ui/about/frnAbout.h"
#include "ui/common/Fonts.h"

#include "tests/support/FakeScriptHost.h"

#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

class tst_frnAbout : public QObject {
    Q_OBJECT

    FakeScriptHost platform;
    QPointer<frnAbout> about;

    QLabel* label(const char* name) { return about->findChild<QLabel*>(QString::fromLatin1(name)); }

private slots:
    void initTestCase() { Fonts::installSubstitutions(); }
    void init()
    {
        platform.openedUrls.clear();
        about = new frnAbout(platform);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
    }
    void cleanup() { delete about; }

    void theWindow()
    {
        QCOMPARE(about->windowTitle(), QStringLiteral("About..."));
        QCOMPARE(about->size(), QSize(415, 372));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        // A tool window has a narrow title bar and no taskbar button.
        QCOMPARE(about->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(about->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(about->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(about->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(about->windowIcon().availableSizes().value(0), QSize(32, 32));
        QCOMPARE(about->parentWidget(), nullptr);
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Image1") << "Image1" << QRect(48, -8, 301, 201);
        QTest::newRow("Label1") << "Label1" << QRect(8, 176, 401, 161);
        QTest::newRow("Label2") << "Label2" << QRect(16, 344, 377, 17);
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto* control = label(qPrintable(name));
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(control->focusPolicy(), Qt::NoFocus);
    }

    void pictureAndTexts()
    {
        QCOMPARE(label("Image1")->pixmap().size(), QSize(413, 289));
        QCOMPARE(label("Image1")->toolTip(), QStringLiteral("Click for navigation to Pelmora..."));
        QCOMPARE(label("Label2")->text(),
                 QStringLiteral("More about FFmpeg @ https://ffmpeg.org/"));
        QVERIFY(label("Label1")->wordWrap());
        QCOMPARE(label("Label1")->text(), frnAbout::creditText());
    }

    void theCreditTextIsThreeParagraphsSetApartByBlanks()
    {
        const QString text = frnAbout::creditText();
        QCOMPARE(text.size(), 1421);
        const auto parts = text.split(QRegularExpression(QStringLiteral(" {100,}")));
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts[0].size(), 152);
        QCOMPARE(parts[1].size(), 310);
        QCOMPARE(parts[2].size(), 221);
        QVERIFY(parts[1].contains(QStringLiteral("\"FFmpeg\"")));
        QVERIFY(parts[2].contains(QStringLiteral("Pelmora Software")));
        // Each run is wider than the label, so each paragraph starts a line of its own.
        auto* credit = about->findChild<CreditLabel*>(QStringLiteral("Label1"));
        QCOMPARE(credit->paragraphs(), (QStringList{parts[0], parts[1], parts[2]}));
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
        QTest::newRow("picture") << "Image1" << QString::fromUtf16(frnAbout::MakerPage);
        QTest::newRow("link line") << "Label2" << QString::fromUtf16(frnAbout::FfmpegPage);
    }
    void eachLinkOpensItsPageAndCloses()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QTest::mouseClick(label(qPrintable(name)), Qt::LeftButton);
        QCOMPARE(platform.openedUrls, std::vector<std::u16string>{address.toStdU16String()});
        QTRY_VERIFY(about.isNull());
    }

    void theTextDoesNothingWhenClicked()
    {
        QTest::mouseClick(label("Label1"), Qt::LeftButton);
        QVERIFY(platform.openedUrls.empty());
        QVERIFY(about->isVisible());
    }

    void theMakersPageIsOurOwnReservedName()
    {
        QVERIFY(QString::fromUtf16(frnAbout::MakerPage).endsWith(QStringLiteral(".example/")));
    }
};

QTEST_MAIN(tst_frnAbout)
#include "tst_frnAbout.moc"
