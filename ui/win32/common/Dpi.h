#pragma once

#include "forms/Design.h"

#include <windows.h>

// The windows are designed in pixels at 96 dpi; on a screen of another resolution every place,
// size and font grows with it, so the windows stay sharp instead of being stretched.
namespace ui::win32::Dpi {

inline constexpr UINT Designed = 96;

// The resolution of the screen the window is on.
UINT ofWindow(HWND window);

// The resolution of the main screen, for windows that do not exist yet.
UINT ofSystem();

// Without the fraction, so the main window's 423 pixels become 634 at 144 dpi.
int scale(int pixels, UINT dpi);
RECT scale(const forms::Box& box, UINT dpi);

// The size of a window whose client area has that size at 96 dpi.
SIZE windowSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi);

} // namespace ui::win32::Dpi
