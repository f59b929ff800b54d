// The main window's controls, of the classes and styles the program makes them, in its fonts,
// with its manifest and icon, and without the pictures: the controls it draws itself show their
// captions in the plainest way. What the program's window costs before its own drawing and
// behaviour.
#include "forms/MainWindowDesign.h"
#include "text/WideText.h"
#include "ui/win32/common/Dpi.h"
#include "ui/win32/common/Fonts.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>

namespace {

LRESULT CALLBACK floorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
        wchar_t caption[512];
        const int length = GetWindowTextW(item.hwndItem, caption, 512);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
        const HGDIOBJ old = SelectObject(item.hDC, font);
        SetBkMode(item.hDC, TRANSPARENT);
        RECT area = item.rcItem;
        DrawTextW(item.hDC, caption, length, &area, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(item.hDC, old);
        return TRUE;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

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
    case Kind::Label:
        return {WC_STATICW, SS_OWNERDRAW | SS_NOTIFY, 0};
    case Kind::TextBox:
        return {WC_EDITW, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::Button:
        return {WC_BUTTONW, BS_OWNERDRAW | WS_TABSTOP, 0};
    case Kind::Frame:
        return {WC_BUTTONW, BS_GROUPBOX, 0};
    case Kind::OptionButton:
        return {WC_BUTTONW, BS_AUTORADIOBUTTON | WS_TABSTOP, 0};
    case Kind::Image:
        break;
    }
    return {nullptr, 0, 0};
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = floorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"ControlsWindow";
    for (auto [icon, metric] :
         {std::pair{&windowClass.hIcon, SM_CXICON}, std::pair{&windowClass.hIconSm, SM_CXSMICON}}) {
        const int size = GetSystemMetrics(metric);
        *icon = static_cast<HICON>(
            LoadImageW(instance, L"VARNELO.ICO", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    }
    RegisterClassExW(&windowClass);

    const auto& design = forms::MainWindowDesign;
    const UINT dpi = ui::win32::Dpi::ofSystem();
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const SIZE size =
        ui::win32::Dpi::windowSize(design.clientWidth, design.clientHeight, style, 0, dpi);
    HWND window =
        CreateWindowW(L"ControlsWindow", L"Controls floor", style, CW_USEDEFAULT, CW_USEDEFAULT,
                      size.cx, size.cy, nullptr, nullptr, instance, nullptr);
    const ui::win32::Fonts fonts(dpi);
    for (const auto& control : design.controls) {
        const ControlClass kind = classOf(control.kind);
        if (!kind.name)
            continue;
        const RECT box = ui::win32::Dpi::scale(design.placeInWindow(control), dpi);
        const std::wstring caption = WideText::toWide(std::u16string(control.caption));
        const HWND child = CreateWindowExW(kind.exStyle, kind.name, caption.c_str(),
                                           WS_CHILD | WS_VISIBLE | kind.style, box.left, box.top,
                                           box.right - box.left, box.bottom - box.top, window,
                                           nullptr, instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[control.face]), FALSE);
    }
    ShowWindow(window, show);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
