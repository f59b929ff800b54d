#include "Fonts.h"

#include "text/WideText.h"

#include <string>

namespace ui::win32 {
namespace {

GdiHandle<HFONT> create(forms::Face face, UINT dpi)
{
    const bool onButton = face == forms::Face::Button;
    const std::wstring name =
        WideText::toWide(std::u16string(onButton ? forms::ButtonFaceName : forms::WindowFaceName));
    const int weight = face == forms::Face::WindowBold ? FW_BOLD : FW_NORMAL;
    return GdiHandle<HFONT>(CreateFontW(Fonts::height(dpi), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                        name.c_str()));
}

} // namespace

Fonts::Fonts(UINT dpi)
    : fonts_{create(forms::Face::Window, dpi), create(forms::Face::WindowBold, dpi),
             create(forms::Face::Button, dpi)}
{
}

HFONT Fonts::operator[](forms::Face face) const
{
    return fonts_[static_cast<std::size_t>(face)].get();
}

int Fonts::height(UINT dpi)
{
    return -MulDiv(static_cast<int>(forms::FacePoints * 100), static_cast<int>(dpi), 7200);
}

} // namespace ui::win32
