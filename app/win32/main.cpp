#include "platform/Platform.h"
#include "ui/win32/common/Dialogs.h"
#include "ui/win32/main/frmAutoPilot.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    const auto host = platform::createScriptHost();
    ui::win32::SystemDialogs dialogs;
    ui::win32::frmAutoPilot window(*host, dialogs);
    window.show(showCommand, arguments);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The dialog manager moves the focus with Tab and the arrows, and presses a focused
        // button with Enter.
        if (IsDialogMessageW(window.handle(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
