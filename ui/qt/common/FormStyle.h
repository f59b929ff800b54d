#pragma once

#include <QPixmap>
#include <QProxyStyle>

// The application's style for the form's option buttons and frames, with two changes:
// - a narrower gap between an option button's indicator and its caption, so that
//   "SWF (Flash)" shows whole in its 81 pixels;
// - Fusion's frame around a group of controls with a caption drawn as Fusion draws it, from the
//   same picture, but read as the PNG file it is: Fusion reads it by its file name, which loads
//   every installed image-format plugin into the program.
class FormStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    mutable QPixmap groupFrame_; // read when first drawn
};
