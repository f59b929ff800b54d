#include "Processes.h"

#include <cerrno>
#include <climits>
#include <fstream>
#include <signal.h>

namespace fs = std::filesystem;

namespace platform::Processes {

bool alive(unsigned long processId)
{
    // Ids 0 and beyond the largest would name a process group or every process to kill().
    if (processId == 0 || processId > static_cast<unsigned long>(INT_MAX))
        return false;
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

std::optional<FolderUsers> FolderUsers::scan(const fs::path& folder)
{
    std::error_code error;
    if (!fs::exists("/proc/self/cmdline", error))
        return std::nullopt;
    // Links in /proc lead to the folder as the system spells it, command lines as they were
    // given.
    const fs::path spellings[] = {folder.lexically_normal(), fs::weakly_canonical(folder, error)};
    FolderUsers users;
    const auto note = [&](const fs::path& file) {
        for (const auto& spelling : spellings) {
            if (file.parent_path() == spelling)
                users.names_.insert(file.filename().string());
        }
    };
    for (fs::directory_iterator process("/proc", error), end; !error && process != end;
         process.increment(error)) {
        const auto name = process->path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream commandLine(process->path() / "cmdline", std::ios::binary);
        std::string argument;
        while (std::getline(commandLine, argument, '\0'))
            note(fs::path(argument).lexically_normal());
        // The open files of other users' processes cannot be read; they cannot read ours.
        std::error_code unreadable;
        for (fs::directory_iterator file(process->path() / "fd", unreadable), last;
             !unreadable && file != last; file.increment(unreadable)) {
            std::error_code gone;
            const auto target = fs::read_symlink(file->path(), gone);
            if (!gone)
                note(target);
        }
    }
    return users;
}

bool FolderUsers::uses(const fs::path& file) const
{
    return names_.count(file.filename().string()) > 0;
}

} // namespace platform::Processes
