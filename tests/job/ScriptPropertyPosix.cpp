// The script's property through the real /bin/sh.
#include "ScriptProperty.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void writeProgram(const fs::path& file, const std::string& text)
{
    writeFile(file, text);
    fs::permissions(file, fs::perms::owner_all);
}

// Runs the script as a console would, with nothing to read, in the folder given; false when
// the shell could not be run.
bool runShell(const fs::path& script, const fs::path& folder, const fs::path& log,
              const std::vector<std::string>& environment)
{
    std::vector<char*> variables;
    for (const auto& variable : environment)
        variables.push_back(const_cast<char*>(variable.c_str()));
    variables.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int input = open("/dev/null", O_RDONLY);
        const int output = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (input < 0 || output < 0 || dup2(input, 0) < 0 || dup2(output, 1) < 0 ||
            dup2(output, 2) < 0 || chdir(folder.c_str()) != 0)
            _exit(127);
        const char* arguments[] = {"sh", script.c_str(), nullptr};
        execve("/bin/sh", const_cast<char* const*>(arguments), variables.data());
        _exit(127);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) != 127;
}

TEST(ScriptProperty, EveryNameIsRefusedOrReachesTheConverterWholeThroughSh)
{
    TempFolder temp;
    const auto bin = temp.path() / "bin";
    const auto planted = temp.path() / "planted";
    const auto current = temp.path() / "current";
    for (const auto& folder : {bin, planted, current})
        fs::create_directory(folder);
    const auto record = temp.path() / "arguments";
    const auto marker = temp.path() / "marker";
    const auto script = temp.path() / "temp.sh";
    const auto log = temp.path() / "console";
    writeProgram(bin / "ffmpeg",
                 "#!/bin/sh\nprintf '%s\\0' \"$#\" \"$@\" >> \"$FAKE_ARGUMENTS\"\n");
    // What a broken quote would start instead.
    for (const char* name : {"calc", "touch"})
        writeProgram(planted / name, "#!/bin/sh\necho \"$0 $*\" >> '" + marker.string() + "'\n");
    const std::vector<std::string> environment{"PATH=" + bin.string() + ":" + planted.string() +
                                                   ":/usr/bin:/bin",
                                               "FAKE_ARGUMENTS=" + record.string()};

    const auto run = [&](const std::u16string& text) {
        writeFile(script, ScriptProperty::utf8(text));
        ScriptProperty::Outcome outcome;
        if (!runShell(script, current, log, environment))
            outcome.strays = "the shell failed: " + readFile(log);
        outcome.runs = ScriptProperty::readRuns(readFile(record));
        outcome.strays += readFile(marker);
        for (const auto& entry : fs::directory_iterator(current)) {
            outcome.strays += "made " + entry.path().filename().string() + "\n";
            fs::remove_all(entry.path());
        }
        for (const auto& left : {record, marker, script})
            fs::remove(left);
        return outcome;
    };
    ScriptProperty::check(
        job::ScriptDialect::Posix, 2000, run,
        {[](const std::u16string&) { return false; }, [](std::u16string_view) { return true; }});
}

} // namespace
