#pragma once

#include <windows.h>

// Makes a label or picture (a static control with SS_NOTIFY) clickable as a button is: its
// parent gets STN_CLICKED when the mouse button is pressed and released inside it, and not
// when the release comes elsewhere. The pointer over it is a hand.
namespace ui::win32::ClickArea {

void attach(HWND control);

} // namespace ui::win32::ClickArea
