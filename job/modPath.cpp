#include "modPath.h"

#include <algorithm>
#include <utility>

namespace modPath {
namespace {

std::u16string_view trimBlanks(std::u16string_view text)
{
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    const auto last = text.find_last_not_of(u' ');
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

} // namespace

char16_t Separator(ScriptDialect dialect)
{
    return dialect == ScriptDialect::Windows ? u'\\' : u'/';
}

bool EndsFolder(char16_t c, ScriptDialect dialect)
{
    return folderEnds(dialect).find(c) != std::u16string_view::npos;
}

std::u16string WithSeparator(std::u16string folder, ScriptDialect dialect)
{
    if (!folder.empty() && !EndsFolder(folder.back(), dialect))
        folder += Separator(dialect);
    return folder;
}

std::u16string Join(std::u16string folder, std::u16string_view name, ScriptDialect dialect)
{
    return WithSeparator(std::move(folder), dialect).append(name);
}

bool IsAbsolute(std::u16string_view path, ScriptDialect dialect)
{
    const auto separator = [path, dialect](std::size_t at) {
        return at < path.size() && path[at] != u':' && EndsFolder(path[at], dialect);
    };
    if (dialect == ScriptDialect::Posix)
        return separator(0);
    const bool drive =
        path.size() >= 2 && path[1] == u':' &&
        ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z'));
    return (separator(0) && separator(1)) || (drive && separator(2));
}

std::u16string FolderPart(std::u16string_view path, ScriptDialect dialect)
{
    const auto trimmed = trimBlanks(path);
    const auto last = trimmed.find_last_of(folderEnds(dialect));
    if (last == std::u16string_view::npos)
        return {};
    return std::u16string(trimmed.substr(0, last + 1));
}

std::u16string FileNamePart(std::u16string_view path, ScriptDialect dialect)
{
    const auto folder = FolderPart(path, dialect);
    if (folder.empty())
        return std::u16string(path);
    // The folder part was taken from the trimmed path, so the cut starts behind the leading
    // blanks; cutting from the untrimmed start would leave the folder's last characters behind.
    const auto leadingBlanks = path.find_first_not_of(u' ');
    return std::u16string(path.substr(leadingBlanks + folder.size()));
}

bool SamePathText(std::u16string_view a, std::u16string_view b, ScriptDialect dialect)
{
    if (dialect == ScriptDialect::Posix)
        return a == b;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return foldAsciiCase(x) == foldAsciiCase(y); });
}

std::u16string ExtensionPart(std::u16string_view path, ScriptDialect dialect)
{
    const auto name = FileNamePart(path, dialect);
    // A name's leading dot belongs to the name: ".hidden" has no extension.
    const auto dot = name.rfind(u'.');
    if (dot == std::u16string::npos || dot == 0)
        return {};
    return name.substr(dot);
}

} // namespace modPath
