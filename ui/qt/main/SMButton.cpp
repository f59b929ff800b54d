#include "SMButton.h"

#include "forms/Design.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>

namespace SMButton {
namespace {

constexpr int PictureSize = 16;
constexpr int Padding = 3;
constexpr auto Look = forms::SMButtonLook;

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
    QImage image = QImage(iconFile).convertToFormat(QImage::Format_ARGB32);
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
    return {Padding * 3 + PictureSize + textWidth, PictureSize + 1};
}

void Button::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, QColor::fromRgb(underMouse() ? Look.backOver : Look.backColor));

    // A pressed button's content sinks one pixel, its only sign of being pressed.
    const int sink = isDown() ? 1 : 0;
    const int top = (height() - PictureSize) / 2 + sink;
    int textLeft = Padding + sink;
    QRect focusArea;
    if (!picture_.isNull()) {
        const int left = position_ == Centred ? (width() - PictureSize) / 2 + sink : Padding + sink;
        painter.drawPixmap(left, top, picture_);
        focusArea = QRect(left, top, PictureSize, PictureSize);
        if (position_ != Centred)
            textLeft += PictureSize + Padding;
    }
    if (!text().isEmpty()) {
        painter.setPen(QColor::fromRgb(Look.foreColor));
        const QRect area = face.adjusted(textLeft, sink, -Padding + sink, sink);
        const int flags = Qt::AlignCenter | Qt::TextSingleLine;
        painter.drawText(area, flags, text());
        focusArea = painter.boundingRect(area, flags, text()).adjusted(-1, 0, 1, 0);
    }

    painter.setPen(QColor::fromRgb(Look.borderColor));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(face.adjusted(0, 0, -1, -1));

    // Around the caption, as classic buttons do, since the face is too low for a frame
    // inside the border.
    if (hasFocus() && !focusArea.isNull()) {
        QPen dots{QColor::fromRgb(Look.foreColor)};
        dots.setStyle(Qt::DotLine);
        painter.setPen(dots);
        painter.drawRect(focusArea.intersected(face.adjusted(1, 1, -2, -2)));
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
