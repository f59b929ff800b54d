#include "PosixProcesses.h"

#include <array>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform::PosixProcesses {
namespace {

// Reads the whole of a small file of /proc.
std::string readAll(int folder, const char* name)
{
    std::string text;
    const int file = ::openat(folder, name, O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return text;
    std::array<char, 4096> buffer;
    for (ssize_t got; (got = ::read(file, buffer.data(), buffer.size())) > 0;)
        text.append(buffer.data(), static_cast<std::size_t>(got));
    ::close(file);
    return text;
}

} // namespace

bool alive(unsigned long processId)
{
    // Ids 0 and beyond the largest would name a process group or every process to kill().
    if (processId == 0 || processId > static_cast<unsigned long>(INT_MAX))
        return false;
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

FolderUsers::FolderUsers(std::string folder) : folder_(std::move(folder)) {}

std::optional<bool> FolderUsers::uses(const fs::path& file)
{
    if (!scanned_)
        scan();
    if (!names_)
        return std::nullopt;
    return names_->count(file.filename().string()) > 0;
}

void FolderUsers::scan()
{
    scanned_ = true;
    DIR* processes = ::opendir("/proc");
    if (!processes)
        return;
    if (::access("/proc/self/cmdline", R_OK) != 0) {
        ::closedir(processes);
        return;
    }
    names_.emplace();
    // Command lines name the folder as they were given, links in /proc as the system spells it.
    std::error_code ignored;
    const std::array<std::string, 2> spellings = {
        folder_ + '/', fs::weakly_canonical(fs::path(folder_), ignored).string() + '/'};
    const auto note = [this, &spellings](std::string_view path) {
        for (const auto& folder : spellings) {
            if (path.size() > folder.size() && path.substr(0, folder.size()) == folder &&
                path.find('/', folder.size()) == std::string_view::npos)
                names_->emplace(path.substr(folder.size()));
        }
    };
    while (const dirent* entry = ::readdir(processes)) {
        if (entry->d_name[0] < '1' || entry->d_name[0] > '9')
            continue;
        const int process =
            ::openat(::dirfd(processes), entry->d_name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (process < 0)
            continue;
        const std::string arguments = readAll(process, "cmdline");
        for (std::size_t start = 0; start < arguments.size();) {
            const auto end = std::min(arguments.find('\0', start), arguments.size());
            note(std::string_view(arguments).substr(start, end - start));
            start = end + 1;
        }
        // The open files of other users' processes cannot be read; they cannot open ours.
        const int descriptors = ::openat(process, "fd", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (DIR* files = descriptors < 0 ? nullptr : ::fdopendir(descriptors)) {
            std::array<char, PATH_MAX> target;
            while (const dirent* file = ::readdir(files)) {
                const ssize_t size =
                    ::readlinkat(::dirfd(files), file->d_name, target.data(), target.size());
                if (size > 0)
                    note(std::string_view(target.data(), static_cast<std::size_t>(size)));
            }
            ::closedir(files);
        } else if (descriptors >= 0) {
            ::close(descriptors);
        }
        ::close(process);
    }
    ::closedir(processes);
}

} // namespace platform::PosixProcesses
