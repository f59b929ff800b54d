#include "Dpi.h"

namespace ui::win32::Dpi {
namespace {

// Newer systems only have these; the program runs on older ones too.
template <typename Function> Function user32(const char* name)
{
    const FARPROC address = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForSystemFunction = UINT(WINAPI*)();
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

} // namespace

UINT ofSystem()
{
    static const auto getDpiForSystem = user32<GetDpiForSystemFunction>("GetDpiForSystem");
    if (getDpiForSystem)
        return getDpiForSystem();
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : Designed;
}

UINT ofWindow(HWND window)
{
    static const auto getDpiForWindow = user32<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window))
            return dpi;
    }
    return ofSystem();
}

int scale(int pixels, UINT dpi)
{
    return pixels * static_cast<int>(dpi) / static_cast<int>(Designed);
}

RECT scale(const forms::Box& box, UINT dpi)
{
    const int left = scale(box.left, dpi);
    const int top = scale(box.top, dpi);
    return {left, top, left + scale(box.width, dpi), top + scale(box.height, dpi)};
}

SIZE windowSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi)
{
    static const auto adjustForDpi =
        user32<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, scale(clientWidth, dpi), scale(clientHeight, dpi)};
    if (adjustForDpi)
        adjustForDpi(&frame, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace ui::win32::Dpi
