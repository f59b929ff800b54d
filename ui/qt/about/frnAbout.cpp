#include "frnAbout.h"

#include "CreditLabel.h"
#include "forms/AboutWindowDesign.h"

#include <QDesktopServices>
#include <QEvent>
#include <QMouseEvent>

frnAbout::frnAbout()
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      form_(*this),
      controls_(this, forms::AboutWindowDesign,
                [](const forms::Control& control, QWidget* parent) -> QWidget* {
                    if (control.name != "Label1")
                        return nullptr;
                    auto* label = new CreditLabel(FormBuilder::text(control.caption), parent);
                    label->setWordWrap(true);
                    label->setTextFormat(Qt::PlainText);
                    return label;
                })
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(FormBuilder::resource(forms::AboutWindowDesign.icon)));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, QColor::fromRgb(forms::AboutWindowDesign.background));
    white.setColor(QPalette::WindowText, palette().color(QPalette::ButtonText));
    setPalette(white);

    Image1 = controls_.get<QWidget>("Image1");
    Label2 = controls_.get<QWidget>("Label2");
    // In front of the picture where the two overlap, so no word is hidden.
    controls_.get<QWidget>("Label1")->raise();
    for (QWidget* link : {Image1, Label2}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
    controls_.loadPictures();
}

void frnAbout::openUrl(const std::u16string& address)
{
    QDesktopServices::openUrl(QUrl(QString::fromStdU16String(address)));
}

void frnAbout::close()
{
    QWidget::close();
}

bool frnAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Image1 && watched != Label2)
        return QWidget::eventFilter(watched, event);
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        pressed_ = watched;
        return true;
    }
    const bool click = pressed_ == watched &&
                       static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
    pressed_ = nullptr;
    if (click)
        (watched == Image1 ? form_.Image1_Click() : form_.Label2_Click());
    return true;
}
