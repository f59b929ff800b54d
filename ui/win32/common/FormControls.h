#pragma once

#include "Fonts.h"
#include "GdiHandle.h"
#include "Picture.h"
#include "SMButton.h"
#include "forms/Design.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace ui::win32 {

// A window's controls as its design lays them out: one child window for each, the rules,
// labels and pictures drawn here, the push buttons as SMButton. Their z-order is the tab
// order, so the dialog manager's Tab and arrow keys follow the design, with each field's label
// just before it, which is how Windows' accessibility names a field. A control's window text is
// its name there. Those beyond the client area are hidden: no one reaches them.
class FormControls {
public:
    // Placed, sized and given their fonts for a screen of that resolution.
    FormControls(HWND parent, const forms::Window& design, UINT dpi);
    FormControls(const FormControls&) = delete;
    FormControls& operator=(const FormControls&) = delete;

    HWND operator[](std::string_view name) const;

    // The design's control that child is, or null for any other window.
    const forms::Control* find(HWND child) const;

    // Places, sizes and fonts for a screen of that resolution.
    void layOut(UINT dpi);

    // Draws an owner-drawn control: a rule, a label, a picture or a push button.
    void draw(const DRAWITEMSTRUCT& item) const;

    // The design's background, on which labels, frames and option buttons are drawn.
    HBRUSH background() const;
    COLORREF backgroundColor() const;
    // The colour of text on that background.
    COLORREF textColor() const;

private:
    struct Child {
        const forms::Control* control;
        HWND window;
        std::unique_ptr<SMButton> button;
        mutable std::optional<Picture> picture;
    };

    const Child* childOf(HWND window) const;
    RECT placed(const Child& child) const;
    const Picture& pictureOf(const Child& child) const;
    void drawPicturesBeneath(const Child& child, HDC dc) const;
    void drawLabel(const Child& child, HDC dc, const RECT& area) const;
    void addToolTip(const Child& child);

    HWND parent_;
    const forms::Window& design_;
    std::vector<Child> children_; // in z-order, the top one first
    UINT dpi_ = 0;
    std::unique_ptr<Fonts> fonts_;
    GdiHandle<HBRUSH> ownBackground_;
    HWND toolTips_ = nullptr;
};

} // namespace ui::win32
