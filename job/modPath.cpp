#include "modPath.h"

#include <algorithm>
#include <filesystem>

namespace modPath {
namespace {

template <class Char> constexpr Char Blank = static_cast<Char>(' ');

template <class Char> std::basic_string_view<Char> trimBlanks(std::basic_string_view<Char> text)
{
    const auto first = text.find_first_not_of(Blank<Char>);
    if (first == text.npos)
        return {};
    const auto last = text.find_last_not_of(Blank<Char>);
    return text.substr(first, last - first + 1);
}

char16_t foldAsciiCase(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

std::u16string_view folderEnds(ScriptDialect dialect)
{
    return dialect == ScriptDialect::Windows ? u"\\/:" : u"/";
}

// Compared in the text's own code units, so that no wider unit is cut down to an ASCII one.
template <class Char> bool isFolderEnd(Char c, ScriptDialect dialect)
{
    const auto ends = folderEnds(dialect);
    return std::any_of(ends.begin(), ends.end(),
                       [c](char16_t end) { return c == static_cast<Char>(end); });
}

template <class Char> bool isSeparator(Char c, ScriptDialect dialect)
{
    return c == static_cast<Char>('/') ||
           (dialect == ScriptDialect::Windows && c == static_cast<Char>('\\'));
}

template <class Char> bool isAsciiLetter(Char c)
{
    return (c >= static_cast<Char>('A') && c <= static_cast<Char>('Z')) ||
           (c >= static_cast<Char>('a') && c <= static_cast<Char>('z'));
}

} // namespace

char16_t Separator(ScriptDialect dialect)
{
    return dialect == ScriptDialect::Windows ? u'\\' : u'/';
}

bool EndsFolder(char16_t c, ScriptDialect dialect)
{
    return isFolderEnd(c, dialect);
}

template <PathText String> String WithSeparator(String folder, ScriptDialect dialect)
{
    if (!folder.empty() && !isFolderEnd(folder.back(), dialect))
        folder += static_cast<typename String::value_type>(Separator(dialect));
    return folder;
}

template <PathText String>
String Join(const String& folder, const std::type_identity_t<String>& name, ScriptDialect dialect)
{
    return WithSeparator(folder, dialect) + name;
}

template <PathText String> bool IsAbsolute(const String& path, ScriptDialect dialect)
{
    if (dialect == ScriptDialect::Posix)
        return !path.empty() && isSeparator(path.front(), dialect);
    if (path.size() >= 2 && isSeparator(path[0], dialect) && isSeparator(path[1], dialect))
        return true;
    return path.size() >= 3 && isAsciiLetter(path[0]) &&
           path[1] == static_cast<typename String::value_type>(':') &&
           isSeparator(path[2], dialect);
}

template <PathText String> String FolderPart(const String& path, ScriptDialect dialect)
{
    using Char = typename String::value_type;
    const auto trimmed = trimBlanks(std::basic_string_view<Char>(path));
    for (auto end = trimmed.size(); end > 0; --end) {
        if (isFolderEnd(trimmed[end - 1], dialect))
            return String(trimmed.substr(0, end));
    }
    return {};
}

template <PathText String> String FileNamePart(const String& path, ScriptDialect dialect)
{
    const auto folder = FolderPart(path, dialect);
    if (folder.empty())
        return path;
    // The folder part was taken from the trimmed path, so the cut starts behind the leading
    // blanks; cutting from the untrimmed start would leave the folder's last characters behind.
    const auto leadingBlanks = path.find_first_not_of(Blank<typename String::value_type>);
    return path.substr(leadingBlanks + folder.size());
}

bool SamePathText(std::u16string_view a, std::u16string_view b, ScriptDialect dialect)
{
    if (dialect == ScriptDialect::Posix)
        return a == b;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return foldAsciiCase(x) == foldAsciiCase(y); });
}

template <PathText String> String ExtensionPart(const String& path, ScriptDialect dialect)
{
    const auto name = FileNamePart(path, dialect);
    // A name's leading dot belongs to the name: ".hidden" has no extension.
    const auto dot = name.rfind(static_cast<typename String::value_type>('.'));
    if (dot == String::npos || dot == 0)
        return {};
    return name.substr(dot);
}

// The program's texts, and the system's paths that the platform keeps as they are. Only the
// type is taken from the standard library's path: its code would bring locales and character
// conversions along.
using SystemPath = std::filesystem::path::string_type;
template std::u16string WithSeparator(std::u16string, ScriptDialect);
template std::u16string Join(const std::u16string&, const std::u16string&, ScriptDialect);
template bool IsAbsolute(const std::u16string&, ScriptDialect);
template std::u16string FolderPart(const std::u16string&, ScriptDialect);
template std::u16string FileNamePart(const std::u16string&, ScriptDialect);
template std::u16string ExtensionPart(const std::u16string&, ScriptDialect);
template SystemPath WithSeparator(SystemPath, ScriptDialect);
template SystemPath Join(const SystemPath&, const SystemPath&, ScriptDialect);
template bool IsAbsolute(const SystemPath&, ScriptDialect);
template SystemPath FolderPart(const SystemPath&, ScriptDialect);
template SystemPath FileNamePart(const SystemPath&, ScriptDialect);
template SystemPath ExtensionPart(const SystemPath&, ScriptDialect);

} // namespace modPath
