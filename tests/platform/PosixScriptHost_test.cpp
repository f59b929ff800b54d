#include "platform/posix/PosixScriptHost.h"

#include "job/ConversionJob.h"
#include "platform/posix/TerminalLauncher.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <memory>
#include <set>
#include <string>

#include <csignal>
#include <fcntl.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QString qpath(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

struct Started {
    std::vector<fs::path> scripts;
    job::Error failure;
    platform::ConsoleStarter starter()
    {
        return [this](const std::u16string& path) {
            scripts.emplace_back(QString::fromStdU16String(path).toStdString());
            return failure;
        };
    }
};

TEST(PosixScriptHost, WritesTheScriptInAPrivateFolder)
{
    TempFolder temp;
    const auto work = temp.path() / "VC_Temp";
    Started started;
    platform::PosixScriptHost posix(qpath(work), started.starter());

    ASSERT_EQ(posix.writeScript(u"#!/bin/sh\necho Grüße\n"), std::nullopt);

    EXPECT_EQ(readFile(work / "temp.sh"), "#!/bin/sh\necho Gr\xc3\xbc\xc3\x9f"
                                          "e\n");
    struct stat info {};
    ASSERT_EQ(::stat(work.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

// Makes a work folder of the user's with that mode in the test's folder.
template <mode_t Mode> fs::path folderWithMode(const fs::path& temp, const fs::path&)
{
    ::mkdir((temp / "VC_Temp").c_str(), 0700);
    ::chmod((temp / "VC_Temp").c_str(), Mode);
    return temp / "VC_Temp";
}

TEST(PosixScriptHost, RefusesAWorkFolderThatIsNotPrivate)
{
    struct Row {
        const char* name;
        // Makes the work folder in the test's folder and returns it.
        fs::path (*make)(const fs::path& temp, const fs::path& elsewhere);
        std::u16string message;
    };
    const std::u16string notPrivate = u"not a private folder";
    const Row rows[] = {
        // Any right of the group's or of others' counts, each on its own.
        {"open to all", folderWithMode<0755>, notPrivate},
        {"open to others", folderWithMode<0705>, notPrivate},
        {"searchable by others", folderWithMode<0701>, notPrivate},
        {"readable by the group", folderWithMode<0750>, notPrivate},
        {"writable by the group", folderWithMode<0770>, notPrivate},
        {"searchable by the group", folderWithMode<0710>, notPrivate},
        {"someone else's",
         [](const fs::path& temp, const fs::path&) {
             // Given away when the test may; else the administrator's own folder is one.
             const auto folder = folderWithMode<0700>(temp, temp);
             return ::chown(folder.c_str(), 65534, 65534) == 0 ? folder : fs::path("/root");
         },
         notPrivate},
        {"a link to another folder",
         [](const fs::path& temp, const fs::path& elsewhere) {
             fs::create_directory_symlink(elsewhere, temp / "VC_Temp");
             return temp / "VC_Temp";
         },
         notPrivate},
        {"a file",
         [](const fs::path& temp, const fs::path&) {
             writeFile(temp / "VC_Temp", "x");
             return temp / "VC_Temp";
         },
         notPrivate},
        {"a file in the place of its parent",
         [](const fs::path& temp, const fs::path&) {
             writeFile(temp / "parent", "x");
             return temp / "parent" / "VC_Temp";
         },
         u"could not be examined: Not a directory."},
        {"no folder to put it in", [](const fs::path&, const fs::path&) { return fs::path(); },
         u"There is no private folder"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder temp;
        const auto elsewhere = temp.path() / "elsewhere";
        ::mkdir(elsewhere.c_str(), 0700);
        Started started;
        platform::PosixScriptHost posix(qpath(row.make(temp.path(), elsewhere)), started.starter());

        const auto error = posix.writeScript(u"x");

        ASSERT_TRUE(error.has_value());
        EXPECT_NE(error->find(row.message), std::u16string::npos) << testing::PrintToString(*error);
        EXPECT_FALSE(fs::exists(elsewhere / "temp.sh"));
        EXPECT_EQ(posix.startScript(), error);
        EXPECT_TRUE(started.scripts.empty());
    }
}

// Sets an environment variable, or takes it away, for one test.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<std::string>& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        if (value)
            qputenv(name, QByteArray::fromStdString(*value));
        else
            qunsetenv(name);
    }
    ~ScopedVariable()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

TEST(PosixScriptHost, WithoutAPrivateRuntimeFolderTheWorkFolderIsInTheUsersCacheNeverAtTheRoot)
{
    TempFolder temp;
    const fs::path open = temp.path() / "open";
    const fs::path closed = temp.path() / "closed";
    fs::create_directory(open);
    fs::create_directory(closed);
    fs::permissions(closed, fs::perms::owner_all);
    // Where Qt would make a runtime folder of its own.
    const ScopedVariable tmp("TMPDIR", temp.path().string());
    struct Row {
        std::optional<std::string> runtime;
        std::optional<std::string> home;
        std::optional<std::string> cache;
        fs::path work;
    };
    const Row rows[] = {
        {closed.string(), "/", std::nullopt, closed / "VC_Temp"},
        {std::nullopt, temp.path().string(), std::nullopt, temp.path() / ".cache" / "VC_Temp"},
        {open.string(), temp.path().string(), std::nullopt, temp.path() / ".cache" / "VC_Temp"},
        {std::nullopt, "/", (temp.path() / "cache").string(), temp.path() / "cache" / "VC_Temp"},
        {std::nullopt, "/", std::nullopt, fs::path()},
        {std::nullopt, "/", "relative", fs::path()},
    };
    for (const auto& row : rows) {
        const ScopedVariable runtime("XDG_RUNTIME_DIR", row.runtime);
        const ScopedVariable home("HOME", row.home);
        const ScopedVariable cache("XDG_CACHE_HOME", row.cache);
        EXPECT_EQ(platform::PosixScriptHost::defaultWorkFolder(), qpath(row.work));
    }
    platform::PosixScriptHost posix(qpath(temp.path() / ".cache" / "VC_Temp"), Started().starter());
    EXPECT_EQ(posix.writeScript(u"x"), std::nullopt);
    EXPECT_EQ(readFile(temp.path() / ".cache" / "VC_Temp" / "temp.sh"), "x");
    // A cache folder that cannot be made is named, with its own error.
    platform::PosixScriptHost unmade(QStringLiteral("/proc/varnelo/VC_Temp"), Started().starter());
    EXPECT_EQ(unmade.writeScript(u"x"),
              u"The folder /proc/varnelo/, which holds the work folder, could not be created: No "
              u"such file or directory.");
}

// Lets no file grow beyond the size while it lives, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    rlimit old_{};
    void (*handler_)(int);
};

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    if (!fs::exists(folder))
        return names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Each row starts from the script "good" in the work folder and a file of the user's, puts a
// link to that file in the place of a script, and writes a new script or starts the old one.
TEST(PosixScriptHost, AScriptIsWrittenWholeOrNotAtAllAndNeverThroughALink)
{
    struct Row {
        const char* name;
        std::string link; // the file it replaces with a link to the user's file, if any
        rlim_t room;      // the largest file that can be written; 0: no limit
        bool start;
        std::u16string message; // its start; empty when it succeeds
        const char* script;     // then in temp.sh
    };
    const std::string copy = "temp-" + std::to_string(::getpid()) + "-1.sh";
    const Row rows[] = {
        {"temp.sh is a link to the user's file", "temp.sh", 0, false, u"", "new"},
        {"the disk is full", "", 2, false, u"The conversion script ", "good"},
        {"room for the script but not its copy", "", 2, true,
         u"The conversion script could not be copied for its run: File too large.", "good"},
        {"a link in the place of the copy", copy, 0, true, u"", "good"},
        {"a link left in the place of the file being written",
         "temp-" + std::to_string(::getpid()) + "-0.sh", 0, false, u"", "new"},
        {"temp.sh turned into a link after GO", "temp.sh", 0, true, u"", nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder temp;
        const auto work = temp.path() / "VC_Temp";
        const auto users = temp.path() / "thesis.txt";
        writeFile(users, "my thesis");
        Started started;
        platform::PosixScriptHost posix(qpath(work), started.starter());
        ASSERT_EQ(posix.writeScript(u"good"), std::nullopt);
        if (!row.link.empty()) {
            fs::remove(work / row.link);
            fs::create_symlink(users, work / row.link);
        }

        job::Error error;
        {
            std::optional<FileSizeLimit> full;
            if (row.room)
                full.emplace(row.room);
            error = row.start ? posix.startScript() : posix.writeScript(u"new");
        }

        if (row.message.empty())
            EXPECT_EQ(error, std::nullopt) << testing::PrintToString(*error);
        else
            EXPECT_EQ(error.value_or(u"").substr(0, row.message.size()), row.message);
        EXPECT_EQ(readFile(users), "my thesis");
        if (row.script) {
            EXPECT_EQ(readFile(work / "temp.sh"), row.script);
            EXPECT_FALSE(fs::is_symlink(work / "temp.sh"));
        }
        EXPECT_EQ(started.scripts.size(), row.start && row.message.empty() ? 1u : 0u);
        // A console runs what GO wrote, whatever took the script's name since.
        for (const auto& script : started.scripts)
            EXPECT_EQ(readFile(script), "good");
        // Nothing half written stays behind: only the script, the links, and started copies.
        for (const auto& name : namesIn(work)) {
            const auto file = work / name;
            EXPECT_TRUE(name == "temp.sh" || fs::is_symlink(file) ||
                        std::count(started.scripts.begin(), started.scripts.end(), file))
                << name;
        }
    }
}

TEST(PosixScriptHost, StartsACopyOfTheLastScript)
{
    TempFolder temp;
    const auto work = temp.path() / "VC_Temp";
    Started started;
    platform::PosixScriptHost posix(qpath(work), started.starter());

    ASSERT_EQ(posix.writeScript(u"one"), std::nullopt);
    ASSERT_EQ(posix.startScript(), std::nullopt);
    ASSERT_EQ(started.scripts.size(), 1u);
    EXPECT_EQ(started.scripts[0].parent_path(), work);
    EXPECT_EQ(readFile(started.scripts[0]), "one");

    // A copy no terminal got goes at once.
    started.failure = u"no terminal";
    EXPECT_EQ(posix.startScript(), std::u16string(u"no terminal"));
    EXPECT_EQ(namesIn(work),
              (std::set<std::string>{"temp.sh", started.scripts[0].filename().string()}));
}

TEST(PosixScriptHost, SameFileHoweverItIsSpelled)
{
    TempFolder temp;
    const auto video = temp.path() / "party.flv";
    writeFile(video, "v");
    writeFile(temp.path() / "other.flv", "o");
    fs::create_hard_link(video, temp.path() / "hard.flv");
    fs::create_symlink(video, temp.path() / "soft.flv");
    platform::PosixScriptHost posix(qpath(temp.path() / "w"), Started().starter());
    const auto u16 = [](const fs::path& p) {
        return QString::fromStdString(p.string()).toStdU16String();
    };

    EXPECT_TRUE(posix.sameFile(u16(video), u16(temp.path() / "." / "party.flv")));
    EXPECT_TRUE(posix.sameFile(u16(video), u16(temp.path() / "hard.flv")));
    EXPECT_TRUE(posix.sameFile(u16(video), u16(temp.path() / "soft.flv")));
    EXPECT_FALSE(posix.sameFile(u16(video), u16(temp.path() / "other.flv")));
    EXPECT_FALSE(posix.sameFile(u16(video), u16(temp.path() / "missing.flv")));
}

// A relative path is read from the start folder's own bytes, and ".." is left for the system.
TEST(PosixScriptHost, ARelativePathIsReadFromTheStartFolderAsTheSystemHasIt)
{
    struct Row {
        const char* start; // a folder in the test's one to start from
        bool gone;         // removed once the program is in it
        std::u16string path;
        std::u16string whole; // behind the start folder; or the start of a refusal
    };
    const Row rows[] = {
        {"here", false, u"/v/a.avi", u"/v/a.avi"},
        {"here", false, u"out/", u"/here/out/"},
        {"here", false, u"lnk/../clip.avi", u"/here/lnk/../clip.avi"},
        {"gone", true, u"clip.avi", u"The relative path clip.avi cannot be read: the folder"},
        {"bad\xff", false, u"clip.avi", u"The relative path clip.avi cannot be read: the name"},
    };
    TempFolder temp;
    Started started;
    const platform::PosixScriptHost posix(qpath(temp.path() / "VC_Temp"), started.starter());
    const int back = ::open(".", O_RDONLY | O_DIRECTORY);
    ASSERT_GE(back, 0);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.start);
        const auto start = temp.path() / row.start;
        fs::create_directory(start);
        ASSERT_EQ(::chdir(start.c_str()), 0);
        if (row.gone)
            fs::remove(start);
        auto path = row.path;
        const auto failure = posix.absolute(path);
        const auto got = failure ? *failure : path;
        const auto wanted =
            row.path.starts_with(u'/') || failure
                ? row.whole
                : QString::fromStdString(temp.path().string()).toStdU16String() + row.whole;
        EXPECT_EQ(got.substr(0, wanted.size()), wanted);
        ASSERT_EQ(::fchdir(back), 0);
    }
    ::close(back);
}

// Runs real scripts under /bin/sh with a stand-in converter that records its arguments.
class ScriptRun : public testing::Test {
protected:
    void SetUp() override
    {
        bin_ = temp_.path() / "bin";
        fs::create_directory(bin_);
        record_ = temp_.path() / "record";
        // The record line is written at once: consoles that run side by side must not mix
        // their lines.
        writeFile(bin_ / "ffmpeg", "#!/bin/sh\n"
                                   "sleep \"${FAKE_DELAY:-0}\"\n"
                                   "line=; for a; do line=\"$line[$a]\"; done\n"
                                   "printf '%s\\n' \"$line\" >> \"$FAKE_RECORD\"\n"
                                   "exit \"${FAKE_STATUS:-0}\"\n");
        fs::permissions(bin_ / "ffmpeg", fs::perms::owner_all);
    }

    QString run(const fs::path& script, const QByteArray& status, const QByteArray& delay = "0")
    {
        QProcess sh;
        sh.setProcessEnvironment(environment(status, delay));
        sh.start(QStringLiteral("/bin/sh"), {qpath(script)});
        sh.closeWriteChannel();
        sh.waitForFinished(10000);
        return QString::fromUtf8(sh.readAllStandardOutput());
    }

    QProcessEnvironment environment(const QByteArray& status, const QByteArray& delay) const
    {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PATH"), qpath(bin_) + QStringLiteral(":/usr/bin:/bin"));
        env.insert(QStringLiteral("FAKE_RECORD"), qpath(record_));
        env.insert(QStringLiteral("FAKE_STATUS"), QString::fromLatin1(status));
        env.insert(QStringLiteral("FAKE_DELAY"), QString::fromLatin1(delay));
        return env;
    }

    std::string script(const std::u16string& source, const std::u16string& target)
    {
        const auto planned = ConversionJob::plan({source, target, {false, true, false, false}},
                                                 job::ScriptDialect::Posix);
        return QString::fromStdU16String(std::get<ConversionJob::Script>(planned).text)
            .toStdString();
    }

    TempFolder temp_;
    fs::path bin_;
    fs::path record_;
};

TEST_F(ScriptRun, OnlyASuccessfulConversionClearsTheConsole)
{
    const QString clear = QStringLiteral("\033[H\033[2J");
    const auto file = temp_.path() / "s.sh";
    struct Row {
        QByteArray status;
        bool cleared;
    };
    for (const auto& row : {Row{"0", true}, Row{"1", false}, Row{"255", false}}) {
        SCOPED_TRACE(row.status.constData());
        writeFile(file, script(u"/v/a.avi", u"/o/"));
        const QString shown = run(file, row.status);
        EXPECT_EQ(shown.contains(clear), row.cleared);
        EXPECT_TRUE(shown.endsWith(QStringLiteral("Press any key to continue . . . ")));
    }
}

TEST_F(ScriptRun, TheConverterIsLookedForOnPathNeverInTheCurrentFolder)
{
    const auto empty = temp_.path() / "empty";
    fs::create_directory(empty);
    const auto home = fs::current_path();
    struct Row {
        std::optional<std::string> path;
        fs::path current;
        bool found;
    };
    // Entries that are empty, "." or relative name the current folder or one in it.
    const Row rows[] = {
        {bin_, empty, true},
        {empty, bin_, false},
        {empty.string() + "::" + empty.string(), bin_, false},
        {".:" + empty.string(), bin_, false},
        {"bin", temp_.path(), false},
        {"bin:" + bin_.string(), empty, true},
        {std::nullopt, empty, fs::exists("/usr/bin/ffmpeg")},
        // An entry that is not UTF-8 never leads to the folder its text would name.
        {(temp_.path() / "look\xff").string(), empty, false},
    };
    fs::create_directory_symlink(bin_, temp_.path() / "look\xef\xbf\xbd");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.value_or("(no PATH)"));
        const ScopedVariable path("PATH", row.path);
        fs::current_path(row.current);
        platform::PosixScriptHost posix(qpath(temp_.path() / "VC_Temp"), Started().starter());
        const auto missing = posix.checkConverter();
        fs::current_path(home);
        EXPECT_EQ(missing, row.found ? job::Error()
                                     : u"FFmpeg MUST be installed before proceeding! Install the "
                                       u"ffmpeg package, or put ffmpeg in a folder on PATH.");
    }
}

