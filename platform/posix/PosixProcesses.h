#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>

// What the system's process table tells about the processes that run the scripts.
namespace platform::PosixProcesses {

// Whether the process that wrote the file still runs. A process with its id that started after
// the file was last written is another one, which took the id over once the writer had ended.
bool writerAlive(unsigned long processId, const std::string& file);

// The files of one folder that running processes name on their command lines or hold open. A
// terminal names its script from its start, before its shell opens it. /proc is read once, at
// the first question, so a clean-up with nothing to decide costs nothing.
class FolderUsers {
public:
    // The folder is kept as text: a path would be parsed at every start, and with it the
    // standard library's file system code brought into memory, for a question rarely asked.
    explicit FolderUsers(std::string folder);

    // Whether a process uses the file, or nothing on a system without /proc.
    std::optional<bool> uses(const std::filesystem::path& file);

private:
    void scan();

    std::string folder_;
    bool scanned_ = false;
    std::optional<std::set<std::string>> names_;
};

} // namespace platform::PosixProcesses
