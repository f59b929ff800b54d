#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// The file operations on the work folder's scripts, one implementation per system. None of them
// follows a link or writes into a file it did not create.
namespace platform::ScriptFiles {

// The whole of a regular file; a link, a folder or a device is refused.
std::error_code read(const std::filesystem::path& file, std::string& bytes);

// Makes the file, which must not exist in any form, readable and writable by the user alone,
// and writes the bytes through to the disk. On any failure the file is gone again.
std::error_code create(const std::filesystem::path& file, std::string_view bytes);

// Gives the file another name, replacing whatever has that name: a link is replaced, not
// followed.
std::error_code rename(const std::filesystem::path& from, const std::filesystem::path& to);

// Deletes the file; a link is deleted itself, its target stays.
std::error_code remove(const std::filesystem::path& file);

// Deletes the folder when it is an empty folder: not a file, not a link.
std::error_code removeFolder(const std::filesystem::path& folder);

// The names of what the folder holds, "." and ".." left out.
std::vector<std::filesystem::path::string_type> names(const std::filesystem::path& folder,
                                                      std::error_code& error);

} // namespace platform::ScriptFiles
