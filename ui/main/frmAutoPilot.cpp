#include "frmAutoPilot.h"

#include "FolderDialog.h"
#include "SMButton.h"
#include "job/ConversionJob.h"
#include "ui/about/frnAbout.h"
#include "ui/common/Fonts.h"
#include "ui/common/MessageBox.h"
#include "ui/common/Placement.h"
#include "ui/common/ProgramIcon.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace {

// The application's style with a narrower gap between an option button's indicator and its
// caption, so that "SWF (Flash)" shows whole in its 81 pixels.
class NarrowLabelSpacing : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        if (metric == PM_RadioButtonLabelSpacing)
            return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QFrame* redRule(QWidget* parent, const char* name, int top)
{
    // A rule from x = 8 to x = 408: the line's end point is not drawn.
    auto* rule = place(new QFrame(parent), name, 8, top, 400, 1);
    rule->setAutoFillBackground(true);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::Window, QColor(255, 0, 0));
    rule->setPalette(palette);
    return rule;
}

QLabel* picture(QWidget* parent, const char* name, int left)
{
    auto* image = place(new QLabel(parent), name, left, 104, 113, 137);
    image->setScaledContents(true);
    return image;
}

} // namespace

frmAutoPilot::frmAutoPilot(platform::Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      platform_(platform), dlg(this)
{
    setObjectName(QStringLiteral("frmAutoPilot"));
    setWindowTitle(QStringLiteral("Varnelo! v3.0"));
    setFont(Fonts::msSansSerif());
    setFixedSize(423, 266);

    const auto button = [this](const char* name, const QString& caption, int left, int top,
                               int width) {
        auto* b = place(new SMButton::Button(this), name, left, top, width, 17);
        b->setText(caption);
        return b;
    };
    const auto field = [this](const char* name, int top) {
        auto* edit = place(new QLineEdit(this), name, 8, top, 305, 19);
        edit->setFont(Fonts::msSansSerif(true));
        return edit;
    };

    Line1 = redRule(this, "Line1", 16);
    Label1 = place(new QLabel(QStringLiteral("File to perform conversion to:"), this), "Label1", 8,
                   24, 305, 17);
    Text1 = field("Text1", 40);
    Button38 = button("Button38", QStringLiteral("Add"), 320, 40, 73);
    Button2 = button("Button2", QString(), 400, 40, 17);
    Button2->setPicturePosition(SMButton::Button::Centred);
    Label2 = place(
        new QLabel(QStringLiteral("Target path/ folder for transformed file to reside:"), this),
        "Label2", 8, 64, 305, 17);
    txtPath = field("txtPath", 80);
    Button3 = button("Button3", QStringLiteral("Target path"), 320, 80, 97);
    Image6 = picture(this, "Image6", 88);
    Image7 = picture(this, "Image7", 184);
    Button6 = button("Button6", QStringLiteral("CANCEL"), 320, 112, 97);
    Button10 = button("Button10", QStringLiteral("HELP"), 320, 136, 97);

    Frame1 = place(new QGroupBox(QStringLiteral("Format: "), this), "Frame1", 320, 160, 97, 57);
    Frame1->setFont(Fonts::msSansSerif(true));
    Option1[0] =
        place(new QRadioButton(QStringLiteral("AVI"), this), "Option1(0)", 240, 328, 81, 17);
    Option1[1] =
        place(new QRadioButton(QStringLiteral("FLV (Flash)"), Frame1), "Option1(1)", 8, 32, 81, 17);
    Option1[2] =
        place(new QRadioButton(QStringLiteral("SWF (Flash)"), Frame1), "Option1(2)", 8, 16, 81, 17);
    Option1[3] =
        place(new QRadioButton(QStringLiteral("WMV"), this), "Option1(3)", 128, 320, 81, 17);
    // The buttons in the frame form one group, the buttons on the window another, so one of
    // each may be selected.
    auto* formatStyle = new NarrowLabelSpacing;
    formatStyle->setParent(this);
    auto* inFrame = new QButtonGroup(this);
    auto* onWindow = new QButtonGroup(this);
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        Option1[i]->setFont(Fonts::msSansSerif());
        Option1[i]->setStyle(formatStyle);
        (i == 1 || i == 2 ? inFrame : onWindow)->addButton(Option1[i], int(i));
    }

    Button7 = button("Button7", QStringLiteral("GO"), 320, 224, 97);
    Line2 = redRule(this, "Line2", 248);
    // Lies beyond the window's right edge, so it is never seen.
    Button4 = button("Button4", QStringLiteral("Convert it now!"), 504, 208, 169);

    QWidget* order[] = {Button38, Button2, txtPath,    Button3,    Button6,    Button7,   Button10,
                        Button4,  Text1,   Option1[2], Option1[0], Option1[3], Option1[1]};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    Button38->setFocus();

    connect(Button38, &QAbstractButton::clicked, this, &frmAutoPilot::Button38_Click);
    connect(Button2, &QAbstractButton::clicked, this, &frmAutoPilot::Button2_Click);
    connect(Button3, &QAbstractButton::clicked, this, &frmAutoPilot::Button3_Click);
    connect(Button7, &QAbstractButton::clicked, this, &frmAutoPilot::Button7_Click);
    connect(Button4, &QAbstractButton::clicked, this, &frmAutoPilot::Button4_Click);
    connect(Button10, &QAbstractButton::clicked, this, &frmAutoPilot::Button10_Click);
    connect(Button6, &QAbstractButton::clicked, this, &frmAutoPilot::Button6_Click);

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    // Decoding the pictures waits until the window is on its way to the screen: they are in
    // place before its first paint, and the window shows sooner.
    QTimer::singleShot(0, this, &frmAutoPilot::loadArtwork);
}

