#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Where a console looks for the converter that the script names bare: beside the program, then
// on PATH, never in a folder that happens to be current.
namespace platform::ConverterPath {

inline constexpr wchar_t Name[] = L"ffmpeg.exe";

// The program's own file, as the system started it.
std::filesystem::path programFile();

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
std::optional<std::filesystem::path> find(const std::wstring& programFolder);

} // namespace platform::ConverterPath
