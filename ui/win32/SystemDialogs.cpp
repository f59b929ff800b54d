#include "Dialogs.h"

#include "OpenDialog.h"
#include "platform/win/BrowseForFolder.h"
#include "text/WideText.h"

#include <cstdint>

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
    auto folder =
        platform::FolderBrowser::BrowseForFolder(reinterpret_cast<std::uintptr_t>(owner), prompt);
    if (folder.empty())
        return std::nullopt;
    return folder;
}

} // namespace ui::win32
