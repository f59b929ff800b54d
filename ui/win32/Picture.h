#pragma once

#include <windows.h>

#include <olectl.h>

#include <memory>
#include <string_view>

namespace ui::win32 {

// A GIF or BMP picture among the program's artwork, drawn stretched to fill a box.
class Picture {
public:
    // An empty picture when the program does not carry it or cannot decode it.
    explicit Picture(std::string_view name);

    bool empty() const { return !picture_; }
    void draw(HDC dc, const RECT& box) const;

private:
    struct Release {
        void operator()(IPicture* picture) const { picture->Release(); }
    };
    std::unique_ptr<IPicture, Release> picture_;
};

} // namespace ui::win32
