#include "ClickArea.h"

#include <commctrl.h>

namespace ui::win32::ClickArea {
namespace {

LRESULT CALLBACK subclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // Held by the capture, the release comes here wherever the pointer is then.
        SetCapture(control);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == control) {
            ReleaseCapture();
            RECT inside{};
            GetClientRect(control, &inside);
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&inside, at)) {
                // The click may close the window: nothing here runs after it.
                SendMessageW(GetParent(control), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(control), STN_CLICKED),
                             reinterpret_cast<LPARAM>(control));
            }
        }
        return 0;
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, subclassProc, 0);
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

void attach(HWND control)
{
    SetWindowSubclass(control, subclassProc, 0, 0);
}

} // namespace ui::win32::ClickArea
