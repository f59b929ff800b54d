#pragma once

#include "forms/Design.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace ui::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// A font, brush or bitmap, deleted with its owner.
template <typename Handle>
using GdiHandle = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

struct MemoryDcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};

// A memory device context, deleted with its owner.
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

inline COLORREF colorRef(forms::Rgb rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

inline forms::Rgb rgbOf(COLORREF color)
{
    return forms::Rgb{GetRValue(color)} << 16 | forms::Rgb{GetGValue(color)} << 8 |
           GetBValue(color);
}

} // namespace ui::win32
