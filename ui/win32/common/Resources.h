#pragma once

#include "GdiHandle.h"

#include <windows.h>

#include <string>
#include <string_view>

// The artwork the program carries, found by the file names the design gives its pictures.
namespace ui::win32::Resources {

std::wstring name(std::string_view picture);

// An icon at that size in pixels, or null.
HICON icon(std::string_view picture, int size);

// The colours of the icon's image nearest that size, without its mask, as a 32-bit bitmap for
// GdiAlphaBlend: the key colour's pixels transparent, all others opaque. Null when there is none.
GdiHandle<HBITMAP> iconPicture(std::string_view picture, int size, forms::Rgb key);

} // namespace ui::win32::Resources
