// The least any Windows window with text costs: a bare Win32 window of the main window's client
// size showing one line of static text. Built twice: bare, and with the program's manifest and
// icon (FLOOR_WITH_ICON), which bring the common controls' newer library and the icon loading
// that every start of the program pays for too.
#include <windows.h>

#include <utility>

namespace {

LRESULT CALLBACK floorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = floorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"FloorWindow";
#ifdef FLOOR_WITH_ICON
    const wchar_t* const title = L"Icon floor";
    for (auto [icon, metric] :
         {std::pair{&windowClass.hIcon, SM_CXICON}, std::pair{&windowClass.hIconSm, SM_CXSMICON}}) {
        const int size = GetSystemMetrics(metric);
        *icon = static_cast<HICON>(
            LoadImageW(instance, L"VARNELO.ICO", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    }
#else
    const wchar_t* const title = L"Floor window";
#endif
    RegisterClassExW(&windowClass);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, 423, 266};
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowW(L"FloorWindow", title, style, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);
    CreateWindowW(L"STATIC", L"File to perform conversion to:", WS_CHILD | WS_VISIBLE, 8, 24, 305,
                  17, window, nullptr, instance, nullptr);
    ShowWindow(window, show);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
