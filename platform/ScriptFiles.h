#pragma once

#include "job/modPath.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// The file operations on the work folder's scripts, one implementation per system. None of them
// follows a link or writes into a file it did not create.
namespace platform::ScriptFiles {

// A path in the system's own characters, as the standard library's path holds it. The path
// type itself is not used: its code on Windows brings the library's locales and character
// conversions into the program, a third of its size.
using Path = std::filesystem::path::string_type;

// The path rules of the system's own paths.
extern const job::ScriptDialect Dialect;

// A path as text, for messages and for the consoles that run the scripts.
std::u16string text(const Path& path);

// What went wrong, as the system words it.
std::u16string describe(std::error_code error);

// The whole of a regular file; a link, a folder or a device is refused.
std::error_code read(const Path& file, std::string& bytes);

// Makes the file, which must not exist in any form, readable and writable by the user alone,
// and writes the bytes through to the disk. On any failure the file is gone again.
std::error_code create(const Path& file, std::string_view bytes);

// Gives the file another name, replacing whatever has that name: a link is replaced, not
// followed.
std::error_code rename(const Path& from, const Path& to);

// Deletes the file; a link is deleted itself, its target stays.
std::error_code remove(const Path& file);

// Deletes the folder when it is an empty folder: not a file, not a link.
std::error_code removeFolder(const Path& folder);

// The names of what the folder holds, "." and ".." left out.
std::vector<Path> names(const Path& folder, std::error_code& error);

} // namespace platform::ScriptFiles
