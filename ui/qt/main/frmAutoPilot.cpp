#include "frmAutoPilot.h"

#include "CommonDialog.h"
#include "FolderDialog.h"
#include "SMButton.h"
#include "forms/MainWindowDesign.h"
#include "ui/qt/common/MessageBox.h"
#include "ui/qt/common/ProgramIcon.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

frmAutoPilot::frmAutoPilot(platform::ScriptHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      form_(*this, host), controls_(this, forms::MainWindowDesign)
{
    for (int i = 0; i < int(Option1.size()); ++i)
        Option1[i] = controls_.get<QRadioButton>(qPrintable(QStringLiteral("Option1(%1)").arg(i)));

    const std::pair<const char*, void (forms::MainForm::*)()> clicks[] = {
        {"Button38", &forms::MainForm::Button38_Click},
        {"Button2", &forms::MainForm::Button2_Click},
        {"Button3", &forms::MainForm::Button3_Click},
        {"Button7", &forms::MainForm::Button7_Click},
        {"Button4", &forms::MainForm::Button4_Click},
        {"Button10", &forms::MainForm::Button10_Click},
        {"Button6", &forms::MainForm::Button6_Click},
    };
    for (const auto& [name, handler] : clicks)
        connect(controls_.get<SMButton::Button>(name), &QAbstractButton::clicked, this,
                [this, handler = handler] { (form_.*handler)(); });

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    // Decoding the pictures waits until the window is on its way to the screen: they are in
    // place before its first paint, and the window shows sooner.
    QTimer::singleShot(0, this, [this] {
        setWindowIcon(ProgramIcon::icon());
        controls_.loadPictures();
    });
}

frmAutoPilot::~frmAutoPilot()
{
    delete about_;
}

QLineEdit* frmAutoPilot::field(forms::Field which) const
{
    return controls_.get<QLineEdit>(which == forms::Field::Text1 ? "Text1" : "txtPath");
}

std::u16string frmAutoPilot::text(forms::Field which) const
{
    return field(which)->text().toStdU16String();
}

void frmAutoPilot::setText(forms::Field which, const std::u16string& text)
{
    field(which)->setText(QString::fromStdU16String(text));
}

bool frmAutoPilot::isSelected(int index) const
{
    return Option1.at(std::size_t(index))->isChecked();
}

void frmAutoPilot::showMessage(const std::u16string& text)
{
    MessageBox::show(this, QString::fromStdU16String(text));
}

bool frmAutoPilot::showOpen(forms::CommonDialog& dlg)
{
    return CommonDialog::ShowOpen(this, dlg);
}

std::optional<std::u16string> frmAutoPilot::browseForFolder(const std::u16string& prompt)
{
    const QString folder =
        FolderDialog::getExistingDirectory(this, QString::fromStdU16String(prompt));
    if (folder.isEmpty())
        return std::nullopt;
    return folder.toStdU16String();
}

void frmAutoPilot::showAbout()
{
    if (!about_)
        about_ = new frnAbout();
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void frmAutoPilot::closeAbout()
{
    if (about_)
        about_->close();
}

void frmAutoPilot::close()
{
    QWidget::close();
}

void frmAutoPilot::showWith(const std::u16string& file)
{
    show();
    form_.Form_Load(file);
}

void frmAutoPilot::closeEvent(QCloseEvent* event)
{
    form_.Form_Unload();
    event->accept();
}
