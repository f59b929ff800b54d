#include "ConverterPath.h"

#include "job/modPath.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
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

} // namespace

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

std::wstring programFolder()
{
    return modPath::FolderPart(programFile(), job::ScriptDialect::Windows);
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
            if (modPath::IsAbsolute(folder, job::ScriptDialect::Windows))
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
    // A relative folder would be taken from the console's current folder, where the check
    // never looks; cmd.exe reads a folder in quotes whole, whatever it holds.
    std::wstring folders;
    for (const auto& folder : searchFolders(programFolder, path)) {
        folders += folders.empty() ? L"PATH=" : L";";
        folders += folder.find(L';') == std::wstring::npos ? folder : L"\"" + folder + L"\"";
    }
    entries.push_back(folders);
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
        const auto converter = modPath::Join(folder, Name, job::ScriptDialect::Windows);
        const DWORD attributes = GetFileAttributesW(converter.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return converter;
    }
    return std::nullopt;
}

} // namespace platform::ConverterPath
