#include "BrowseForFolder.h"

#include "text/WideText.h"

#include <algorithm>
#include <new>

namespace platform::FolderBrowser {

BROWSEINFOA browseInfo(HWND owner, LPCSTR title)
{
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    return info;
}

std::u16string pathFromBuffer(const char* buffer, std::size_t size)
{
    const char* end = std::find(buffer, buffer + size, '\0');
    return WideText::fromCodePage(std::string(buffer, end), CP_ACP);
}

std::u16string BrowseForFolder(std::uintptr_t lngHwnd, const std::u16string& strPrompt)
{
    try {
        // The shell's browser needs COM on this thread; a thread that has it already keeps it.
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        std::string prompt = WideText::toCodePage(strPrompt, CP_ACP).value_or(std::string());
        // The title must live until the browser returns: it points into prompt.
        auto record = browseInfo(reinterpret_cast<HWND>(lngHwnd), lstrcatA(prompt.data(), ""));
        std::u16string path;
        if (LPITEMIDLIST list = SHBrowseForFolderA(&record)) {
            char buffer[MAX_PATH] = {};
            SHGetPathFromIDListA(list, buffer);
            CoTaskMemFree(list);
            path = pathFromBuffer(buffer, MAX_PATH);
        }
        if (SUCCEEDED(com))
            CoUninitialize();
        return path;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

} // namespace platform::FolderBrowser
