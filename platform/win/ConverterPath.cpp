#include "ConverterPath.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <string_view>

namespace platform::ConverterPath {
namespace {

constexpr std::wstring_view NoCurrentFolder = L"NoDefaultCurrentDirectoryInExePath";

bool sameName(std::wstring_view a, std::wstring_view b)
{
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The name of an entry "NAME=VALUE"; the system's own entries for the drives' current folders
// start with "=", which is part of their names.
std::wstring_view nameOf(std::wstring_view entry)
{
    return entry.substr(0, entry.find(L'=', 1));
}

std::wstring variable(const wchar_t* name)
{
    std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
    return value;
}

bool isSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

std::size_t lastSeparator(const std::wstring& path)
{
    return path.find_last_of(L"\\/");
}

} // namespace

bool isAbsolute(std::wstring_view folder)
{
    if (folder.size() >= 2 && isSeparator(folder[0]) && isSeparator(folder[1]))
        return true;
    return folder.size() >= 3 && iswalpha(folder[0]) && folder[1] == L':' && isSeparator(folder[2]);
}

std::wstring folderOf(const std::wstring& file)
{
    const std::size_t separator = lastSeparator(file);
    if (separator == std::wstring::npos)
        return {};
    // "C:\file" lies in "C:\", not in "C:", which is the drive's current folder.
    const bool root = separator == 2 && file[1] == L':';
    return file.substr(0, root ? separator + 1 : separator);
}

std::wstring fileNameOf(const std::wstring& path)
{
    const std::size_t separator = lastSeparator(path);
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

std::wstring join(const std::wstring& folder, const std::wstring& name)
{
    if (folder.empty() || isSeparator(folder.back()))
        return folder + name;
    return folder + L'\\' + name;
}

std::wstring programFile()
{
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

std::vector<std::wstring> searchFolders(const std::wstring& programFolder, const std::wstring& path)
{
    std::vector<std::wstring> folders{programFolder};
    // A folder in quotes may hold the separator.
    std::wstring folder;
    bool quoted = false;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && path[i] == L'"')
            quoted = !quoted;
        else if (i < path.size() && (quoted || path[i] != L';'))
            folder += path[i];
        else {
            if (isAbsolute(folder))
                folders.push_back(folder);
            folder.clear();
        }
    }
    return folders;
}

std::wstring consoleEnvironment(const wchar_t* environment, const std::wstring& programFolder)
{
    std::wstring path;
    std::vector<std::wstring> entries;
    for (const wchar_t* entry = environment; *entry; entry += std::wcslen(entry) + 1) {
        const std::wstring_view text(entry);
        const auto name = nameOf(text);
        if (sameName(name, L"PATH"))
            path = text.substr(std::min(name.size() + 1, text.size()));
        else if (!sameName(name, NoCurrentFolder))
            entries.emplace_back(text);
    }
    // cmd.exe reads a folder in quotes whole, whatever it holds.
    const std::wstring front = programFolder.find(L';') == std::wstring::npos
                                   ? programFolder
                                   : L"\"" + programFolder + L"\"";
    entries.push_back(L"PATH=" + front + (path.empty() ? L"" : L";" + path));
    entries.push_back(std::wstring(NoCurrentFolder) + L"=1");
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        const auto x = nameOf(a);
        const auto y = nameOf(b);
        return CompareStringOrdinal(x.data(), static_cast<int>(x.size()), y.data(),
                                    static_cast<int>(y.size()), TRUE) == CSTR_LESS_THAN;
    });
    std::wstring block;
    for (const auto& entry : entries)
        block.append(entry).push_back(L'\0');
    block.push_back(L'\0');
    return block;
}

std::optional<std::wstring> find(const std::wstring& programFolder)
{
    for (const auto& folder : searchFolders(programFolder, variable(L"PATH"))) {
        const auto converter = join(folder, Name);
        const DWORD attributes = GetFileAttributesW(converter.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return converter;
    }
    return std::nullopt;
}

} // namespace platform::ConverterPath
