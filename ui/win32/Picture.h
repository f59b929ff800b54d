#pragma once

#include "GdiHandle.h"

#include <windows.h>

#include <cstddef>
#include <span>
#include <string_view>

namespace ui::win32 {

// A GIF or BMP picture among the program's artwork, drawn stretched to fill a box.
class Picture {
public:
    // An empty picture when the program does not carry it or cannot decode it.
    explicit Picture(std::string_view name);

    bool empty() const { return !colours_; }
    void draw(HDC dc, const RECT& box) const;

private:
    void loadGif(std::span<const std::byte> file);
    void loadBmp(std::span<const std::byte> file);

    SIZE size_{};
    // Its colours, black where a GIF picture is transparent, and then a mask, white there.
    GdiHandle<HBITMAP> colours_;
    GdiHandle<HBITMAP> mask_;
};

} // namespace ui::win32
