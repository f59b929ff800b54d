#include "platform/ScriptFiles.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::ScriptFiles {

const job::ScriptDialect Dialect = job::ScriptDialect::Posix;

namespace {

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

std::error_code writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return lastError();
        // A write that takes nothing would never end; the disk is full.
        if (written == 0)
            return std::make_error_code(std::errc::no_space_on_device);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

} // namespace

std::error_code read(const Path& file, std::string& bytes)
{
    // Non-blocking, so that a pipe in the file's place cannot hold the program up.
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return lastError();
    std::error_code error;
    struct stat info {};
    if (::fstat(descriptor, &info) != 0)
        error = lastError();
    else if (!S_ISREG(info.st_mode))
        error = std::make_error_code(S_ISDIR(info.st_mode) ? std::errc::is_a_directory
                                                           : std::errc::invalid_argument);
    bytes.clear();
    char buffer[4096];
    while (!error) {
        const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = lastError();
        if (got <= 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(descriptor);
    return error;
}

std::error_code create(const Path& file, std::string_view bytes)
{
    const int descriptor =
        ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return lastError();
    std::error_code error = writeAll(descriptor, bytes);
    if (!error && ::fsync(descriptor) != 0)
        error = lastError();
    if (::close(descriptor) != 0 && !error)
        error = lastError();
    if (error)
        ::unlink(file.c_str());
    return error;
}

std::error_code rename(const Path& from, const Path& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : lastError();
}

std::error_code remove(const Path& file)
{
    return ::unlink(file.c_str()) == 0 ? std::error_code() : lastError();
}

std::error_code removeFolder(const Path& folder)
{
    return ::rmdir(folder.c_str()) == 0 ? std::error_code() : lastError();
}

std::u16string text(const Path& path)
{
    return QFile::decodeName(path.c_str()).toStdU16String();
}

std::u16string describe(std::error_code error)
{
    return QString::fromLocal8Bit(error.message()).toStdU16String();
}

// Read with the system's own calls: this list, made at every start, was the only use of the
// standard library's file system code before the first "GO", and brought its pages in for it.
std::vector<Path> names(const Path& folder, std::error_code& error)
{
    std::vector<Path> list;
    error.clear();
    DIR* const directory = ::opendir(folder.c_str());
    if (!directory) {
        error = lastError();
        return list;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(directory);
        if (!entry) {
            if (errno != 0)
                error = lastError();
            break;
        }
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..")
            list.emplace_back(name);
    }
    ::closedir(directory);
    return list;
}

} // namespace platform::ScriptFiles
