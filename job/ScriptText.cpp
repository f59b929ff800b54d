#include "ScriptText.h"

namespace ScriptText {
namespace {

using job::ScriptDialect;

constexpr std::u16string_view WindowsConverter = u"ffmpeg.exe";

bool isControl(char16_t c)
{
    return c < 0x20 || c == 0x7f;
}

// Inside double quotes cmd.exe takes every character literally but "%", which starts a
// variable even there. The converter then splits its command line by the C runtime's rules,
// where backslashes before a closing quote escape it, so a trailing run is doubled.
std::u16string quotedForCmd(std::u16string_view path)
{
    std::u16string quoted = u"\"";
    for (char16_t c : path) {
        quoted += c;
        if (c == u'%')
            quoted += u'%';
    }
    const auto keep = path.find_last_not_of(u'\\');
    const auto trailing = keep == std::u16string_view::npos ? path.size() : path.size() - keep - 1;
    quoted.append(trailing, u'\\');
    return quoted + u'"';
}

// Inside single quotes the shell takes every character literally; a quote itself closes the
// quoted text, is written escaped, and opens it again.
std::u16string quotedForSh(std::u16string_view path)
{
    std::u16string quoted = u"'";
    for (char16_t c : path) {
        if (c == u'\'')
            quoted += u"'\\''";
        else
            quoted += c;
    }
    return quoted + u'\'';
}

} // namespace

std::optional<char16_t> unsafeCharacter(ScriptDialect dialect, std::u16string_view path)
{
    for (char16_t c : path) {
        if (isControl(c) || (dialect == ScriptDialect::Windows && c == u'"'))
            return c;
    }
    return std::nullopt;
}

std::u16string compose(ScriptDialect dialect, std::u16string_view source,
                       std::u16string_view output, bool swfOutput)
{
    const std::u16string resample = swfOutput ? u" -ar 44100" : u"";
    if (dialect == ScriptDialect::Windows) {
        // Only a converter that succeeded clears the console; a failure stays readable above
        // the key prompt. The two tests together mean "exit code 0", negative codes included.
        // cmd.exe reads its script again for every line, so the copy a console runs can go only
        // at its end: the last line deletes it, and EXIT, parsed with it, ends the console
        // before it would read the missing file.
        return u"@ECHO OFF\r\n" + std::u16string(WindowsConverter) + u" -i " +
               quotedForCmd(source) + resample + u" " + quotedForCmd(output) +
               u"\r\n"
               u"if not errorlevel 1 if errorlevel 0 cls\r\n"
               u"PAUSE\r\n"
               u"del \"%~f0\" & EXIT\r\n";
    }
    // The shell runs a copy of its own, which it removes as soon as it has it open: only this
    // console needs it, and a terminal that hands its command to a server opens it at a
    // moment the program cannot see. What the script needs besides the converter is a shell
    // built-in or named by its whole path: a PATH that holds only the converter's folder must
    // still clear, wait for the key and remove the copy.
    return u"#!/bin/sh\n"
           u"/bin/rm -f -- \"$0\"\n"
           u"ffmpeg -i " +
           quotedForSh(source) + resample + u" " + quotedForSh(output) +
           u"\n"
           u"[ $? -ne 0 ] || printf '\\033[H\\033[2J'\n"
           u"printf 'Press any key to continue . . . '; t=$(/bin/stty -g 2>/dev/null); "
           u"/bin/stty -icanon -echo min 1 time 0 2>/dev/null; /bin/dd bs=1 count=1 >/dev/null "
           u"2>&1; [ -z \"$t\" ] || /bin/stty \"$t\"\n"
           u"exit\n";
}

std::u16string namingConverter(std::u16string_view script, std::u16string_view converter)
{
    std::u16string named(script);
    const auto line = named.find(u"\r\n" + std::u16string(WindowsConverter) + u" -i ");
    if (line != std::u16string::npos)
        named.replace(line + 2, WindowsConverter.size(), quotedForCmd(converter));
    return named;
}

} // namespace ScriptText
