#pragma once

#include "ScriptHost.h"

#include <string>
#include <string_view>

// Text functions on file paths; they never touch the file system. Each knows the path rules of
// the system whose dialect it is given.
namespace modPath {

using job::ScriptDialect;

// The separator the program writes behind a folder.
char16_t Separator(ScriptDialect dialect);

// Whether the character ends a folder: on Windows both slashes, and a drive's colon, which ends
// the drive's current folder and to which a separator would give another meaning; on POSIX the
// slash.
bool EndsFolder(char16_t c, ScriptDialect dialect);

// The folder with a separator behind it, unless it ends a folder already (a drive's root) or
// is empty.
std::u16string WithSeparator(std::u16string folder, ScriptDialect dialect);

// The name in the folder, with one separator between them.
std::u16string Join(std::u16string folder, std::u16string_view name, ScriptDialect dialect);

// Whether the path means the same whatever folder is current: on Windows one from a drive's
// root ("C:\", "C:/") or a share ("\\server\share"), not "\folder" or "C:folder", which
// hang on the current drive or its current folder; on POSIX one from the root.
bool IsAbsolute(std::u16string_view path, ScriptDialect dialect);

// The blank-trimmed path up to and including its last folder end, or the empty text when it
// holds none.
std::u16string FolderPart(std::u16string_view path, ScriptDialect dialect);

// The path behind its folder part. Trailing blanks stay; leading blanks are skipped when there
// is a folder part, and a path with no folder end comes back whole.
std::u16string FileNamePart(std::u16string_view path, ScriptDialect dialect);

// Whether the two texts spell one path: on Windows, ASCII letters match in either case.
bool SamePathText(std::u16string_view a, std::u16string_view b, ScriptDialect dialect);

// The extension of the path's file name from its last dot, or the empty text when the name has
// no dot but its first character.
std::u16string ExtensionPart(std::u16string_view path, ScriptDialect dialect);

} // namespace modPath
