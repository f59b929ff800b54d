#include "OpenDialog.h"

#include "text/WideText.h"

#include <cderr.h>
#include <commdlg.h>
#include <objbase.h>

#include <algorithm>
#include <vector>

namespace ui::win32::OpenDialog {

std::wstring filter(const std::u16string& filter)
{
    std::wstring text = WideText::toWide(filter);
    std::replace(text.begin(), text.end(), L'|', L'\0');
    // The string's own terminator is the second NUL.
    text.push_back(L'\0');
    return text;
}

namespace {

bool ask(HWND owner, forms::CommonDialog& dlg)
{
    const std::wstring filterText = filter(dlg.Filter);
    const std::wstring title = WideText::toWide(dlg.DialogTitle);
    const std::wstring last = WideText::toWide(dlg.FileName);
    // As long as the longest path the system knows.
    std::vector<wchar_t> file(std::max<std::size_t>(32768, last.size() + 1), L'\0');
    for (;;) {
        std::copy(last.begin(), last.end(), file.begin());
        OPENFILENAMEW open{};
        open.lStructSize = sizeof open;
        open.hwndOwner = owner;
        open.lpstrFilter = filterText.c_str();
        open.lpstrFile = file.data();
        open.nMaxFile = static_cast<DWORD>(file.size());
        open.lpstrTitle = title.c_str();
        // The program's current folder stays where it started, whatever folder the user opens.
        open.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
        if (GetOpenFileNameW(&open)) {
            dlg.FileName = WideText::fromWide(file.data());
            return true;
        }
        if (CommDlgExtendedError() != FNERR_BUFFERTOOSMALL)
            return false;
        // The buffer's first character holds the length the chosen path needs: ask again with
        // room for it.
        file.assign(std::max<std::size_t>(file[0], file.size() * 2), L'\0');
    }
}

} // namespace

bool show(HWND owner, forms::CommonDialog& dlg)
{
    // The shell's view in the dialog wants COM on this thread; a thread that has it keeps it.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool chosen = ask(owner, dlg);
    if (SUCCEEDED(com))
        CoUninitialize();
    return chosen;
}

} // namespace ui::win32::OpenDialog
