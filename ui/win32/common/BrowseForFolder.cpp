#include "BrowseForFolder.h"

#include "text/WideText.h"

#include <shlobj.h>

#include <new>

namespace ui::win32 {

std::u16string BrowseForFolder(HWND lngHwnd, const std::u16string& strPrompt)
{
    try {
        // The title must live until the browser returns.
        const std::wstring title = WideText::toWide(strPrompt);
        wchar_t path[MAX_PATH] = {};
        // The shell's browser needs COM on this thread; a thread that has it already keeps it.
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        BROWSEINFOW record{};
        record.hwndOwner = lngHwnd;
        record.lpszTitle = title.c_str();
        record.ulFlags = BIF_RETURNONLYFSDIRS;
        if (LPITEMIDLIST list = SHBrowseForFolderW(&record)) {
            SHGetPathFromIDListW(list, path);
            CoTaskMemFree(list);
        }
        if (SUCCEEDED(com))
            CoUninitialize();
        return WideText::fromWide(path);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

} // namespace ui::win32
