#pragma once

#include <optional>
#include <string>
#include <vector>

// Where a console looks for the converter that the script names bare: beside the program, then
// on PATH, never in a folder that happens to be current.
namespace platform::ConverterPath {

inline constexpr wchar_t Name[] = L"ffmpeg.exe";

// Paths are handled as text: the standard library's path type would bring its locales and
// character conversions into the program, a third of its size.

// The program's own file, as the system started it.
std::wstring programFile();

// The folder a file is in, its root included when it lies right in one ("C:\").
std::wstring folderOf(const std::wstring& file);

// The part of a path after its last separator.
std::wstring fileNameOf(const std::wstring& path);

// A folder on a drive from its root, or a share: one that means the same in every folder.
bool isAbsolute(std::wstring_view folder);

// The path of a name in a folder, with one separator between them.
std::wstring join(const std::wstring& folder, const std::wstring& name);

// The folders a console searches, in order: the program's own, then the absolute folders of
// the PATH text. A relative one would be taken from the console's working folder, the private
// work folder, which holds nothing but scripts.
std::vector<std::wstring> searchFolders(const std::wstring& programFolder,
                                        const std::wstring& path);

// The environment block a console starts with: the given one, sorted as the system keeps it,
// with the program's folder at the front of PATH and the current folder taken out of the
// search for programs.
std::wstring consoleEnvironment(const wchar_t* environment, const std::wstring& programFolder);

// The converter a console started now would run, or nothing.
std::optional<std::wstring> find(const std::wstring& programFolder);

} // namespace platform::ConverterPath
