#include "FormWindow.h"

#include "Dpi.h"
#include "Resources.h"
#include "forms/Guarded.h"
#include "text/WideText.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace ui::win32 {
namespace {

std::wstring className(const forms::Window& design)
{
    return std::wstring(design.name.begin(), design.name.end());
}

void registerClass(const forms::Window& design, WNDPROC windowProc)
{
    const HINSTANCE program = GetModuleHandleW(nullptr);
    const std::wstring name = className(design);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(program, name.c_str(), &windowClass))
        return;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = program;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = Resources::icon(design.icon, GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = Resources::icon(design.icon, GetSystemMetrics(SM_CXSMICON));
    // The class keeps its brush for as long as the program runs.
    windowClass.hbrBackground = design.background == forms::SystemButtonFace
                                    ? GetSysColorBrush(COLOR_BTNFACE)
                                    : CreateSolidBrush(colorRef(design.background));
    windowClass.lpszClassName = name.c_str();
    RegisterClassExW(&windowClass);
}

} // namespace

FormWindow::FormWindow(const forms::Window& design, forms::Dialogs& dialogs)
    : design_(design), dialogs_(dialogs)
{
}

FormWindow::~FormWindow()
{
    destroy();
}

void FormWindow::create(DWORD extraExStyle, HWND over)
{
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = (design_.toolWindow ? WS_EX_TOOLWINDOW : WS_EX_APPWINDOW) | extraExStyle;
    registerClass(design_, windowProc);
    const SIZE size =
        Dpi::windowSize(design_.clientWidth, design_.clientHeight, style, exStyle, Dpi::ofSystem());
    const std::wstring caption = WideText::toWide(std::u16string(design_.caption));
    CreateWindowExW(exStyle, className(design_).c_str(), caption.c_str(), style, CW_USEDEFAULT,
                    CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, GetModuleHandleW(nullptr),
                    this);
    if (!window_)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "cannot create the window " + std::string(design_.name));
    // The window was sized for the system's resolution; on another screen it has its own.
    const UINT dpi = Dpi::ofWindow(window_);
    controls_ = std::make_unique<FormControls>(window_, design_, dpi);
    if (dpi != Dpi::ofSystem())
        layOut(dpi);
    if (over || !design_.toolWindow)
        centre(over);
}

void FormWindow::destroy()
{
    if (window_)
        DestroyWindow(window_);
}

const forms::Control* FormWindow::controlAt(POINT point) const
{
    return controls_ ? controls_->find(ChildWindowFromPointEx(window_, point, CWP_ALL)) : nullptr;
}

void FormWindow::layOut(UINT dpi)
{
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
    const SIZE size =
        Dpi::windowSize(design_.clientWidth, design_.clientHeight, style, exStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    controls_->layOut(dpi);
}

// Kept on the screen of what it is centred on, whole where it fits.
void FormWindow::centre(HWND over)
{
    RECT frame{};
    GetWindowRect(window_, &frame);
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    GetMonitorInfoW(MonitorFromWindow(over ? over : window_, MONITOR_DEFAULTTOPRIMARY), &screen);
    const RECT& work = screen.rcWork;
    RECT around = work;
    if (over)
        GetWindowRect(over, &around);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left =
        std::max(work.left, std::min(work.right - width, (around.left + around.right - width) / 2));
    const int top = std::max(
        work.top, std::min(work.bottom - height, (around.top + around.bottom - height) / 2));
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT FormWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (controls_) {
            if (const auto* control = controls_->find(reinterpret_cast<HWND>(lParam)))
                onCommand(*control, HIWORD(wParam));
        }
        return 0;
    case WM_DRAWITEM:
        if (controls_)
            controls_->draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (controls_) {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, controls_->textColor());
            SetBkColor(dc, controls_->backgroundColor());
            return reinterpret_cast<LRESULT>(controls_->background());
        }
        break;
    case WM_DPICHANGED: {
        if (controls_)
            layOut(HIWORD(wParam));
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    // The box that tells a failure is owned by the window, which every form's view is.
    forms::guarded(self->dialogs_, dynamic_cast<forms::View*>(self),
                   [&] { result = self->onMessage(message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
    }
    return result;
}

} // namespace ui::win32
