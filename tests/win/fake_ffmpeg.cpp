// Stands in for the converter in the Windows tests: appends the arguments it received, as the
// converter itself would split them from its command line, to the file FAKE_RECORD names, one
// run a line, then waits FAKE_DELAY milliseconds and exits with FAKE_STATUS. FAKE_ARGUMENTS
// names a file that gets them exactly, whatever they hold: their count, then each argument,
// every one ended by a NUL byte.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::wstring variable(const wchar_t* name)
{
    wchar_t value[32768] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 32768);
    return std::wstring(value, length);
}

std::string utf8(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

} // namespace

int main()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string line;
    std::string exact = std::to_string(count - 1) + '\0';
    for (int i = 1; i < count; ++i) {
        line += "[" + utf8(arguments[i]) + "]";
        exact += utf8(arguments[i]) + '\0';
    }
    LocalFree(arguments);
    if (FILE* record = _wfopen(variable(L"FAKE_ARGUMENTS").c_str(), L"ab")) {
        std::fwrite(exact.data(), 1, exact.size(), record);
        std::fclose(record);
    }

    Sleep(static_cast<DWORD>(std::wcstoul(variable(L"FAKE_DELAY").c_str(), nullptr, 10)));
    if (FILE* record = _wfopen(variable(L"FAKE_RECORD").c_str(), L"ab")) {
        std::fputs((line + "\n").c_str(), record);
        std::fclose(record);
    }
    return static_cast<int>(std::wcstol(variable(L"FAKE_STATUS").c_str(), nullptr, 10));
}
