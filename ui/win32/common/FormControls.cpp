#include "FormControls.h"

#include "Dpi.h"
#include "forms/Paragraphs.h"
#include "forms/TextColor.h"
#include "text/WideText.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <string>

namespace ui::win32 {
namespace {

constexpr int FirstId = 100;

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass classOf(forms::Kind kind)
{
    using forms::Kind;
    switch (kind) {
    case Kind::Line:
        return {WC_STATICW, SS_OWNERDRAW, 0};
    // Labels and pictures take the clicks on them, so none reaches a control beneath.
    case Kind::Label:
    case Kind::Image:
        return {WC_STATICW, SS_OWNERDRAW | SS_NOTIFY, 0};
    case Kind::TextBox:
        return {WC_EDITW, ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case Kind::Button:
        return {WC_BUTTONW, BS_OWNERDRAW, 0};
    case Kind::Frame:
        return {WC_BUTTONW, BS_GROUPBOX, 0};
    case Kind::OptionButton:
        return {WC_BUTTONW, BS_AUTORADIOBUTTON, 0};
    }
    return {WC_STATICW, 0, 0};
}

// The controls the keyboard reaches first, in tab order, each field after its label, then the
// others by tab index, then those without one (rules and pictures) as the design lists them.
std::vector<const forms::Control*> zOrder(const forms::Window& design)
{
    std::vector<const forms::Control*> order;
    for (const auto* control : design.tabChain()) {
        if (!control->label.empty())
            order.push_back(&design.control(control->label));
        order.push_back(control);
    }
    std::vector<const forms::Control*> rest;
    for (const auto& control : design.controls) {
        if (std::find(order.begin(), order.end(), &control) == order.end())
            rest.push_back(&control);
    }
    std::stable_sort(rest.begin(), rest.end(), [](const auto* a, const auto* b) {
        return (a->tabIndex < 0 ? INT_MAX : a->tabIndex) <
               (b->tabIndex < 0 ? INT_MAX : b->tabIndex);
    });
    order.insert(order.end(), rest.begin(), rest.end());
    return order;
}

// Option buttons next to each other in one group form the dialog manager's group; every other
// control starts one.
bool startsGroup(const forms::Control& control, const forms::Control* previous)
{
    return control.kind != forms::Kind::OptionButton || !previous ||
           previous->kind != forms::Kind::OptionButton ||
           forms::optionGroup(*previous) != forms::optionGroup(control);
}

// Where the control lies on a screen of that resolution. A field's label lies just above the
// field in z-order, where Windows' accessibility looks for the field's name, and would cover
// the field's border where the design lets the two overlap: it stops where the field starts.
RECT placeOf(const forms::Window& design, const forms::Control& control, UINT dpi)
{
    RECT box = Dpi::scale(design.placeInWindow(control), dpi);
    for (const auto& field : design.controls) {
        if (field.label == control.name)
            box.bottom = std::min(box.bottom, Dpi::scale(design.placeInWindow(field), dpi).top);
    }
    return box;
}

std::wstring wide(std::u16string_view text)
{
    return WideText::toWide(std::u16string(text));
}

} // namespace

FormControls::FormControls(HWND parent, const forms::Window& design, UINT dpi)
    : parent_(parent), design_(design), dpi_(dpi), fonts_(std::make_unique<Fonts>(dpi))
{
    if (design.background != forms::SystemButtonFace)
        ownBackground_.reset(CreateSolidBrush(colorRef(design.background)));

    children_.reserve(design.controls.size());
    const auto chain = design.tabChain();
    const forms::Control* previous = nullptr;
    // Each new control goes beneath those made before it.
    for (const auto* control : zOrder(design)) {
        const auto kind = classOf(control->kind);
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
        if (!design.offScreen(*control))
            style |= WS_VISIBLE;
        if (std::find(chain.begin(), chain.end(), control) != chain.end())
            style |= WS_TABSTOP;
        if (startsGroup(*control, previous))
            style |= WS_GROUP;
        const auto index = static_cast<int>(control - design.controls.data());
        const RECT box = placeOf(design, *control, dpi);
        // A field's text is what it holds: its label names it.
        const std::u16string_view text = control->kind == forms::Kind::TextBox
                                             ? std::u16string_view()
                                             : design.accessibleName(*control);
        const HWND window =
            CreateWindowExW(kind.exStyle, kind.name, wide(text).c_str(), style, box.left, box.top,
                            box.right - box.left, box.bottom - box.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(FirstId + index)),
                            GetModuleHandleW(nullptr), nullptr);
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>((*fonts_)[control->face]), FALSE);
        previous = control;

        Child child{control, window, nullptr, std::nullopt};
        if (control->kind == forms::Kind::TextBox)
            SendMessageW(window, EM_SETLIMITTEXT, 0, 0); // a path has no length limit
        if (control->kind == forms::Kind::Button)
            child.button = std::make_unique<SMButton>(window, *control);
        children_.push_back(std::move(child));
        if (!control->toolTip.empty())
            addToolTip(children_.back());
    }
}

