#include "forms/Guarded.h"
#include "job/ScriptHost.h"
#include "platform/Platform.h"
#include "ui/win32/common/SystemDialogs.h"
#include "ui/win32/main/frmAutoPilot.h"

#include <windows.h>

#include <commctrl.h>

namespace {

int run(forms::Dialogs& dialogs, const wchar_t* arguments, int showCommand)
{
    const auto host = platform::createScriptHost();
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

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    ui::win32::SystemDialogs dialogs;
    // Only a window that could not be made fails here (the window procedures guard their own):
    // the user is told why, rather than the program vanishing.
    int status = 1;
    forms::guarded(dialogs, nullptr, [&] { status = run(dialogs, arguments, showCommand); });
    return status;
}
