#include "platform/posix/TerminalLauncher.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QThread>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using platform::TerminalLauncher;

TEST(TerminalLauncher, TriesTheNamedTerminalFirstThenTheDefaultThenTheCommonOnes)
{
    TempFolder temp;
    fs::create_directory(temp.path() / "my terms");
    const auto installed = temp.path() / "my terms" / "konsole";
    writeFile(installed, "#!/bin/sh\n");
    fs::permissions(installed, fs::perms::owner_all);
    const QString withBlanks = QString::fromStdString(installed.string());
    struct Row {
        QString variable;
        QString first;
        QStringList firstArguments;
    };
    const Row rows[] = {
        {withBlanks, withBlanks, {QStringLiteral("-e")}},
        {QString(), QStringLiteral("x-terminal-emulator"), {QStringLiteral("-e")}},
        {QStringLiteral("urxvt"), QStringLiteral("urxvt"), {QStringLiteral("-e")}},
        {QStringLiteral("\"my term\" --hold"),
         QStringLiteral("my term"),
         {QStringLiteral("--hold"), QStringLiteral("-e")}},
        {QStringLiteral("/usr/bin/gnome-terminal --wait"),
         QStringLiteral("/usr/bin/gnome-terminal"),
         {QStringLiteral("--wait"), QStringLiteral("--")}},
        {QStringLiteral("kitty --single-instance"),
         QStringLiteral("kitty"),
         {QStringLiteral("--single-instance")}},
        {QStringLiteral("xterm -e"), QStringLiteral("xterm"), {QStringLiteral("-e")}},
        // Only an execute option at the end is the one the command follows.
        {QStringLiteral("xterm -e -hold"),
         QStringLiteral("xterm"),
         {QStringLiteral("-e"), QStringLiteral("-hold"), QStringLiteral("-e")}},
        {QStringLiteral("gnome-terminal --"),
         QStringLiteral("gnome-terminal"),
         {QStringLiteral("--")}},
        {QStringLiteral("xfce4-terminal -x"),
         QStringLiteral("xfce4-terminal"),
         {QStringLiteral("-x")}},
        {QStringLiteral("gnome-terminal --command"),
         QStringLiteral("gnome-terminal"),
         {QStringLiteral("--command")}},
        {QStringLiteral("mate-terminal --execute"),
         QStringLiteral("mate-terminal"),
         {QStringLiteral("--execute")}},
    };
    for (const auto& row : rows) {
        const auto list = TerminalLauncher::candidates(row.variable);
        ASSERT_FALSE(list.isEmpty());
        EXPECT_EQ(list.first().program, row.first);
        EXPECT_EQ(list.first().options + list.first().commandOption, row.firstArguments);
        EXPECT_EQ(list.last().program, QStringLiteral("xterm"));
    }
    QStringList flags;
    for (const auto& candidate : TerminalLauncher::candidates({}))
        flags << candidate.program + QLatin1Char(' ') +
                     (candidate.options + candidate.commandOption).join(QLatin1Char(' '));
    EXPECT_EQ(flags, (QStringList{"x-terminal-emulator -e", "gnome-terminal --", "konsole -e",
                                  "xfce4-terminal -x", "mate-terminal -x", "kitty ", "alacritty -e",
                                  "foot ", "xterm -e"}));
}

// Puts only the given stand-in terminals on PATH for one test.
class Terminals : public testing::Test {
protected:
    void SetUp() override
    {
        path_ = qgetenv("PATH");
        terminal_ = qgetenv("TERMINAL");
        qunsetenv("TERMINAL");
        qputenv("PATH", QByteArray::fromStdString(temp_.path().string()));
    }
    void TearDown() override
    {
        qputenv("PATH", path_);
        if (!terminal_.isNull())
            qputenv("TERMINAL", terminal_);
    }

    // A terminal that records its arguments, working folder, session, PATH, process id and
    // whether it holds descriptor 77, then exits.
    void install(const char* name)
    {
        const auto file = temp_.path() / name;
        writeFile(file, "#!/bin/sh\n"
                        "{ for a; do printf '[%s]' \"$a\"; done; echo; pwd;\n"
                        "  /usr/bin/awk '{print $6}' /proc/$$/stat; echo \"$PATH\"; echo $$;\n"
                        "  [ -e /proc/$$/fd/77 ] && echo inherited || echo closed; } > \"" +
                            record().string() +
                            ".tmp\"\n"
                            "/bin/mv \"" +
                            record().string() + ".tmp\" \"" + record().string() + "\"\n");
        fs::permissions(file, fs::perms::owner_all);
    }

