#include "ui/qt/common/Fonts.h"
#include "ui/qt/common/SMButton.h"
#include "ui/qt/main/frmAutoPilot.h"

#include "forms/MainWindowDesign.h"
#include "platform/Platform.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeHostRecord.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <csignal>
#include <memory>

namespace {

QString qstring(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

QString qstring(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

class tst_frmAutoPilot : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeHostRecord> platform;
    std::unique_ptr<FakeDialogs> dialogs;
    std::unique_ptr<frmAutoPilot> window;

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
    void initTestCase() { Fonts::installSubstitutions(); }
    void init()
    {
        platform = FakeHostRecord::make();
        dialogs = std::make_unique<FakeDialogs>();
        window = std::make_unique<frmAutoPilot>(platform->host(), *dialogs);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        window.reset();
        dialogs.reset();
        platform.reset();
    }

    void theWindow()
    {
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const auto flags = window->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        const QList<QSize> iconSizes{{16, 16}, {32, 32}, {48, 48}, {64, 64}};
        QCOMPARE(window->windowIcon().availableSizes(), iconSizes);
    }

    void layoutFollowsTheDesign()
    {
        for (const auto& design : forms::MainWindowDesign.controls) {
            auto* widget = control(design.name.data());
            const QString caption = qstring(design.caption);
            QCOMPARE(widget->geometry(),
                     QRect(design.box.left, design.box.top, design.box.width, design.box.height));
            QCOMPARE(widget->isVisible(), !forms::MainWindowDesign.offScreen(design));
            QVERIFY(widget->isEnabled());
            const QString container = widget->parentWidget() == window.get()
                                          ? QString()
                                          : widget->parentWidget()->objectName();
            QCOMPARE(container, qstring(design.container));
            if (auto* label = qobject_cast<QLabel*>(widget); label && !caption.isEmpty())
                QCOMPARE(label->text(), caption);
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                QCOMPARE(button->text(), caption);
            if (auto* frame = qobject_cast<QGroupBox*>(widget))
                QCOMPARE(frame->title(), caption);
            if (design.kind != forms::Kind::Line && design.kind != forms::Kind::Image) {
                QCOMPARE(widget->font().family(),
                         qstring(design.face == forms::Face::Button ? forms::ButtonFaceName
                                                                    : forms::WindowFaceName));
                QCOMPARE(widget->font().bold(), design.face == forms::Face::WindowBold);
            }
            // The controls no one sees are out of the keyboard's reach too.
            if (forms::MainWindowDesign.offScreen(design))
                QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
        }
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

    void pictures()
    {
        for (const auto& design : forms::MainWindowDesign.controls) {
            if (auto* button = qobject_cast<SMButton::Button*>(control(design.name.data()))) {
                QCOMPARE(button->picture().isNull(), design.picture.empty());
                QCOMPARE(button->picturePosition() == SMButton::Button::Centred,
                         design.pictureAlone);
            }
        }
        // The key colour is cut out of the pictures.
        const QImage go = control<SMButton::Button>("Button7")->picture().toImage();
        QCOMPARE(qAlpha(go.pixel(0, 0)), 0);
        // Drawn at the size they are shown, so nothing scales them.
        for (const char* name : {"Image6", "Image7"}) {
            const auto* image = control<QLabel>(name);
            QCOMPARE(image->pixmap().deviceIndependentSize().toSize(), image->size());
            QVERIFY(!image->hasScaledContents());
        }
    }

    // Qt loads every installed image-format plugin to read a picture by its file name alone, as
    // Fusion reads its frame's: the windows read none so, and their frame looks as Fusion's.
    void noImageFormatPluginLoaded()
    {
        click("Button10");
        window->aboutWindow()->grab();
        auto* frame = control<QGroupBox>("Frame1");
        const QImage drawn = frame->grab().toImage();
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY2(!maps.readAll().contains("/imageformats/"), "an image-format plugin is loaded");
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        frame->setStyle(fusion.get());
        QCOMPARE(drawn, frame->grab().toImage());
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
        QStringList designed;
        for (const auto* design : forms::MainWindowDesign.tabChain())
            designed << qstring(design->name);
        QCOMPARE(order, designed);
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

    void buttonsReachTheirCommands()
    {
        dialogs->nextFile = u"/v/party.avi";
        click("Button38");
        QCOMPARE(Text1()->text(), QStringLiteral("/v/party.avi"));
        dialogs->nextFolder = u"/srv/out";
        click("Button3");
        QCOMPARE(txtPath()->text(), QStringLiteral("/srv/out/"));
        click("Button7");
        QCOMPARE(dialogs->messages,
                 std::vector<std::u16string>{u"Output format MUST be chosen before proceeding!"});
        QVERIFY(platform->scripts.empty());
        dialogs->messages.clear();
        option(1)->click();
        click("Button7");
        QVERIFY(dialogs->messages.empty());
        QCOMPARE(platform->starts, 1);
        // Every dialog is owned by the main window.
        QVERIFY(std::all_of(dialogs->owners.begin(), dialogs->owners.end(),
                            [this](const forms::View* owner) { return owner == window.get(); }));
    }

    void aFailingCommandIsToldAndTheWindowGoesOn()
    {
        Text1()->setText(QStringLiteral("/v/party.avi"));
        txtPath()->setText(QStringLiteral("/o/"));
        option(1)->click();
        platform->writeThrows = true;
        click("Button7");
        QCOMPARE(dialogs->messages,
                 std::vector<std::u16string>{u"That could not be done: the disk went away"});
        platform->writeThrows = false;
        click("Button7");
        QCOMPARE(platform->starts, 1);
        QCOMPARE(dialogs->messages.size(), std::size_t(1));
    }

    void enterAndSpacePressAFocusedButton()
    {
        for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            Text1()->setText(QStringLiteral("/v/party.avi"));
            control("Button2")->setFocus();
            QTest::keyClick(control("Button2"), key);
            QTRY_COMPARE(Text1()->text(), QString());
        }
    }

    void pathFieldsTakeLongPathsAndDroppedLocalFiles()
    {
        const QString longPath =
            QStringLiteral("/") + QString(40000, QLatin1Char('d')) + QStringLiteral("/clip.avi");
        Text1()->setText(longPath);
        QCOMPARE(Text1()->text(), longPath);

        const auto drop = [](QWidget* field, QMimeData* data) {
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(field, &enter);
            QDropEvent event(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(field, &event);
        };
        // What each drop leaves in the field, and the message it shows.
        struct Row {
            QUrl url;
            QString text;
            QString message;
        };
        const Row rows[] = {
            {QUrl::fromLocalFile(QStringLiteral("/v/my clip 100%.avi")),
             QStringLiteral("/v/my clip 100%.avi"), QString()},
            {QUrl(QStringLiteral("file://localhost/v/a.avi")), QStringLiteral("/v/a.avi"),
             QString()},
            {QUrl::fromEncoded("file:///v/b%E9%FF.avi"), QStringLiteral("/v/a.avi"),
             QStringLiteral("file:///v/b%E9%FF.avi was not taken: its escapes are not valid "
                            "UTF-8 text.")},
        };
        platform->files = {u"/v/my clip 100%.avi", u"/v/a.avi"};
        for (const auto& row : rows) {
            dialogs->messages.clear();
            QMimeData local;
            local.setUrls({row.url});
            drop(Text1(), &local);
            QCOMPARE(Text1()->text(), row.text);
            QCOMPARE(QString::fromStdU16String(dialogs->messages.empty() ? std::u16string()
                                                                         : dialogs->messages[0]),
                     row.message);
        }
        QMimeData target;
        target.setUrls({QUrl::fromLocalFile(QStringLiteral("/srv/out"))});
        drop(txtPath(), &target);
        QCOMPARE(txtPath()->text(), QStringLiteral("/srv/out"));
        Text1()->setText(QStringLiteral("/v/my clip 100%.avi"));
        QMimeData remote;
        remote.setUrls({QUrl(QStringLiteral("https://example.com/clip.avi"))});
        drop(Text1(), &remote);
        QMimeData plain;
        plain.setText(QStringLiteral("file:///v/other.avi"));
        drop(Text1(), &plain);
        QCOMPARE(Text1()->text(), QStringLiteral("/v/my clip 100%.avi"));
    }

    void helpOpensOneAboutWindow()
    {
        click("Button10");
        QPointer<frnAbout> about = window->aboutWindow();
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QCOMPARE(about->parentWidget(), nullptr);
        QVERIFY((about->geometry().center() - window->geometry().center()).manhattanLength() <= 2);
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

    // The system asks the program to end by a signal; the program closes its windows then, as
    // it is wired.
    void theEndOfTheProgramCleansUpToo_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void theEndOfTheProgramCleansUpToo()
    {
        QFETCH(int, signal);
        ::platform::onEndRequest(&QApplication::closeAllWindows);
        std::raise(signal);
        QTRY_VERIFY(!window->isVisible());
        QCOMPARE(platform->removals, 1);
    }
};

QTEST_MAIN(tst_frmAutoPilot)
#include "tst_frmAutoPilot.moc"
