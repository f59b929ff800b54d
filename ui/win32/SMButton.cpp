#include "SMButton.h"

#include "Dpi.h"
#include "Resources.h"
#include "text/WideText.h"

#include <commctrl.h>

#include <string>

namespace ui::win32 {
namespace {

constexpr int PictureSize = 16;
constexpr int Padding = 3;

void fill(HDC dc, const RECT& area, forms::Rgb color)
{
    const GdiHandle<HBRUSH> brush(CreateSolidBrush(colorRef(color)));
    FillRect(dc, &area, brush.get());
}

} // namespace

SMButton::SMButton(HWND button, const forms::Control& control) : control_(control)
{
    SetWindowSubclass(button, subclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK SMButton::subclassProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self)
{
    auto& that = *reinterpret_cast<SMButton*>(self);
    switch (message) {
    case WM_GETDLGCODE:
        // The dialog manager sends Enter's click to the button that calls itself the default.
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BM_SETSTYLE:
        // When the focus moves, the dialog manager makes the default button a plain push button
        // again; this one stays drawn as it is.
        wParam = (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
        break;
    case WM_MOUSEMOVE:
        if (!that.hot_) {
            that.hot_ = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
            TrackMouseEvent(&track);
            InvalidateRect(button, nullptr, FALSE);
        }
        break;
    case WM_MOUSELEAVE:
        that.hot_ = false;
        InvalidateRect(button, nullptr, FALSE);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, subclassProc, 0);
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

// Loaded when first drawn, which is after the window is shown, so that the window opens sooner.
void SMButton::loadPicture() const
{
    pictureLoaded_ = true;
    if (control_.picture.empty())
        return;
    // The icon's own mask is not used: the key colour alone says what is transparent.
    picture_ = Resources::iconColours(control_.picture, PictureSize);
    BITMAP bitmap{};
    if (picture_ && GetObjectW(picture_.get(), sizeof bitmap, &bitmap))
        pictureSize_ = {bitmap.bmWidth, bitmap.bmHeight};
}

void SMButton::draw(const DRAWITEMSTRUCT& item, HFONT font, UINT dpi) const
{
    if (!pictureLoaded_)
        loadPicture();
    const auto& look = forms::SMButtonLook;
    const HDC dc = item.hDC;
    const RECT face = item.rcItem;
    fill(dc, face, hot_ ? look.backOver : look.backColor);

    // A pressed button's content sinks one pixel, its only sign of being pressed.
    const int sink = (item.itemState & ODS_SELECTED) ? 1 : 0;
    const int padding = Dpi::scale(Padding, dpi);
    const int size = Dpi::scale(PictureSize, dpi);
    int textLeft = face.left + padding + sink;
    RECT focus{};
    if (picture_) {
        const int left = control_.pictureAlone ? (face.left + face.right - size) / 2 + sink
                                               : face.left + padding + sink;
        const int top = (face.top + face.bottom - size) / 2 + sink;
        const HDC source = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(source, picture_.get());
        GdiTransparentBlt(dc, left, top, size, size, source, 0, 0, pictureSize_.cx, pictureSize_.cy,
                          colorRef(look.transparentColor));
        SelectObject(source, old);
        DeleteDC(source);
        focus = {left, top, left + size, top + size};
        textLeft = left + size + padding;
    }
    if (!control_.caption.empty() && !control_.pictureAlone) {
        const std::wstring caption = WideText::toWide(std::u16string(control_.caption));
        const HGDIOBJ oldFont = SelectObject(dc, font);
        SetTextColor(dc, colorRef(look.foreColor));
        SetBkMode(dc, TRANSPARENT);
        RECT area{textLeft, face.top + sink, face.right - padding + sink, face.bottom + sink};
        constexpr UINT Format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
        DrawTextW(dc, caption.c_str(), -1, &area, Format);
        RECT text = area;
        DrawTextW(dc, caption.c_str(), -1, &text, Format | DT_CALCRECT);
        const int left = area.left + (area.right - area.left - (text.right - text.left)) / 2;
        const int top = area.top + (area.bottom - area.top - (text.bottom - text.top)) / 2;
        focus = {left - 1, top, left + (text.right - text.left) + 1,
                 top + (text.bottom - text.top)};
        SelectObject(dc, oldFont);
    }

    const GdiHandle<HBRUSH> border(CreateSolidBrush(colorRef(look.borderColor)));
    FrameRect(dc, &face, border.get());

    // Around the caption, as classic buttons do, since the face is too low for a frame inside
    // the border.
    if ((item.itemState & ODS_FOCUS) && !IsRectEmpty(&focus)) {
        RECT inside = face;
        InflateRect(&inside, -1, -1);
        IntersectRect(&focus, &focus, &inside);
        SetTextColor(dc, colorRef(look.foreColor));
        SetBkColor(dc, colorRef(look.backColor));
        DrawFocusRect(dc, &focus);
    }
}

} // namespace ui::win32
