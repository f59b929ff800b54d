#include "DetachedStart.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace platform {
namespace {

// posix_spawn's attributes and file actions, released on every way out.
class SpawnSettings {
public:
    SpawnSettings()
    {
        ::posix_spawnattr_init(&attributes);
        ::posix_spawn_file_actions_init(&actions);
    }
    ~SpawnSettings()
    {
        ::posix_spawn_file_actions_destroy(&actions);
        ::posix_spawnattr_destroy(&attributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
};

int prepare(SpawnSettings& settings, const QByteArray& folder)
{
    // The signals this program handles or blocks are the terminal's own business again.
    sigset_t all;
    sigset_t none;
    ::sigfillset(&all);
    ::sigemptyset(&none);
    if (const int error = ::posix_spawnattr_setsigdefault(&settings.attributes, &all))
        return error;
    if (const int error = ::posix_spawnattr_setsigmask(&settings.attributes, &none))
        return error;
    if (const int error = ::posix_spawnattr_setflags(&settings.attributes,
                                                     POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF |
                                                         POSIX_SPAWN_SETSIGMASK))
        return error;
    // A descriptor opened without close-on-exec, by a library or a plugin, stays ours.
    if (const int error = ::posix_spawn_file_actions_addclosefrom_np(&settings.actions, 3))
        return error;
    return folder.isEmpty()
               ? 0
               : ::posix_spawn_file_actions_addchdir_np(&settings.actions, folder.constData());
}

} // namespace

std::error_code startDetached(const QByteArray& program, const QByteArrayList& arguments,
                              const QByteArray& folder, const QByteArray& path)
{
    SpawnSettings settings;
    if (const int error = prepare(settings, folder))
        return {error, std::generic_category()};

    std::vector<char*> argv;
    QByteArray name = program;
    argv.push_back(name.data());
    QByteArrayList argumentCopies = arguments;
    for (auto& argument : argumentCopies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    QByteArray pathEntry = "PATH=" + path;
    std::vector<char*> envp{pathEntry.data()};
    for (char** entry = environ; *entry; ++entry) {
        if (std::strncmp(*entry, "PATH=", 5) != 0)
            envp.push_back(*entry);
    }
    envp.push_back(nullptr);

    // posix_spawn, unlike fork, copies none of this program's page tables, so the cost of a
    // start does not grow with the program's memory; it returns once the exec is done.
    pid_t child = 0;
    if (const int error = ::posix_spawn(&child, name.constData(), &settings.actions,
                                        &settings.attributes, argv.data(), envp.data()))
        return {error, std::generic_category()};
    // The terminal is this program's child until it ends; a thread of its own collects it
    // then, however long it runs, and nothing else of the program waits for it.
    try {
        std::thread([child] {
            pid_t ended = 0;
            do
                ended = ::waitpid(child, nullptr, 0);
            while (ended < 0 && errno == EINTR);
        }).detach();
    } catch (const std::system_error&) {
        // The terminal runs all the same; the system collects it once this program has ended.
    }
    return {};
}

} // namespace platform
