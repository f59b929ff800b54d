#include "modPath.h"

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

} // namespace

std::u16string FolderPart(std::u16string_view path, char16_t separator)
{
    const auto trimmed = trimBlanks(path);
    const auto last = trimmed.rfind(separator);
    if (last == std::u16string_view::npos)
        return {};
    return std::u16string(trimmed.substr(0, last + 1));
}

std::u16string FileNamePart(std::u16string_view path, char16_t separator)
{
    const auto folder = FolderPart(path, separator);
    if (folder.empty())
        return std::u16string(path);
    // The folder part was taken from the trimmed path, so the cut starts behind the leading
    // blanks; cutting from the untrimmed start would leave the folder's last characters behind.
    const auto leadingBlanks = path.find_first_not_of(u' ');
    return std::u16string(path.substr(leadingBlanks + folder.size()));
}

} // namespace modPath