// The consoles open their scripts only after the second GO, as a slow terminal does, so a
// console given the shared script would run the second job's lines.
TEST_F(ScriptRun, ARunningConsoleNeverRunsALaterJobsLines)
{
    const auto work = temp_.path() / "VC_Temp";
    std::vector<std::unique_ptr<QProcess>> consoles;
    platform::PosixScriptHost posix(qpath(work), [&](const std::u16string& path) -> job::Error {
        auto& sh = consoles.emplace_back(std::make_unique<QProcess>());
        sh->setProcessEnvironment(environment("0", "0"));
        sh->start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), QStringLiteral("sleep 0.3; exec /bin/sh \"$0\""),
                   QString::fromStdU16String(path)});
        sh->closeWriteChannel();
        return {};
    });

    ASSERT_EQ(ConversionJob::prepare({u"/v/first.avi", u"/o/", {false, true, false, false}}, posix),
              std::nullopt);
    ASSERT_EQ(posix.startScript(), std::nullopt);
    ASSERT_EQ(ConversionJob::prepare(
                  {u"/v/second-with-a-much-longer-name.avi", u"/out/", {false, false, true, false}},
                  posix),
              std::nullopt);
    ASSERT_EQ(posix.startScript(), std::nullopt);
    for (const auto& sh : consoles) {
        sh->waitForFinished(10000);
        EXPECT_EQ(sh->exitCode(), 0);
    }

    const auto record = QString::fromStdString(readFile(record_));
    EXPECT_EQ(record.count(QLatin1Char('\n')), 2);
    EXPECT_TRUE(record.contains(QStringLiteral("[-i][/v/first.avi][/o/first.flv]\n")));
    EXPECT_TRUE(
        record.contains(QStringLiteral("[-i][/v/second-with-a-much-longer-name.avi][-ar][44100][/"
                                       "out/second-with-a-much-longer-name.swf]\n")));
    posix.removeScripts();
    EXPECT_FALSE(fs::exists(work));
}