void frmAutoPilot::loadArtwork()
{
    setWindowIcon(ProgramIcon::icon());
    const std::pair<SMButton::Button*, const char*> pictures[] = {
        {Button38, "add"},   {Button2, "clear"}, {Button3, "target"},
        {Button6, "cancel"}, {Button10, "help"}, {Button7, "go"}};
    for (const auto& [button, icon] : pictures)
        button->setPicture(QStringLiteral(":/resources/%1.ico").arg(QLatin1String(icon)));
    Image6->setPixmap(QPixmap(QStringLiteral(":/resources/film.gif")));
    Image7->setPixmap(QPixmap(QStringLiteral(":/resources/format.gif")));
}

frmAutoPilot::~frmAutoPilot()
{
    delete about_;
}

void frmAutoPilot::showMessage(const std::u16string& text)
{
    MessageBox::show(this, QString::fromStdU16String(text));
}

void frmAutoPilot::Button38_Click()
{
    dlg.CancelError = false;
    dlg.DialogTitle = QStringLiteral("Open ...");
    dlg.Filter = QStringLiteral("All (*.avi; *.flv; *.wmv; *.mpg; *.mpeg)|*.avi; *.flv; *.wmv; "
                                "*.mpg; *.mpeg");
    // A cancel keeps what the field holds, typed text included.
    if (dlg.ShowOpen())
        Text1->setText(dlg.FileName);
}

void frmAutoPilot::setSourceText(const QString& text)
{
    Text1->setText(text);
}

void frmAutoPilot::Button2_Click()
{
    Text1->clear();
}

QString frmAutoPilot::BrowseForFolder(std::uintptr_t lngHwnd, const QString& strPrompt)
{
    if (platform_.hasFolderBrowser())
        return QString::fromStdU16String(
            platform_.browseForFolder(lngHwnd, strPrompt.toStdU16String()));
    return FolderDialog::getExistingDirectory(this, strPrompt);
}

void frmAutoPilot::Button3_Click()
{
    const QString folder = BrowseForFolder(winId(), QStringLiteral("Select Target Folder..."));
    // A cancelled or failed pick keeps the target the user had.
    if (folder.isEmpty())
        return;
    const QChar separator = platform_.dialect() == platform::ScriptDialect::Windows ? u'\\' : u'/';
    txtPath->setText(folder + separator);
}

void frmAutoPilot::Button7_Click()
{
    ConversionJob::Inputs inputs;
    inputs.target = txtPath->text().toStdU16String();
    inputs.source = Text1->text().toStdU16String();
    for (std::size_t i = 0; i < Option1.size(); ++i)
        inputs.selected[i] = Option1[i]->isChecked();
    if (const auto refusal = ConversionJob::prepare(inputs, platform_)) {
        showMessage(*refusal);
        return;
    }
    Button4_Click();
}

void frmAutoPilot::Button4_Click()
{
    if (const auto failure = platform_.startScript())
        showMessage(*failure);
}

void frmAutoPilot::Button10_Click()
{
    if (!about_)
        about_ = new frnAbout(platform_);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void frmAutoPilot::Button6_Click()
{
    close();
}

void frmAutoPilot::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmAutoPilot::Form_Unload()
{
    platform_.removeScripts();
    if (about_)
        about_->close();
}