    fs::path record() const { return temp_.path() / "record"; }

    std::string waitForRecord()
    {
        for (int i = 0; i < 200 && !fs::exists(record()); ++i)
            QThread::msleep(25);
        return readFile(record());
    }

    TempFolder temp_;
    QByteArray path_;
    QByteArray terminal_;
};

// Started from a folder that holds a terminal of its own, with PATH entries that lead there.
TEST_F(Terminals, StartsTheFirstInstalledTerminalDetachedInTheScriptsFolder)
{
    install("xterm");
    install("konsole");
    fs::create_directories(temp_.path() / "start" / "terms");
    install("start/gnome-terminal");
    install("start/terms/gnome-terminal");
    const auto work = temp_.path() / "work folder";
    fs::create_directory(work);
    const QString script = QString::fromStdString((work / "my script.sh").string());
    qputenv("PATH", ":.:terms:" + QByteArray::fromStdString(temp_.path().string()) + "::");
    const auto home = fs::current_path();
    fs::current_path(temp_.path() / "start");
    // A descriptor some library left open across exec.
    ASSERT_EQ(::dup2(STDERR_FILENO, 77), 77);

    const auto error = TerminalLauncher::start(script.toStdU16String());

    ::close(77);
    fs::current_path(home);
    EXPECT_EQ(error, std::nullopt);
    const auto lines = QString::fromStdString(waitForRecord()).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("[-e][/bin/sh][%1]").arg(script));
    EXPECT_EQ(lines[1], QString::fromStdString(work.string()));
    EXPECT_NE(lines[2].toLongLong(), static_cast<long long>(::getsid(0)));
    EXPECT_EQ(lines[3], QString::fromStdString(temp_.path().string()));
    EXPECT_EQ(lines[5], QStringLiteral("closed"));
    // Once it has ended, the terminal is collected: no zombie of it stays in the process table.
    const auto process = "/proc/" + lines[4].toStdString();
    for (int i = 0; i < 200 && fs::exists(process); ++i)
        QThread::msleep(25);
    EXPECT_FALSE(fs::exists(process));
}

TEST_F(Terminals, TheNamedTerminalComesFirst)
{
    install("xterm");
    install("myterm");
    struct Row {
        const char* terminal;
        QString arguments;
    };
    const Row rows[] = {
        {"myterm --hold", QStringLiteral("[--hold][-e][/bin/sh][s.sh]")},
        {"xterm -e", QStringLiteral("[-e][/bin/sh][s.sh]")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.terminal);
        fs::remove(record());
        qputenv("TERMINAL", row.terminal);

        EXPECT_EQ(TerminalLauncher::start(u"s.sh"), std::nullopt);

        const auto record = QString::fromStdString(waitForRecord());
        EXPECT_EQ(record.section(QLatin1Char('\n'), 0, 0), row.arguments);
    }
}

TEST_F(Terminals, AKnownTerminalUnderAnotherNameTakesItsOwnOption)
{
    install("kitty");
    fs::create_symlink(temp_.path() / "kitty", temp_.path() / "myterm");
    qputenv("TERMINAL", "myterm");

    EXPECT_EQ(TerminalLauncher::start(u"s.sh"), std::nullopt);

    EXPECT_EQ(QString::fromStdString(waitForRecord()).section(QLatin1Char('\n'), 0, 0),
              QStringLiteral("[/bin/sh][s.sh]"));
}

TEST_F(Terminals, SaysWhatItTriedWhenNoneCanBeStarted)
{
    qputenv("TERMINAL", "missing-term");
    writeFile(temp_.path() / "konsole", "#!/no/such/shell\n");
    fs::permissions(temp_.path() / "konsole", fs::perms::owner_all);

    const auto error = TerminalLauncher::start(u"s.sh");

    ASSERT_TRUE(error.has_value());
    const auto text = QString::fromStdU16String(*error);
    EXPECT_TRUE(text.startsWith(QStringLiteral("No terminal window could be opened")));
    const std::string konsole = temp_.path() / "konsole";
    const std::string tried[] = {
        "missing-term (not installed)",       "x-terminal-emulator (not installed)",
        "gnome-terminal (not installed)",     "xterm (not installed)",
        konsole + " (could not be started: ", "No such file or directory)"};
    for (const auto& part : tried)
        EXPECT_TRUE(text.contains(QString::fromStdString(part))) << part;
}

} // namespace