// The program closes right after GO, before its console opens the copy a second late, beside
// an older copy no shell opened. A terminal may start the shell itself, naming the copy all
// along, or hand the command to a server that starts it with no process naming the copy in
// between.
TEST_F(ScriptRun, ClosingRightAfterGoKeepsTheCopiesInUseUntilTheyEnd)
{
    // Each stand-in holds on until the test releases it, after the program has closed.
    const std::string released = "while [ ! -e \"$RELEASE\" ]; do sleep 0.01; done";
    writeFile(bin_ / "slowterm",
              "#!/bin/sh\n" + released + "\nshift\nexec \"$@\" </dev/null >/dev/null 2>&1\n");
    writeFile(bin_ / "serverterm", "#!/bin/sh\nfor a; do :; done\nprintf %s \"$a\" > \"$QUEUE\"\n");
    for (const char* name : {"slowterm", "serverterm"})
        fs::permissions(bin_ / name, fs::perms::owner_all);
    struct Row {
        const char* name;
        const char* terminal;
        bool throughALink; // the work folder's path goes through a link to its folder
    };
    const Row rows[] = {
        {"a terminal that starts the shell late", "slowterm", false},
        {"a terminal that hands the command to a server", "serverterm", false},
        {"the work folder reached through a link", "slowterm", true},
    };
    const ScopedVariable path("PATH", qpath(bin_).toStdString() + ":/usr/bin:/bin");
    const ScopedVariable record("FAKE_RECORD", record_.string());
    const ScopedVariable queue("QUEUE", (temp_.path() / "queue").string());
    const ScopedVariable release("RELEASE", (temp_.path() / "release").string());
    const auto copy = [](int run) {
        return "temp-" + std::to_string(::getpid()) + "-" + std::to_string(run) + ".sh";
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ScopedVariable terminal("TERMINAL", row.terminal);
        fs::remove(record_);
        for (const char* file : {"queue", "release"})
            fs::remove(temp_.path() / file);
        const auto folder = temp_.path() / row.name;
        fs::create_directories(folder / "real");
        if (row.throughALink)
            fs::create_directory_symlink(folder / "real", folder / "link");
        const auto work = folder / (row.throughALink ? "link" : "real") / "VC_Temp";
        QProcess server;
        server.start(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"),
             QString::fromStdString("while [ ! -s \"$QUEUE\" ]; do sleep 0.01; done; " + released +
                                    "; exec /bin/sh \"$(cat \"$QUEUE\")\" </dev/null "
                                    ">/dev/null")});
        {
            platform::PosixScriptHost posix(qpath(work), &platform::TerminalLauncher::start);
            ASSERT_EQ(
                ConversionJob::prepare({u"/v/a.avi", u"/o/", {false, true, false, false}}, posix),
                std::nullopt);
            ASSERT_EQ(posix.startScript(), std::nullopt);
            writeFile(work / copy(9), "x");
            fs::last_write_time(work / copy(9),
                                fs::file_time_type::clock::now() - std::chrono::hours(1));

            posix.removeScripts();

            EXPECT_EQ(namesIn(work), (std::set<std::string>{copy(1)}));
        }
        writeFile(temp_.path() / "release", "");
        for (int i = 0; i < 1000 && !fs::exists(record_); ++i)
            QThread::msleep(10);
        EXPECT_EQ(readFile(record_), "[-i][/v/a.avi][/o/a.flv]\n");
        // The console removed its copy; started again, the program removes the empty folder.
        for (int i = 0; i < 500 && fs::exists(work); ++i) {
            QThread::msleep(10);
            platform::PosixScriptHost(qpath(work), &platform::TerminalLauncher::start)
                .removeScripts();
        }
        EXPECT_FALSE(fs::exists(work));
        server.kill();
        server.waitForFinished();
    }
}

} // namespace
