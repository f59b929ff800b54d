#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>

// What the system's process table tells about the processes that run the scripts.
namespace platform::Processes {

// Whether a process with the id exists.
bool alive(unsigned long processId);

// The files of one folder that running processes name on their command lines or hold open. A
// terminal names its script from its start, before its shell opens it.
class FolderUsers {
public:
    // What /proc shows now, or nothing on a system without it.
    static std::optional<FolderUsers> scan(const std::filesystem::path& folder);

    bool uses(const std::filesystem::path& file) const;

private:
    std::set<std::string> names_;
};

} // namespace platform::Processes
