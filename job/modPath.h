#pragma once

#include "ScriptDialect.h"

#include <concepts>
#include <string>
#include <string_view>
#include <type_traits>

// Text functions on file paths; they never touch the file system. Each knows the path rules of
// the system whose dialect it is given.
namespace modPath {

using job::ScriptDialect;

// The texts the functions on whole paths work on: the program's own, and a path in the system's
// own characters (std::string on POSIX, std::wstring on Windows), as the platform keeps the paths
// it hands to the system unconverted; only the system's kind is compiled. Every character they
// look for is ASCII, a code unit of its own in each.
template <class String>
concept PathText = std::same_as<String, std::u16string> || std::same_as<String, std::string> ||
    std::same_as<String, std::wstring>;

// The separator the program writes behind a folder.
char16_t Separator(ScriptDialect dialect);

// Whether the character ends a folder: on Windows both slashes, and a drive's colon, which ends
// the drive's current folder and to which a separator would give another meaning; on POSIX the
// slash.
bool EndsFolder(char16_t c, ScriptDialect dialect);

// The folder with a separator behind it, unless it ends a folder already (a drive's root) or
// is empty.
template <PathText String> String WithSeparator(String folder, ScriptDialect dialect);

// The path of the name in the folder: the folder as WithSeparator gives it, then the name.
template <PathText String>
String Join(const String& folder, const std::type_identity_t<String>& name, ScriptDialect dialect);

// Whether the path means the same whatever folder is current: on Windows one from a drive's
// root ("C:\", "C:/") or a share ("\\server\share"), not "\folder" or "C:folder", which
// hang on the current drive or its current folder; on POSIX one from the root.
template <PathText String> bool IsAbsolute(const String& path, ScriptDialect dialect);

// The blank-trimmed path up to and including its last folder end, or the empty text when it
// holds none.
template <PathText String> String FolderPart(const String& path, ScriptDialect dialect);

// The path behind its folder part. Trailing blanks stay; leading blanks are skipped when there
// is a folder part, and a path with no folder end comes back whole.
template <PathText String> String FileNamePart(const String& path, ScriptDialect dialect);

// Whether the two texts spell one path: on Windows, ASCII letters match in either case.
bool SamePathText(std::u16string_view a, std::u16string_view b, ScriptDialect dialect);

// The extension of the path's file name from its last dot, or the empty text when the name has
// no dot but its first character.
template <PathText String> String ExtensionPart(const String& path, ScriptDialect dialect);

} // namespace modPath
