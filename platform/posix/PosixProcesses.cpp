#include "PosixProcesses.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <string_view>
#include <sys/stat.h>
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

bool alive(unsigned long processId)
{
    // Ids 0 and beyond the largest would name a process group or every process to kill().
    if (processId == 0 || processId > static_cast<unsigned long>(INT_MAX))
        return false;
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

// The number that starts at the position, up to the next blank or line end.
std::optional<unsigned long long> numberAt(std::string_view text, std::size_t start)
{
    text.remove_prefix(std::min(start, text.size()));
    text = text.substr(0, text.find_first_of(" \n"));
    unsigned long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// When the process started, in seconds since the epoch: its start in clock ticks after the
// boot, from its stat's 22nd field, and the boot's time from the system's stat.
std::optional<double> startTime(unsigned long processId)
{
    const std::string stat =
        readAll(AT_FDCWD, ("/proc/" + std::to_string(processId) + "/stat").c_str());
    // The second field, the command's name in parentheses, may hold blanks and parentheses.
    std::size_t field = stat.rfind(')');
    for (int before = 2; before < 22 && field != std::string::npos; ++before)
        field = stat.find(' ', field + 1);
    const std::string system = readAll(AT_FDCWD, "/proc/stat");
    const auto line = system.find("\nbtime ");
    const long perSecond = ::sysconf(_SC_CLK_TCK);
    if (field == std::string::npos || line == std::string::npos || perSecond <= 0)
        return std::nullopt;
    const auto ticks = numberAt(stat, field + 1);
    const auto boot = numberAt(system, line + 7);
    if (!ticks || !boot)
        return std::nullopt;
    return static_cast<double>(*boot) +
           static_cast<double>(*ticks) / static_cast<double>(perSecond);
}

// The boot's time is kept in whole seconds, and the clock may have been set since.
constexpr double ClockSlackSeconds = 2;

} // namespace

bool writerAlive(unsigned long processId, const std::string& file)
{
    if (!alive(processId))
        return false;
    struct stat info {};
    const auto started = startTime(processId);
    // Without /proc or the file, nothing tells another process from the writer.
    if (!started || ::lstat(file.c_str(), &info) != 0)
        return true;
    const double written =
        static_cast<double>(info.st_mtim.tv_sec) + static_cast<double>(info.st_mtim.tv_nsec) / 1e9;
    return *started <= written + ClockSlackSeconds;
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
