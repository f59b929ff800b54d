// Prints the text of each edit field of the window whose title is the first argument, the
// topmost field first, one a line in UTF-8: how the installer's test reads what the installed
// program put in its fields. Exits with 1 while no such window is there.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK collectField(HWND window, LPARAM fields)
{
    wchar_t name[16] = {};
    if (GetClassNameW(window, name, 16) > 0 && lstrcmpiW(name, L"Edit") == 0)
        reinterpret_cast<std::vector<HWND>*>(fields)->push_back(window);
    return TRUE;
}

LONG topOf(HWND window)
{
    RECT box{};
    GetWindowRect(window, &box);
    return box.top;
}

// GetWindowText does not read a control of another process: the message does.
std::string text(HWND field)
{
    std::wstring wide(static_cast<std::size_t>(SendMessageW(field, WM_GETTEXTLENGTH, 0, 0)) + 1,
                      L'\0');
    wide.resize(static_cast<std::size_t>(
        SendMessageW(field, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()))));
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const HWND window = argc == 2 ? FindWindowW(nullptr, argv[1]) : nullptr;
    if (window == nullptr)
        return 1;
    std::vector<HWND> fields;
    EnumChildWindows(window, collectField, reinterpret_cast<LPARAM>(&fields));
    std::stable_sort(fields.begin(), fields.end(),
                     [](HWND a, HWND b) { return topOf(a) < topOf(b); });
    _setmode(_fileno(stdout), _O_BINARY);
    for (const HWND field : fields)
        std::printf("%s\n", text(field).c_str());
    return 0;
}
