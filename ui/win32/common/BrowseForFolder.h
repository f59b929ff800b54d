#pragma once

#include <windows.h>

#include <string>

namespace ui::win32 {

// The shell's folder browser, modal to the owner window, with the prompt above its tree: the
// file-system folder the user confirmed, or the empty text on cancel or on any failure.
std::u16string BrowseForFolder(HWND lngHwnd, const std::u16string& strPrompt);

} // namespace ui::win32
