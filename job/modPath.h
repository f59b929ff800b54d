#pragma once

#include <string>
#include <string_view>

// Text functions on file paths; they never touch the file system.
namespace modPath {

inline constexpr char16_t WindowsSeparator = u'\\';
inline constexpr char16_t PosixSeparator = u'/';

// The blank-trimmed path up to and including its last separator, or the empty text when it
// holds none.
std::u16string FolderPart(std::u16string_view path, char16_t separator);

// The path behind its folder part. Trailing blanks stay; leading blanks are skipped when there
// is a folder part, and a path with no separator comes back whole.
std::u16string FileNamePart(std::u16string_view path, char16_t separator);

} // namespace modPath
