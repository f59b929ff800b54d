#pragma once

#include <QAbstractButton>

namespace SMButton {

// The flat push button of the main window: a white face with a black border, a 16 x 16
// picture whose key colour is drawn transparent, a black caption, and a dotted frame while it
// has the focus.
class Button : public QAbstractButton {
    Q_OBJECT
public:
    // Where the picture goes: beside the caption, or alone in the middle of the face.
    enum PicturePosition { BesideCaption = 0, Centred = 4 };

    explicit Button(QWidget* parent = nullptr);

    // The picture from an icon file, with its key colour cut out.
    void setPicture(const QString& iconFile);
    const QPixmap& picture() const { return picture_; }
    void setPicturePosition(PicturePosition position) { position_ = position; }
    PicturePosition picturePosition() const { return position_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter presses a focused button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap picture_;
    PicturePosition position_ = BesideCaption;
};

} // namespace SMButton
