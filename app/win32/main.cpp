#include "forms/Failure.h"
#include "platform/Platform.h"
#include "text/WideText.h"
#include "ui/win32/common/Dialogs.h"
#include "ui/win32/main/frmAutoPilot.h"

#include <windows.h>

#include <commctrl.h>

namespace {

int run(ui::win32::Dialogs& dialogs, const wchar_t* arguments, int showCommand)
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
    // Only a window that could not be made fails here (the window procedures catch their own):
    // the user is told why, rather than the program vanishing.
    try {
        return run(dialogs, arguments, showCommand);
    } catch (...) {
        // In the system's code page, as the window procedures tell theirs.
        const auto detail =
            WideText::fromCodePage(forms::failureDetail(std::current_exception()), CP_ACP);
        dialogs.showMessage(nullptr, forms::failureMessage(detail));
        return 1;
    }
}
