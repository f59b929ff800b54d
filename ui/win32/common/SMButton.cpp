#include "SMButton.h"

#include "Dpi.h"
#include "Resources.h"
#include "forms/ButtonFace.h"
#include "text/WideText.h"

#include <commctrl.h>

#include <string>

namespace ui::win32 {
namespace {

void fill(HDC dc, const RECT& area, forms::Rgb color)
{
    const GdiHandle<HBRUSH> brush(CreateSolidBrush(colorRef(color)));
    FillRect(dc, &area, brush.get());
}

// A box of the face's layout on the face.
RECT rect(const RECT& face, const forms::Box& box)
{
    return {face.left + box.left, face.top + box.top, face.left + box.right(),
            face.top + box.bottom()};
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
    // The icon's own mask is not used: the key colour alone says what is transparent, and the
    // picture is blended with that as its alpha, which costs less than a transparent copy that
    // makes a mask at every paint.
    picture_ = Resources::iconPicture(control_.picture, forms::ButtonPictureSize,
                                      forms::SMButtonLook.transparentColor);
    BITMAP bitmap{};
    if (!picture_ || !GetObjectW(picture_.get(), sizeof bitmap, &bitmap)) {
        picture_.reset();
        return;
    }
    pictureSize_ = {bitmap.bmWidth, bitmap.bmHeight};
    pictureDc_.reset(CreateCompatibleDC(nullptr));
    if (!pictureDc_) {
        picture_.reset();
        return;
    }
    SelectObject(pictureDc_.get(), picture_.get());
}

void SMButton::draw(const DRAWITEMSTRUCT& item, HFONT font, UINT dpi) const
{
    if (!pictureLoaded_)
        loadPicture();
    const auto& look = forms::SMButtonLook;
    const HDC dc = item.hDC;
    const RECT face = item.rcItem;
    fill(dc, face, hot_ ? look.backOver : look.backColor);

    const int width = face.right - face.left;
    const int height = face.bottom - face.top;
    const forms::ButtonContent content{static_cast<bool>(picture_), control_.pictureAlone,
                                       !control_.caption.empty()};
    const forms::ButtonFace layout = forms::buttonFace(
        width, height, content, (item.itemState & ODS_SELECTED) != 0,
        Dpi::scale(forms::ButtonPictureSize, dpi), Dpi::scale(forms::ButtonPadding, dpi));
    if (picture_) {
        const forms::Box& at = layout.picture;
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, face.left + at.left, face.top + at.top, at.width, at.height,
                      pictureDc_.get(), 0, 0, pictureSize_.cx, pictureSize_.cy, blend);
    }
    forms::Box text{};
    if (layout.caption.width > 0) {
        const std::wstring caption = WideText::toWide(std::u16string(control_.caption));
        const HGDIOBJ oldFont = SelectObject(dc, font);
        SetTextColor(dc, colorRef(look.foreColor));
        SetBkMode(dc, TRANSPARENT);
        RECT area = rect(face, layout.caption);
        constexpr UINT Format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
        DrawTextW(dc, caption.c_str(), -1, &area, Format);
        RECT size = area;
        DrawTextW(dc, caption.c_str(), -1, &size, Format | DT_CALCRECT);
        text = forms::centred(layout.caption, size.right - size.left, size.bottom - size.top);
        SelectObject(dc, oldFont);
    }

    const GdiHandle<HBRUSH> border(CreateSolidBrush(colorRef(look.borderColor)));
    FrameRect(dc, &face, border.get());

    // Shown even while the system hides keyboard cues (ODS_NOFOCUSRECT): the design always shows
    // which button has the focus.
    const forms::Box frame = forms::focusFrame(layout, width, height, text);
    if ((item.itemState & ODS_FOCUS) && frame.width > 0) {
        const RECT focus = rect(face, frame);
        SetTextColor(dc, colorRef(look.foreColor));
        SetBkColor(dc, colorRef(look.backColor));
        DrawFocusRect(dc, &focus);
    }
}

} // namespace ui::win32
