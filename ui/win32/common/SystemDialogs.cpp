#include "SystemDialogs.h"

#include "BrowseForFolder.h"
#include "FormWindow.h"
#include "OpenDialog.h"
#include "text/WideText.h"

#include <shellapi.h>

namespace ui::win32 {
namespace {

HWND window(forms::View* owner)
{
    const auto* form = dynamic_cast<const FormWindow*>(owner);
    return form ? form->handle() : nullptr;
}

} // namespace

void SystemDialogs::showMessage(forms::View* owner, const std::u16string& text)
{
    MessageBoxW(window(owner), WideText::toWide(text).c_str(), L"Varnelo", MB_OK);
}

bool SystemDialogs::showOpen(forms::View* owner, forms::CommonDialog& dlg)
{
    return OpenDialog::show(window(owner), dlg);
}

std::u16string SystemDialogs::BrowseForFolder(forms::View* owner, const std::u16string& prompt)
{
    return win32::BrowseForFolder(window(owner), prompt);
}

void SystemDialogs::openUrl(const std::u16string& address)
{
    ShellExecuteW(nullptr, nullptr, WideText::toWide(address).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

std::u16string SystemDialogs::systemText(const std::string& text)
{
    return WideText::fromCodePage(text, CP_ACP);
}

} // namespace ui::win32
