#pragma once

#include "Design.h"

namespace forms {

// Where a push button of the main window draws its picture and its caption, in pixels from
// the face's top left corner, and where the focus frame goes.
struct ButtonFace {
    Box picture; // the picture's square; empty when there is none
    Box caption; // the area the caption is centred in; empty when none is shown
};

// The picture's size and the padding around it at 96 dpi.
inline constexpr int ButtonPictureSize = 16;
inline constexpr int ButtonPadding = 3;

// What a button shows.
struct ButtonContent {
    bool picture = false;
    bool pictureAlone = false; // the picture in the middle of the face, and no caption
    bool caption = false;
};

// The layout of a face of that size. A pressed button's content sinks one pixel, its only
// sign of being pressed. pictureSize and padding are scaled to the screen.
ButtonFace buttonFace(int width, int height, const ButtonContent& content, bool pressed,
                      int pictureSize = ButtonPictureSize, int padding = ButtonPadding);

// A box of that size in the middle of the area, as centred text is drawn.
Box centred(const Box& area, int width, int height);

// The dotted frame that shows the focus, given where the caption's text was drawn: a pixel
// to either side of the text, else around the picture, and always inside the border, since the
// face is too low for a frame within it. Empty when the face shows neither.
Box focusFrame(const ButtonFace& face, int width, int height, const Box& text);

} // namespace forms
