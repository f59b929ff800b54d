#pragma once

#include "GdiHandle.h"
#include "forms/Design.h"

#include <windows.h>

namespace ui::win32 {

// The push button of the main window: an owner-drawn button with the design's white face,
// black border and caption, and its picture drawn with the key colour transparent. Enter
// presses it as Space does.
class SMButton {
public:
    // Takes over the drawing and keyboard handling of a BS_OWNERDRAW button.
    SMButton(HWND button, const forms::Control& control);
    SMButton(const SMButton&) = delete;
    SMButton& operator=(const SMButton&) = delete;

    void draw(const DRAWITEMSTRUCT& item, HFONT font, UINT dpi) const;

private:
    static LRESULT CALLBACK subclassProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);

    void loadPicture() const;

    const forms::Control& control_;
    mutable bool pictureLoaded_ = false;
    mutable GdiHandle<HBITMAP> picture_;
    mutable SIZE pictureSize_{};
    // Holds the picture for as long as the button lives, so a paint makes no context of its own;
    // deleted before the picture, which it holds selected.
    mutable MemoryDc pictureDc_;
    bool hot_ = false;
};

} // namespace ui::win32
