#include "frmAutoPilot.h"

#include "forms/Guarded.h"
#include "forms/MainWindowDesign.h"
#include "ui/qt/common/PathField.h"
#include "ui/qt/common/ProgramIcon.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>

frmAutoPilot::frmAutoPilot(job::ScriptHost& host, forms::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, FormBuilder::windowFlags(forms::MainWindowDesign)), dialogs_(dialogs),
      form_(*this, dialogs, host), controls_(this, forms::MainWindowDesign)
{
    for (const auto& control : forms::MainWindowDesign.controls) {
        if (!control.click.empty())
            connect(controls_.get<QAbstractButton>(control.name), &QAbstractButton::clicked, this,
                    [this, name = control.name] {
                        forms::guarded(dialogs_, this, [&] { form_.click(name); });
                    });
        if (control.kind == forms::Kind::TextBox)
            connect(controls_.get<PathField>(control.name), &PathField::filesDropped, this,
                    [this, name = control.name](const QStringList& addresses) {
                        std::vector<forms::StartFile::Given> files;
                        for (const QString& address : addresses)
                            files.push_back({address.toStdU16String()});
                        forms::guarded(dialogs_, this, [&] { form_.dropped(name, files); });
                    });
    }

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
    return controls_.get<QLineEdit>(forms::fieldControl(which));
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
    return controls_.get<QRadioButton>(forms::formatOption(index))->isChecked();
}

void frmAutoPilot::showAbout()
{
    if (!about_) {
        about_ = new frnAbout(dialogs_);
        // Centred on this window, and whole on its screen where it fits.
        QRect place =
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, about_->size(), geometry());
        const QRect screen = this->screen()->availableGeometry();
        place.moveTo(std::max(screen.left(),
                              std::min(screen.x() + screen.width() - place.width(), place.left())),
                     std::max(screen.top(), std::min(screen.y() + screen.height() - place.height(),
                                                     place.top())));
        about_->setGeometry(place);
    }
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

void frmAutoPilot::showWith(const std::vector<forms::StartFile::Given>& files)
{
    show();
    form_.Form_Load(files);
}

void frmAutoPilot::closeEvent(QCloseEvent* event)
{
    forms::guarded(dialogs_, this, [this] { form_.Form_Unload(); });
    event->accept();
}
