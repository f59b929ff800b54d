#include "ui/common/Fonts.h"
#include "ui/common/MessageBox.h"
#include "ui/main/CommonDialog.h"
#include "ui/main/FolderDialog.h"
#include "ui/main/SMButton.h"
#include "ui/main/frmAutoPilot.h"

#include "job/ConversionJob.h"
#include "tests/support/FakePlatform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <memory>

class tst_frmAutoPilot : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<frmAutoPilot> window;
    QStringList messages;

    template <typename T = QWidget> T* control(const char* name)
    {
        auto* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit* Text1() { return control<QLineEdit>("Text1"); }
    QLineEdit* txtPath() { return control<QLineEdit>("txtPath"); }
    QRadioButton* option(int index)
    {
        return control<QRadioButton>(qPrintable(QStringLiteral("Option1(%1)").arg(index)));
    }
    void click(const char* name) { control<QAbstractButton>(name)->click(); }

private slots:
    void initTestCase()
    {
        Fonts::installSubstitutions();
        MessageBox::recordInto(&messages);
    }
    void init()
    {
        messages.clear();
        platform = std::make_unique<FakePlatform>();
        window = std::make_unique<frmAutoPilot>(*platform);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        window.reset();
        platform.reset();
    }

    void theWindow()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Varnelo! v3.0"));
        QCOMPARE(window->size(), QSize(423, 266));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const auto flags = window->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        const QList<QSize> iconSizes{{16, 16}, {32, 32},   {48, 48},
                                     {64, 64}, {128, 128}, {256, 256}};
        QCOMPARE(window->windowIcon().availableSizes(), iconSizes);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::newRow("Line1") << "Line1" << QRect(8, 16, 400, 1) << "";
        QTest::newRow("Label1") << "Label1" << QRect(8, 24, 305, 17)
                                << "File to perform conversion to:";
        QTest::newRow("Text1") << "Text1" << QRect(8, 40, 305, 19) << "";
        QTest::newRow("Button38") << "Button38" << QRect(320, 40, 73, 17) << "Add";
        QTest::newRow("Button2") << "Button2" << QRect(400, 40, 17, 17) << "";
        QTest::newRow("Label2") << "Label2" << QRect(8, 64, 305, 17)
                                << "Target path/ folder for transformed file to reside:";
        QTest::newRow("txtPath") << "txtPath" << QRect(8, 80, 305, 19) << "";
        QTest::newRow("Button3") << "Button3" << QRect(320, 80, 97, 17) << "Target path";
        QTest::newRow("Image6") << "Image6" << QRect(88, 104, 113, 137) << "";
        QTest::newRow("Image7") << "Image7" << QRect(184, 104, 113, 137) << "";
        QTest::newRow("Button6") << "Button6" << QRect(320, 112, 97, 17) << "CANCEL";
        QTest::newRow("Button10") << "Button10" << QRect(320, 136, 97, 17) << "HELP";
        QTest::newRow("Frame1") << "Frame1" << QRect(320, 160, 97, 57) << "Format: ";
        QTest::newRow("Option1(2)") << "Option1(2)" << QRect(8, 16, 81, 17) << "SWF (Flash)";
        QTest::newRow("Option1(1)") << "Option1(1)" << QRect(8, 32, 81, 17) << "FLV (Flash)";
        QTest::newRow("Button7") << "Button7" << QRect(320, 224, 97, 17) << "GO";
        QTest::newRow("Line2") << "Line2" << QRect(8, 248, 400, 1) << "";
        QTest::newRow("Button4") << "Button4" << QRect(504, 208, 169, 17) << "Convert it now!";
        QTest::newRow("Option1(0)") << "Option1(0)" << QRect(240, 328, 81, 17) << "AVI";
        QTest::newRow("Option1(3)") << "Option1(3)" << QRect(128, 320, 81, 17) << "WMV";
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        auto* widget = control(qPrintable(name));
        QCOMPARE(widget->geometry(), geometry);
        QVERIFY(widget->isVisible());
        QVERIFY(widget->isEnabled());
        if (auto* label = qobject_cast<QLabel*>(widget); label && !text.isEmpty())
            QCOMPARE(label->text(), text);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QCOMPARE(button->text(), text);
        if (auto* frame = qobject_cast<QGroupBox*>(widget))
            QCOMPARE(frame->title(), text);
    }

    void captionsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Label1", "Label2", "Button38", "Button3", "Button6", "Button10",
                                 "Button7", "Option1(1)", "Option1(2)", "Frame1"})
            QTest::newRow(name) << name;
    }
    void captionsFitTheirBoxes()
    {
        QFETCH(QString, name);
        auto* widget = control(qPrintable(name));
        QString text;
        int room = widget->width();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
        } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(radio);
            option.text = radio->text();
            text = radio->text();
            room = radio->style()
                       ->subElementRect(QStyle::SE_RadioButtonContents, &option, radio)
                       .width();
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            text = frame->title();
        } else if (auto* button = qobject_cast<SMButton::Button*>(widget)) {
            text = button->text();
            room -= 16 + 3 * 3; // the picture and the padding around it
        }
        const int needed = QFontMetrics(widget->font()).horizontalAdvance(text);
        QVERIFY2(
            needed <= room,
            qPrintable(QStringLiteral("%1 needs %2 px, has %3").arg(text).arg(needed).arg(room)));
        QVERIFY(QFontMetrics(widget->font()).height() <= widget->height());
    }

    void fontsAndPictures()
    {
        QVERIFY(Text1()->font().bold());
        QVERIFY(txtPath()->font().bold());
        QVERIFY(control<QGroupBox>("Frame1")->font().bold());
        QVERIFY(!option(2)->font().bold());
        QCOMPARE(control("Button7")->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(control("Label1")->font().family(), QStringLiteral("MS Sans Serif"));
        for (const char* name :
             {"Button38", "Button2", "Button3", "Button6", "Button10", "Button7"})
            QCOMPARE(control<SMButton::Button>(name)->picture().size(), QSize(16, 16));
        QVERIFY(control<SMButton::Button>("Button4")->picture().isNull());
        QCOMPARE(control<SMButton::Button>("Button2")->picturePosition(),
                 SMButton::Button::Centred);
        // The key colour is cut out of the pictures.
        const QImage go = control<SMButton::Button>("Button7")->picture().toImage();
        QCOMPARE(qAlpha(go.pixel(0, 0)), 0);
        QCOMPARE(control<QLabel>("Image6")->pixmap().size(), QSize(350, 449));
        QCOMPARE(control<QLabel>("Image7")->pixmap().size(), QSize(177, 275));
    }

    void hiddenControlsLieOutsideTheWindow()
    {
        for (const char* name : {"Button4", "Option1(0)", "Option1(3)"})
            QVERIFY(!window->rect().intersects(control(name)->geometry()));
    }

    void startsEmptyWithNoFormatAndFocusOnAdd()
    {
        QVERIFY(Text1()->text().isEmpty());
        QVERIFY(txtPath()->text().isEmpty());
        for (int i = 0; i < 4; ++i)
            QVERIFY(!option(i)->isChecked());
        QCOMPARE(QApplication::focusWidget(), control("Button38"));
    }

    void tabOrder()
    {
        QStringList order;
        QWidget* widget = control("Button38");
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                order << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != control("Button38"));
        QCOMPARE(order, (QStringList{"Button38", "Button2", "txtPath", "Button3", "Button6",
                                     "Button7", "Button10", "Button4", "Text1", "Option1(2)",
                                     "Option1(0)", "Option1(3)", "Option1(1)"}));
    }

    void formatButtonsGroupByContainer()
    {
        option(1)->click();
        option(0)->click();
        QVERIFY(option(1)->isChecked());
        option(2)->click();
        QVERIFY(!option(1)->isChecked());
        QVERIFY(option(2)->isChecked());
        QVERIFY(option(0)->isChecked());
        option(3)->click();
        QVERIFY(!option(0)->isChecked());
        QVERIFY(option(2)->isChecked());
        option(1)->click();
        QVERIFY(!option(2)->isChecked());
        QVERIFY(option(3)->isChecked());
    }

    void addFillsTheSourceAndACancelKeepsIt()
    {
        CommonDialog::setNextFileName(QStringLiteral("/v/party.avi"));
        click("Button38");
        QCOMPARE(Text1()->text(), QStringLiteral("/v/party.avi"));
        Text1()->setText(QStringLiteral("/typed/by hand.avi"));
        CommonDialog::setNextFileName(QString());
        click("Button38");
        QCOMPARE(Text1()->text(), QStringLiteral("/typed/by hand.avi"));
        click("Button2");
        QCOMPARE(Text1()->text(), QString());
    }

    void targetPathTakesTheFolderAndASeparator_data()
    {
        QTest::addColumn<bool>("nativeBrowser");
        QTest::addColumn<int>("dialect");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("target");
        const int posix = int(platform::ScriptDialect::Posix);
        const int windows = int(platform::ScriptDialect::Windows);
        QTest::newRow("folder") << false << posix << "/srv/out"
                                << "/srv/out/";
        QTest::newRow("root") << false << posix << "/"
                              << "//";
        QTest::newRow("cancel keeps the target") << false << posix << ""
                                                 << "/before/";
        QTest::newRow("shell folder") << true << windows << "E:\\out"
                                      << "E:\\out\\";
        QTest::newRow("shell drive root") << true << windows << "C:\\"
                                          << "C:\\\\";
        QTest::newRow("shell share") << true << windows << "\\\\server\\share\\folder"
                                     << "\\\\server\\share\\folder\\";
        QTest::newRow("shell cancel keeps the target") << true << windows << ""
                                                       << "/before/";
    }
    void targetPathTakesTheFolderAndASeparator()
    {
        QFETCH(bool, nativeBrowser);
        QFETCH(int, dialect);
        QFETCH(QString, chosen);
        QFETCH(QString, target);
        platform->folderBrowser = nativeBrowser;
        platform->scriptDialect = platform::ScriptDialect(dialect);
        platform->browsedFolder = chosen.toStdU16String();
        FolderDialog::setNextDirectory(chosen);
        txtPath()->setText(QStringLiteral("/before/"));

        click("Button3");

        QCOMPARE(txtPath()->text(), target);
        if (nativeBrowser) {
            QCOMPARE(platform->browses.size(), std::size_t(1));
            QCOMPARE(platform->browses[0].first, std::uintptr_t(window->winId()));
            QCOMPARE(platform->browses[0].second, std::u16string(u"Select Target Folder..."));
        }
    }

    void goRefusesWithAMessage_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("no target")
            << "/v/party.avi"
            << "" << QString::fromUtf16(ConversionJob::Messages::TargetMissing);
        QTest::newRow("no source")
            << ""
            << "/o/" << QString::fromUtf16(ConversionJob::Messages::SourceMissing);
        QTest::newRow("the source itself")
            << "/v/party.flv"
            << "/v/" << QString::fromUtf16(ConversionJob::Messages::OverwritesSource);
    }
    void goRefusesWithAMessage()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QString, message);
        Text1()->setText(source);
        txtPath()->setText(target);
        option(1)->click();

        click("Button7");

        QCOMPARE(messages, QStringList{message});
        QVERIFY(platform->scripts.empty());
        QCOMPARE(platform->starts, 0);
        QCOMPARE(Text1()->text(), source);
        QCOMPARE(txtPath()->text(), target);
    }

    void goWritesAndStartsTheScript()
    {
        Text1()->setText(QStringLiteral("/v/party.avi"));
        txtPath()->setText(QStringLiteral("/o/"));
        option(0)->click();
        option(2)->click();

        click("Button7");

        QVERIFY(messages.isEmpty());
        QCOMPARE(platform->scripts.size(), std::size_t(1));
        QVERIFY(QString::fromStdU16String(platform->scripts[0])
                    .contains(QStringLiteral("'/v/party.avi' -ar 44100 '/o/party.swf'")));
        QCOMPARE(platform->starts, 1);

        click("Button4");
        QCOMPARE(platform->starts, 2);
        QCOMPARE(platform->scripts.size(), std::size_t(1));
    }

    void failuresToWriteOrStartAreShown()
    {
        Text1()->setText(QStringLiteral("/v/party.avi"));
        txtPath()->setText(QStringLiteral("/o/"));
        platform->startFailure = u"No terminal window could be opened";
        click("Button7");
        platform->writeFailure = u"disk full";
        click("Button7");
        QCOMPARE(messages, (QStringList{"No terminal window could be opened", "disk full"}));
        QCOMPARE(platform->starts, 0);
    }

    void convertItNowWithoutAScriptSaysSo()
    {
        click("Button4");
        QCOMPARE(messages, QStringList{"no script"});
    }

    void helpOpensOneAboutWindow()
    {
        click("Button10");
        QPointer<frnAbout> about = window->aboutWindow();
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QCOMPARE(about->parentWidget(), nullptr);
        click("Button10");
        QCOMPARE(window->aboutWindow(), about.data());
        const auto windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return qobject_cast<frnAbout*>(w) != nullptr; }),
                 1);
    }

    void cancelCleansUpAndClosesTheAboutWindow()
    {
        click("Button10");
        QPointer<frnAbout> about = window->aboutWindow();
        click("Button6");
        QVERIFY(!window->isVisible());
        QCOMPARE(platform->removals, 1);
        QTRY_VERIFY(about.isNull());
    }

    void theCloseBoxCleansUpToo()
    {
        window->close();
        QCOMPARE(platform->removals, 1);
    }
};

QTEST_MAIN(tst_frmAutoPilot)
#include "tst_frmAutoPilot.moc"
