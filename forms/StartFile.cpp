#include "StartFile.h"

#include "job/ScriptHost.h"
#include "job/modPath.h"

#include <algorithm>
#include <optional>
#include <string>

namespace forms::StartFile {
namespace {

using job::ScriptDialect;

bool isLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

char16_t lower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool sameLetters(std::u16string_view a, std::u16string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (lower(c) >= u'a' && lower(c) <= u'f')
        return lower(c) - u'a' + 10;
    return -1;
}

void appendUtf8(std::string& bytes, char32_t c)
{
    if (c < 0x80) {
        bytes += static_cast<char>(c);
    } else if (c < 0x800) {
        bytes += static_cast<char>(0xc0 | (c >> 6));
        bytes += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        bytes += static_cast<char>(0xe0 | (c >> 12));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        bytes += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        bytes += static_cast<char>(0xf0 | (c >> 18));
        bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        bytes += static_cast<char>(0x80 | (c & 0x3f));
    }
}

// The text of UTF-8 bytes; nothing when they are not valid UTF-8. The standard library's
// converters are deprecated, and the system's own read an address's escapes in the code page.
std::optional<std::u16string> fromUtf8(const std::string& bytes)
{
    std::u16string text;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xc2 ? 0
                                   : lead < 0xe0 ? 2
                                   : lead < 0xf0 ? 3
                                   : lead < 0xf5 ? 4
                                                 : 0;
        if (length == 0 || at + length > bytes.size())
            return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0x7f >> length);
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(bytes[at + i]);
            if ((next & 0xc0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3f);
        }
        // Overlong forms, surrogates and what lies beyond Unicode spell no character.
        constexpr char32_t Least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < Least[length] || (c >= 0xd800 && c <= 0xdfff) || c > 0x10ffff)
            return std::nullopt;
        if (c >= 0x10000) {
            text += static_cast<char16_t>(0xd800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xdc00 + ((c - 0x10000) & 0x3ff));
        } else {
            text += static_cast<char16_t>(c);
        }
        at += length;
    }
    return text;
}

struct Local {
    std::u16string path;
    std::u16string refusal;
};

// The local path a "file:" address names. Its escapes are UTF-8, as file managers write them
// on every system.
Local fromAddress(const std::u16string& address, ScriptDialect dialect)
{
    const auto notLocal = [&](std::u16string_view why) {
        return Local{{},
                     u"The source MUST be a file on this computer, and " + address + u" is not" +
                         std::u16string(why) + u"."};
    };
    const auto colon = address.find(u':');
    if (!sameLetters(std::u16string_view(address).substr(0, colon), u"file"))
        return notLocal({});
    std::u16string_view rest = std::u16string_view(address).substr(colon + 1);
    rest = rest.substr(0, std::min(rest.find_first_of(u"?#"), rest.size()));
    if (rest.starts_with(u"//")) {
        const auto slash = std::min(rest.find(u'/', 2), rest.size());
        const auto host = rest.substr(2, slash - 2);
        if (!host.empty() && !sameLetters(host, u"localhost"))
            return notLocal(u": it is on another computer");
        rest = rest.substr(slash);
    }
    if (!rest.starts_with(u'/'))
        return notLocal({});

    std::string bytes;
    for (std::size_t at = 0; at < rest.size(); ++at) {
        const int high = at + 2 < rest.size() && rest[at] == u'%' ? hexValue(rest[at + 1]) : -1;
        const int low = high < 0 ? -1 : hexValue(rest[at + 2]);
        if (low < 0) {
            char32_t c = rest[at];
            // A letter beyond the first 65536 comes as a pair of halves.
            if (c >= 0xd800 && c < 0xdc00 && at + 1 < rest.size() && rest[at + 1] >= 0xdc00 &&
                rest[at + 1] < 0xe000)
                c = 0x10000 + ((c - 0xd800) << 10) + (rest[++at] - 0xdc00);
            appendUtf8(bytes, c);
            continue;
        }
        const auto byte = static_cast<unsigned char>(high * 16 + low);
        // The system would end the name at an escaped NUL, and a control character is no part
        // of a name the script can carry.
        if (byte < 0x20 || byte == 0x7f)
            return notLocal(u": it holds an escaped control character");
        bytes += static_cast<char>(byte);
        at += 2;
    }
    auto path = fromUtf8(bytes);
    if (!path)
        return Local{{}, address + u" was not taken: its escapes are not valid UTF-8 text."};
    if (dialect == ScriptDialect::Windows) {
        // "/C:/clips/a.avi" names "C:\clips\a.avi"; a share's path would name another computer's.
        if (path->size() >= 3 && isLetter((*path)[1]) && (*path)[2] == u':')
            path->erase(0, 1);
        if (path->size() >= 2 && (*path)[1] == u'/')
            return notLocal(u": it is on another computer");
    }
    return Local{*path, {}};
}

} // namespace

bool isAddress(std::u16string_view text)
{
    const auto colon = text.find(u':');
    if (colon == std::u16string_view::npos || colon < 2 || !isLetter(text.front()))
        return false;
    return std::all_of(text.begin(), text.begin() + colon, [](char16_t c) {
        return isLetter(c) || (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
    });
}

Taken take(const std::vector<Given>& files, const job::ScriptHost& host)
{
    if (files.empty())
        return {};
    Taken taken;
    const Given& first = files.front();
    if (!first.exact) {
        taken.message = misread(first.text);
    } else if (isAddress(first.text)) {
        auto local = fromAddress(first.text, host.dialect());
        taken.path = std::move(local.path);
        taken.message = std::move(local.refusal);
    } else {
        taken.path = first.text;
    }
    if (!taken.path.empty()) {
        // As the Open dialog gives a path: Windows reads either slash alike.
        if (host.dialect() == ScriptDialect::Windows)
            std::replace(taken.path.begin(), taken.path.end(), u'/', u'\\');
        if (auto failure = host.absolute(taken.path)) {
            taken.path.clear();
            taken.message = std::move(*failure);
        }
    }
    if (files.size() > 1) {
        const auto others = std::to_string(files.size() - 1);
        taken.message += (taken.message.empty() ? u"" : u" ") +
                         std::u16string(u"One video at a time: the other ") +
                         std::u16string(others.begin(), others.end()) +
                         (files.size() > 2 ? u" files given were" : u" file given was") +
                         u" left out.";
    }
    return taken;
}

std::u16string misread(const std::u16string& shown)
{
    return shown + u" was not taken: its name is not valid UTF-8 text, so the converter would "
                   u"be given another name. Rename the file, then choose it again.";
}

} // namespace forms::StartFile
