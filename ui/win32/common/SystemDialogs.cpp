#include "Dialogs.h"

#include "BrowseForFolder.h"
#include "OpenDialog.h"
#include "text/WideText.h"

#include <shellapi.h>

namespace ui::win32 {

void SystemDialogs::showMessage(HWND owner, const std::u16string& text)
{
    MessageBoxW(owner, WideText::toWide(text).c_str(), L"Varnelo", MB_OK);
}

bool SystemDialogs::showOpen(HWND owner, forms::CommonDialog& dlg)
{
    return OpenDialog::show(owner, dlg);
}

std::optional<std::u16string> SystemDialogs::browseForFolder(HWND owner,
                                                             const std::u16string& prompt)
{
    auto folder = BrowseForFolder(owner, prompt);
    if (folder.empty())
        return std::nullopt;
    return folder;
}

void SystemDialogs::openUrl(const std::u16string& address)
{
    ShellExecuteW(nullptr, nullptr, WideText::toWide(address).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

} // namespace ui::win32
