#pragma once

#include <optional>
#include <string>
#include <vector>

// Where a console looks for the converter that the script names bare: beside the program, then
// in the absolute folders of PATH, and nowhere else.
namespace platform::ConverterPath {

inline constexpr wchar_t Name[] = L"ffmpeg.exe";

// Paths are handled as text: the standard library's path type would bring its locales and
// character conversions into the program, a third of its size.

// The program's own file, as the system started it.
std::wstring programFile();

// The folder of the program's own file, with its separator behind it.
std::wstring programFolder();

// The folders a console searches, in order: the program's own, then the absolute folders of
// the PATH text. A relative one would be taken from whatever folder is current.
std::vector<std::wstring> searchFolders(const std::wstring& programFolder,
                                        const std::wstring& path);

// The environment block a console starts with: the given one, sorted as the system keeps it,
// with a PATH of the folders the console searches and the current folder taken out of the
// search for programs.
std::wstring consoleEnvironment(const wchar_t* environment, const std::wstring& programFolder);

// The converter a console started now would run, or nothing.
std::optional<std::wstring> find(const std::wstring& programFolder);

} // namespace platform::ConverterPath
