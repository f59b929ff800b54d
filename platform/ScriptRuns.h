#pragma once

#include "Platform.h"

#include <filesystem>
#include <functional>
#include <system_error>
#include <vector>

namespace platform {

// The scripts in the work folder: the one written last, under its fixed name, and the copies
// that consoles run. A console reads its script while it runs, so it gets a copy that no later
// script overwrites.
class ScriptRuns {
public:
    ScriptRuns(std::filesystem::path folder, std::filesystem::path scriptName,
               unsigned long processId);

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path script() const { return folder_ / scriptName_; }

    // Starts a new copy of the last script in a console.
    Error start(const ConsoleStarter& startConsole);

    // A new copy of the last script, or the empty path with the error set.
    std::filesystem::path copyForRun(std::error_code& error);

    // Deletes a copy that no console got.
    void discard(const std::filesystem::path& copy);

    // Whether a console may still read the copy.
    using InUse = std::function<bool(const std::filesystem::path& copy)>;

    // Deletes the last script and every copy made here that is not in use, then the folder
    // when it is empty. Files the program did not write stay, and so does the folder that
    // holds them.
    void removeAll(const InUse& inUse = {});

private:
    std::filesystem::path folder_;
    std::filesystem::path scriptName_;
    unsigned long processId_;
    unsigned long nextRun_ = 1;
    std::vector<std::filesystem::path> copies_;
};

} // namespace platform
