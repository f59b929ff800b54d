#pragma once

#include <string>
#include <string_view>
#include <vector>

// Only referred to here: a change to the host recompiles no window.
namespace job {
class ScriptHost;
} // namespace job

// The one rule for the files the program is given, on its command line or dropped on its
// window: one video at a time, the first, as a whole local path; addresses and names the
// program cannot carry exactly are refused, naming why.
namespace forms::StartFile {

// A file as the system names it to the program.
struct Given {
    std::u16string text;
    // False when the system's name has no exact text (on POSIX, bytes that are not valid
    // UTF-8); the text then only shows it.
    bool exact = true;
};

// What became of the files given.
struct Taken {
    // The first file as a whole local path; empty when it was refused.
    std::u16string path;
    // Why the first was refused, or that the others were left out; empty for nothing to say.
    std::u16string message;
};

// Whether the text is an address such as "http://..." rather than a path: a scheme of two
// characters or more before a colon, so that a drive letter is not one.
bool isAddress(std::u16string_view text);

// The first of the files as a whole local path, read as the host reads paths.
Taken take(const std::vector<Given>& files, const job::ScriptHost& host);

// The message that says a name is not taken because its text would name another file.
std::u16string misread(const std::u16string& shown);

} // namespace forms::StartFile
