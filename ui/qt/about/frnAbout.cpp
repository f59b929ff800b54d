#include "frnAbout.h"

#include "CreditLabel.h"
#include "forms/AboutWindowDesign.h"
#include "forms/Guarded.h"
#include "forms/TextColor.h"

#include <QEvent>
#include <QMouseEvent>
#include <QShortcut>

frnAbout::frnAbout(forms::Dialogs& dialogs)
    : QWidget(nullptr, FormBuilder::windowFlags(forms::AboutWindowDesign)), dialogs_(dialogs),
      form_(*this, dialogs),
      controls_(this, forms::AboutWindowDesign,
                [](const forms::Control& control, QWidget* parent) -> QWidget* {
                    if (!control.paragraphs)
                        return nullptr;
                    auto* label = new CreditLabel(FormBuilder::text(control.caption), parent);
                    label->setWordWrap(true);
                    label->setTextFormat(Qt::PlainText);
                    return label;
                })
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(FormBuilder::windowIcon(forms::AboutWindowDesign));
    setAutoFillBackground(true);
    const forms::Rgb background = forms::AboutWindowDesign.background;
    QPalette white = palette();
    white.setColor(QPalette::Window, QColor::fromRgb(background));
    const QRgb buttonText = palette().color(QPalette::ButtonText).rgb() & 0xFFFFFF;
    white.setColor(QPalette::WindowText,
                   QColor::fromRgb(forms::textColorOn(background, buttonText)));
    setPalette(white);
    new QShortcut(QKeySequence::Cancel, this, this, [this] { close(); });

    for (const auto& control : forms::AboutWindowDesign.controls) {
        // In front of the picture where the two overlap, so no word is hidden.
        if (control.paragraphs)
            controls_.get<QWidget>(control.name)->raise();
        if (control.click.empty())
            continue;
        QWidget* link = controls_.get<QWidget>(control.name);
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
        links_.insert(link, control.name);
    }
    controls_.loadPictures();
}

void frnAbout::close()
{
    QWidget::close();
}

bool frnAbout::eventFilter(QObject* watched, QEvent* event)
{
    const auto link = links_.constFind(watched);
    if (link == links_.cend())
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
        forms::guarded(dialogs_, this, [&] { form_.click(*link); });
    return true;
}
