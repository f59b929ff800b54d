#pragma once

#include "ScriptFiles.h"
#include "job/Error.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace platform {

using job::Error;

// Starts one script in a console window of its own and returns without waiting.
using ConsoleStarter = std::function<Error(const std::u16string& scriptPath)>;

// The scripts in the work folder: the one written last, under its fixed name, and the copies
// that consoles run. A console reads its script while it runs, so it gets a copy that no later
// script overwrites; the copy removes itself once its console no longer needs it. Other programs
// may write the fixed name too, so a copy is made from the bytes this program wrote, never from
// the file.
class ScriptRuns {
public:
    using Path = ScriptFiles::Path;

    ScriptRuns(Path folder, Path scriptName, unsigned long processId);

    const Path& folder() const { return folder_; }
    Path script() const { return modPath::Join(folder_, scriptName_, ScriptFiles::Dialect); }

    // Replaces the last script with the bytes. They are written under a name of their own and
    // then renamed, so a failed write leaves the last good script in place.
    std::error_code write(std::string_view bytes);

    // Starts a new copy of the script this program wrote last in a console.
    Error start(const ConsoleStarter& startConsole);

    // A new copy of the script this program wrote last, or the empty path with the error set.
    Path copyForRun(std::error_code& error);

    // Deletes a copy that no console got.
    void discard(const Path& copy);

    // Whether a console runs, or may yet run, the copy made by the program of the id.
    using InUse = std::function<bool(const Path& copy, unsigned long processId)>;

    // Deletes the copies that no console uses: those whose console ended before it removed
    // them, or that no console ever got.
    void removeUnused(const InUse& inUse);

    // Deletes the last script while it holds what this program wrote last, and the unused
    // copies, then the folder when it is an empty folder. Files the program did not write stay,
    // and so does the folder that holds them.
    void removeAll(const InUse& inUse);

private:
    Path copyName(unsigned long run) const;

    Path folder_;
    Path scriptName_;
    // The script's name split before its extension, the dot going with the extension.
    Path extension_;
    Path stem_;
    unsigned long processId_;
    unsigned long nextRun_ = 1;
    // What this program wrote last under the script's name; nothing before its first script.
    std::optional<std::string> written_;
};

} // namespace platform
