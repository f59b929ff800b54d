#include "SMButton.h"

#include "PngFile.h"
#include "forms/ButtonFace.h"

#include <QKeyEvent>
#include <QPainter>

namespace SMButton {
namespace {

constexpr auto Look = forms::SMButtonLook;

QRect toRect(const forms::Box& box)
{
    return {box.left, box.top, box.width, box.height};
}

} // namespace

Button::Button(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void Button::setPicture(const QString& iconFile)
{
    // The icon's own mask is ignored: the key colour alone says what is transparent.
    QImage image = PngFile::read(iconFile).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == Look.transparentColor)
                line[x] = 0;
        }
    }
    picture_ = QPixmap::fromImage(image);
    update();
}

QSize Button::sizeHint() const
{
    const int textWidth = fontMetrics().horizontalAdvance(text());
    return {forms::ButtonPadding * 3 + forms::ButtonPictureSize + textWidth,
            forms::ButtonPictureSize + 1};
}

void Button::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, QColor::fromRgb(underMouse() ? Look.backOver : Look.backColor));

    const forms::ButtonFace layout = forms::buttonFace(
        width(), height(), {!picture_.isNull(), position_ == Centred, !text().isEmpty()}, isDown());
    if (!picture_.isNull())
        painter.drawPixmap(layout.picture.left, layout.picture.top, picture_);
    forms::Box text{};
    if (layout.caption.width > 0) {
        painter.setPen(QColor::fromRgb(Look.foreColor));
        const QRect area = toRect(layout.caption);
        const int flags = Qt::AlignCenter | Qt::TextSingleLine;
        painter.drawText(area, flags, this->text());
        const QRect used = painter.boundingRect(area, flags, this->text());
        text = {used.left(), used.top(), used.width(), used.height()};
    }

    painter.setPen(QColor::fromRgb(Look.borderColor));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(face.adjusted(0, 0, -1, -1));

    const forms::Box frame = forms::focusFrame(layout, width(), height(), text);
    if (hasFocus() && frame.width > 0) {
        QPen dots{QColor::fromRgb(Look.foreColor)};
        dots.setStyle(Qt::DotLine);
        painter.setPen(dots);
        // A rectangle's outline lies along the right and bottom edges of its last pixels.
        painter.drawRect(toRect(frame).adjusted(0, 0, -1, -1));
    }
}

void Button::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace SMButton