void FormControls::addToolTip(const Child& child)
{
    if (!toolTips_) {
        toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                    WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent_, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    }
    std::wstring text = wide(child.control->toolTip);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent_;
    tool.uId = reinterpret_cast<UINT_PTR>(child.window);
    tool.lpszText = text.data();
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND FormControls::operator[](std::string_view name) const
{
    const auto& wanted = design_.control(name);
    for (const auto& child : children_) {
        if (child.control == &wanted)
            return child.window;
    }
    return nullptr;
}

const FormControls::Child* FormControls::childOf(HWND window) const
{
    for (const auto& child : children_) {
        if (child.window == window)
            return &child;
    }
    return nullptr;
}

const forms::Control* FormControls::find(HWND child) const
{
    const Child* found = childOf(child);
    return found ? found->control : nullptr;
}

RECT FormControls::placed(const Child& child) const
{
    return placeOf(design_, *child.control, dpi_);
}

void FormControls::layOut(UINT dpi)
{
    dpi_ = dpi;
    auto fonts = std::make_unique<Fonts>(dpi);
    for (const auto& child : children_) {
        const RECT box = placed(child);
        SetWindowPos(child.window, nullptr, box.left, box.top, box.right - box.left,
                     box.bottom - box.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(child.window, WM_SETFONT,
                     reinterpret_cast<WPARAM>((*fonts)[child.control->face]), FALSE);
    }
    // The old fonts go only once no control uses them.
    fonts_ = std::move(fonts);
    InvalidateRect(parent_, nullptr, TRUE);
}

HBRUSH FormControls::background() const
{
    return ownBackground_ ? ownBackground_.get() : GetSysColorBrush(COLOR_BTNFACE);
}

COLORREF FormControls::backgroundColor() const
{
    return ownBackground_ ? colorRef(design_.background) : GetSysColor(COLOR_BTNFACE);
}

COLORREF FormControls::textColor() const
{
    const COLORREF system = GetSysColor(COLOR_BTNTEXT);
    if (!ownBackground_)
        return system;
    return colorRef(forms::textColorOn(design_.background, rgbOf(system)));
}

void FormControls::draw(const DRAWITEMSTRUCT& item) const
{
    const Child* child = childOf(item.hwndItem);
    if (!child)
        return;
    switch (child->control->kind) {
    case forms::Kind::Button:
        child->button->draw(item, (*fonts_)[child->control->face], dpi_);
        break;
    case forms::Kind::Line: {
        const GdiHandle<HBRUSH> rule(CreateSolidBrush(colorRef(forms::RuleColor)));
        FillRect(item.hDC, &item.rcItem, rule.get());
        break;
    }
    case forms::Kind::Image:
        FillRect(item.hDC, &item.rcItem, background());
        drawPicturesBeneath(*child, item.hDC);
        pictureOf(*child).draw(item.hDC, item.rcItem);
        break;
    case forms::Kind::Label:
        FillRect(item.hDC, &item.rcItem, background());
        drawPicturesBeneath(*child, item.hDC);
        drawLabel(*child, item.hDC, item.rcItem);
        break;
    default:
        break;
    }
}

// Decoded when first drawn, which is after the window is shown: the window opens sooner, and its
// first painting has every picture.
const Picture& FormControls::pictureOf(const Child& child) const
{
    if (!child.picture)
        child.picture.emplace(child.control->picture);
    return *child.picture;
}

// Where a control lies over a picture, what it leaves uncovered shows the picture, as if it
// were transparent.
void FormControls::drawPicturesBeneath(const Child& child, HDC dc) const
{
    const RECT own = placed(child);
    const auto at = std::find_if(children_.begin(), children_.end(),
                                 [&](const Child& c) { return &c == &child; });
    for (auto beneath = std::next(at); beneath != children_.end(); ++beneath) {
        RECT box = placed(*beneath);
        RECT overlap{};
        if (beneath->control->kind != forms::Kind::Image || !IntersectRect(&overlap, &own, &box))
            continue;
        OffsetRect(&box, -own.left, -own.top);
        pictureOf(*beneath).draw(dc, box);
    }
}

void FormControls::drawLabel(const Child& child, HDC dc, const RECT& area) const
{
    const HGDIOBJ oldFont = SelectObject(dc, (*fonts_)[child.control->face]);
    SetTextColor(dc, textColor());
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE blank{};
    GetTextExtentPoint32W(dc, L" ", 1, &blank);

    constexpr UINT Format = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
    const forms::Box label{area.left, area.top, area.right - area.left, area.bottom - area.top};
    std::vector<forms::PlacedParagraph> placed{{child.control->caption, label}};
    if (child.control->paragraphs)
        placed = forms::layOutParagraphs(
            child.control->caption, label, blank.cx, metrics.tmHeight + metrics.tmExternalLeading,
            [&](std::u16string_view paragraph) {
                const std::wstring text = wide(paragraph);
                RECT used = area;
                DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &used,
                          Format | DT_CALCRECT);
                return static_cast<int>(used.bottom - used.top);
            });
    for (const auto& paragraph : placed) {
        const std::wstring text = wide(paragraph.text);
        RECT box{paragraph.box.left, paragraph.box.top, paragraph.box.right(),
                 paragraph.box.bottom()};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, Format);
    }
    SelectObject(dc, oldFont);
}

} // namespace ui::win32
