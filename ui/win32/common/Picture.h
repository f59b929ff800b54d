#pragma once

#include "GdiHandle.h"

#include <windows.h>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace ui::win32 {

// One of the windows' pictures, carried as a bitmap of the size it is shown at and one of twice
// that size for scaled screens. A 256-colour one is transparent where it is magenta.
class Picture {
public:
    // An empty picture when the program does not carry it.
    explicit Picture(std::string_view name);

    bool empty() const { return !source_; }
    // Scaled to the box's size once, when first drawn at that size.
    void draw(HDC dc, const RECT& box) const;

private:
    void scaleTo(SIZE size) const;

    std::string_view name_;
    const BITMAPINFO* source_ = nullptr;
    bool transparent_ = false;
    mutable GdiHandle<HBITMAP> shown_;
    mutable SIZE shownSize_{};
};

// Pixels of 32 bits, alpha premultiplied, row by row from the top.
struct Pixels {
    SIZE size{};
    std::vector<std::uint32_t> rows;
};

// Each pixel the average of the source's pixels that it covers, weighted by how much of each it
// covers; a pixel that covers only part of one takes that one's value.
Pixels resampled(const Pixels& source, SIZE size);

} // namespace ui::win32
