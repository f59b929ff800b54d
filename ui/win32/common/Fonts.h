#pragma once

#include "GdiHandle.h"
#include "forms/Design.h"

#include <windows.h>

#include <array>

namespace ui::win32 {

// The design's three faces at one screen resolution.
class Fonts {
public:
    explicit Fonts(UINT dpi);

    HFONT operator[](forms::Face face) const;

    // The character height of 8.25 pt at that resolution, as CreateFontW takes it.
    static int height(UINT dpi);

private:
    std::array<GdiHandle<HFONT>, 3> fonts_;
};

} // namespace ui::win32
