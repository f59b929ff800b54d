#pragma once

#include "Error.h"
#include "ScriptDialect.h"

#include <string>

// What the conversion job asks of the system it runs on: where its script is written and how a
// console runs it. The platform layer implements it, one host per system.
namespace job {

// Where the conversion job writes its script and how it runs it.
class ScriptHost {
public:
    virtual ~ScriptHost() = default;

    virtual ScriptDialect dialect() const = 0;

    // Whether both paths name one existing file, however they are spelled.
    virtual bool sameFile(const std::u16string& first, const std::u16string& second) const = 0;

    // Makes the path whole as the program's current folder reads it: a relative one joined to
    // that folder, keeping a folder end it has; any other unchanged. The consoles work in a
    // folder of their own, where a relative path would name another file. Says why, and leaves
    // the path as it was, when the current folder cannot be had exactly.
    virtual Error absolute(std::u16string& path) const = 0;

    // Whether the path names an existing file or folder, or a link to one.
    virtual bool exists(const std::u16string& path) const = 0;

    // Whether the path names an existing folder, or a link to one.
    virtual bool isFolder(const std::u16string& path) const = 0;

    // Why a console would not find the converter, saying where to put it; empty when it would.
    virtual Error checkConverter() const = 0;

    // Creates the work folder when needed and replaces the conversion script with the text.
    virtual Error writeScript(const std::u16string& text) = 0;

    // Starts the conversion script written last, from a copy of its own, so that a later
    // script never changes a console that is still running.
    virtual Error startScript() = 0;

    // Deletes the script and the copies that no console uses any more, then the work folder
    // when nothing else is in it.
    virtual void removeScripts() = 0;
};

} // namespace job
