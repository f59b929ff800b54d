#include "platform/win/WinScriptHost.h"

#include "job/ConversionJob.h"
#include "job/ScriptText.h"
#include "platform/win/ConsoleStart.h"
#include "tests/support/TempFolder.h"
#include "text/WideText.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using ConversionJob::Inputs;
using platform::WinScriptHost;
using WideText::fromCodePage;
using WideText::fromWide;

constexpr std::array<bool, ConversionJob::FormatCount> Flv{false, true, false, false};
constexpr std::array<bool, ConversionJob::FormatCount> Swf{false, false, true, false};

const fs::path WorkFolder = L"C:\\VC_Temp";

fs::path testFolder()
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path();
}

void setVariable(const wchar_t* name, const std::wstring& value)
{
    SetEnvironmentVariableW(name, value.c_str());
}

std::string utf8(const std::u16string& text)
{
    return *WideText::toCodePage(text, CP_UTF8);
}

// Runs conversions through cmd.exe in new consoles, with the stand-in converter first on PATH,
// and keeps each console's process to wait for.
class Consoles : public testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(WorkFolder);
        record_ = temp_.path() / "record.txt";
        wchar_t path[32768] = {};
        GetEnvironmentVariableW(L"PATH", path, 32768);
        path_ = path;
        setVariable(L"PATH", (testFolder() / "stand-in").wstring() + L";" + path_);
        setVariable(L"FAKE_RECORD", record_.wstring());
        setVariable(L"FAKE_STATUS", L"0");
        setVariable(L"FAKE_DELAY", L"0");
    }
    void TearDown() override
    {
        for (HANDLE process : processes_)
            CloseHandle(process);
        setVariable(L"PATH", path_);
        fs::remove_all(WorkFolder);
    }

    // Starts real consoles and keeps a handle of its own to each.
    WinScriptHost::ConsoleProcessStarter starter()
    {
        return [this](const std::u16string& script, platform::Error& error) {
            HANDLE process = platform::startConsoleProcess(script, error);
            HANDLE own = nullptr;
            if (process)
                DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &own, 0, FALSE,
                                DUPLICATE_SAME_ACCESS);
            if (own)
                processes_.push_back(own);
            return process;
        };
    }

    void waitForConsoles()
    {
        for (HANDLE process : processes_)
            ASSERT_EQ(WaitForSingleObject(process, 30000), WAIT_OBJECT_0);
    }

    TempFolder temp_;
    fs::path record_;
    std::wstring path_;
    std::vector<HANDLE> processes_;
};

TEST_F(Consoles, TheScriptIsWrittenToTheByteInTheConsolesCodePage)
{
    WinScriptHost windows(WorkFolder, starter());
    const std::u16string source = u"D:\\clips\\caf\u00e9 100%.avi";

    ASSERT_EQ(ConversionJob::prepare({source, u"E:\\out\\", Flv}, windows), std::nullopt);

    const auto bytes = readFile(WorkFolder / "temp.bat");
    EXPECT_EQ(
        fromCodePage(bytes, GetOEMCP()),
        u"@ECHO OFF\r\n"
        u"ffmpeg.exe -i \"D:\\clips\\caf\u00e9 100%%.avi\" \"E:\\out\\caf\u00e9 100%%.flv\"\r\n"
        u"if not errorlevel 1 if errorlevel 0 cls\r\n"
        u"PAUSE\r\n"
        u"EXIT\r\n");
    EXPECT_EQ(bytes.find("\xc3"), std::string::npos) << "written as UTF-8";
}

TEST_F(Consoles, APathTheCodePageCannotHoldIsRefused)
{
    std::u16string foreign;
    for (char16_t c : {u'\u044f', u'\u4e2d', u'\u05d0', u'\u0101'}) {
        if (!WideText::toCodePage(std::u16string(1, c), GetOEMCP()))
            foreign = std::u16string(1, c);
    }
    ASSERT_FALSE(foreign.empty());
    WinScriptHost windows(WorkFolder, starter());

    const auto error = ConversionJob::prepare({u"D:\\" + foreign + u".avi", u"E:\\", Flv}, windows);

    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(u"code page"), std::u16string::npos);
    EXPECT_FALSE(fs::exists(WorkFolder / "temp.bat"));
}

TEST_F(Consoles, TheConverterReceivesExactlyTheIntendedPaths)
{
    const std::u16string names[] = {
        u"party.avi",   u"a b c.avi",  u"100%x.avi",   u"%PATH%.avi", u"a&b.avi",
        u"a^b.avi",     u"wow!.avi",   u"(1) (2).avi", u"it's.avi",   u"caf\u00e9 \u00fcber.avi",
        u"a|b<c>d.avi", u"!PATH!.avi",
    };
    WinScriptHost windows(WorkFolder, starter());
    std::string expected;
    for (const auto& name : names) {
        const std::u16string source = u"C:\\clips dir\\" + name;
        ASSERT_EQ(ConversionJob::prepare({source, u"C:\\out dir\\", Flv}, windows), std::nullopt);
        ASSERT_EQ(windows.startScript(), std::nullopt);
        waitForConsoles();
        expected += "[-i][" + utf8(source) + "][" +
                    utf8(u"C:\\out dir\\" + name.substr(0, name.size() - 4) + u".flv") + "]\n";
    }
    // A bare folder as the output, whose backslash meets the quote.
    ASSERT_EQ(windows.writeScript(ScriptText::compose(platform::ScriptDialect::Windows,
                                                      u"C:\\x\\abcd", u"C:\\out\\", false)),
              std::nullopt);
    ASSERT_EQ(windows.startScript(), std::nullopt);
    waitForConsoles();
    expected += "[-i][C:\\x\\abcd][C:\\out\\]\n";

    EXPECT_EQ(readFile(record_), expected);
}

TEST_F(Consoles, OnlyASuccessfulConversionClearsTheConsole)
{
    struct Row {
        const wchar_t* status;
        bool cleared;
    };
    const Row rows[] = {{L"0", true}, {L"1", false}, {L"-1", false}, {L"255", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(fromWide(row.status).size());
        setVariable(L"FAKE_STATUS", row.status);
        const auto planned = ConversionJob::plan({u"C:\\a.avi", u"C:\\out\\", Flv},
                                                 platform::ScriptDialect::Windows);
        // The clear is swapped for a marker file, so the condition before it is what is tested.
        auto text = std::get<ConversionJob::Script>(planned).text;
        const auto clear = text.find(u" cls\r\n");
        ASSERT_NE(clear, std::u16string::npos);
        const auto marker = temp_.path() / "cleared";
        fs::remove(marker);
        text.replace(clear, 4, u" echo x>\"" + marker.u16string() + u"\"");
        WinScriptHost windows(WorkFolder, starter());
        ASSERT_EQ(windows.writeScript(text), std::nullopt);
        ASSERT_EQ(windows.startScript(), std::nullopt);
        waitForConsoles();
        EXPECT_EQ(fs::exists(marker), row.cleared);
    }
}

TEST_F(Consoles, ARunningConsoleNeverRunsALaterJobsLines)
{
    WinScriptHost windows(WorkFolder, starter());
    setVariable(L"FAKE_DELAY", L"1500");
    ASSERT_EQ(ConversionJob::prepare({u"C:\\v\\first.avi", u"C:\\o\\", Flv}, windows),
              std::nullopt);
    ASSERT_EQ(windows.startScript(), std::nullopt);
    Sleep(300);
    setVariable(L"FAKE_DELAY", L"0");
    ASSERT_EQ(
        ConversionJob::prepare(
            {u"C:\\videos\\second, with a longer name.avi", u"C:\\output folder\\", Swf}, windows),
        std::nullopt);
    ASSERT_EQ(windows.startScript(), std::nullopt);
    // "Convert it now!" runs the last job's script again.
    ASSERT_EQ(windows.startScript(), std::nullopt);
    waitForConsoles();

    const std::string second = "[-i][C:\\videos\\second, with a longer name.avi][-ar][44100]"
                               "[C:\\output folder\\second, with a longer name.swf]\n";
    EXPECT_EQ(readFile(record_), second + second + "[-i][C:\\v\\first.avi][C:\\o\\first.flv]\n");
}

TEST_F(Consoles, ConvertItNowWithoutAScriptSaysSo)
{
    WinScriptHost windows(WorkFolder, starter());
    EXPECT_EQ(windows.startScript(),
              std::u16string(u"There is no conversion script to run yet: press GO first!"));
    EXPECT_TRUE(processes_.empty());
}

// What the work folder holds: the names in it, or "(a file)" when a file stands in its place.
std::set<std::string> workFolderHolds()
{
    std::set<std::string> names;
    if (fs::is_regular_file(WorkFolder))
        names.insert("(a file)");
    else if (fs::is_directory(WorkFolder)) {
        for (const auto& entry : fs::directory_iterator(WorkFolder))
            names.insert(entry.path().filename().string());
    }
    return names;
}

std::string copyName(unsigned long processId)
{
    return "temp-" + std::to_string(processId) + "-1.bat";
}

// Starts a console whose parent is a program that is then killed, as the console of a program
// killed after GO would be, and returns the dead program's id.
DWORD startOrphanConsole(std::vector<HANDLE>& processes)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION parent{};
    wchar_t parentLine[] = L"cmd.exe /d /c ping -n 30 127.0.0.1";
    if (!CreateProcessW(nullptr, parentLine, nullptr, nullptr, FALSE,
                        CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup, &parent))
        return 0;
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<char> buffer(size);
    auto* attributes = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(buffer.data());
    InitializeProcThreadAttributeList(attributes, 1, 0, &size);
    UpdateProcThreadAttribute(attributes, 0, PROC_THREAD_ATTRIBUTE_PARENT_PROCESS, &parent.hProcess,
                              sizeof parent.hProcess, nullptr, nullptr);
    STARTUPINFOEXW console{};
    console.StartupInfo.cb = sizeof console;
    console.lpAttributeList = attributes;
    PROCESS_INFORMATION child{};
    wchar_t childLine[] = L"cmd.exe /d /c ping -n 3 127.0.0.1";
    if (CreateProcessW(nullptr, childLine, nullptr, nullptr, FALSE,
                       EXTENDED_STARTUPINFO_PRESENT | CREATE_NO_WINDOW, nullptr, nullptr,
                       &console.StartupInfo, &child)) {
        CloseHandle(child.hThread);
        processes.push_back(child.hProcess);
    }
    DeleteProcThreadAttributeList(attributes);
    TerminateProcess(parent.hProcess, 1);
    WaitForSingleObject(parent.hProcess, INFINITE);
    CloseHandle(parent.hThread);
    CloseHandle(parent.hProcess);
    return parent.dwProcessId;
}

TEST_F(Consoles, CleanUpRemovesOnlyTheScriptsNoConsoleRuns)
{
    const std::string own = copyName(GetCurrentProcessId());
    // A process id that no process can have.
    const std::string killed = copyName(0xFFFFFFFC);
    struct Row {
        const char* name;
        std::function<std::string(WinScriptHost&)> arrange; // returns a file it leaves
        std::set<std::string> atExit;                       // "*" stands for that file
        std::set<std::string> later;
    };
    const auto converted = [this](WinScriptHost& windows, const wchar_t* delay) {
        setVariable(L"FAKE_DELAY", delay);
        EXPECT_EQ(ConversionJob::prepare({u"C:\\v\\a.avi", u"C:\\o\\", Flv}, windows),
                  std::nullopt);
        EXPECT_EQ(windows.startScript(), std::nullopt);
        return std::string();
    };
    const Row rows[] = {
        {"a finished console",
         [&](WinScriptHost& windows) {
             converted(windows, L"0");
             waitForConsoles();
             return std::string();
         },
         {},
         {}},
        {"a converted video",
         [&](WinScriptHost& windows) {
             converted(windows, L"0");
             waitForConsoles();
             writeFile(WorkFolder / "party.flv", "video");
             return std::string();
         },
         {"party.flv"},
         {"party.flv"}},
        {"a console still running",
         [&](WinScriptHost& windows) { return converted(windows, L"1500"); },
         {own},
         {}},
        {"a copy of a killed program",
         [&](WinScriptHost&) {
             fs::create_directory(WorkFolder);
             writeFile(WorkFolder / killed, "x");
             return std::string();
         },
         {},
         {}},
        {"a copy of a killed program whose console runs",
         [&](WinScriptHost&) {
             const auto name = copyName(startOrphanConsole(processes_));
             fs::create_directory(WorkFolder);
             writeFile(WorkFolder / name, "x");
             return name;
         },
         {"*"},
         {}},
        {"a file in the work folder's place",
         [&](WinScriptHost& windows) {
             writeFile(WorkFolder, "the user's");
             EXPECT_EQ(windows.writeScript(u"x"),
                       std::u16string(u"The work folder C:\\VC_Temp is not a folder."));
             return std::string();
         },
         {"(a file)"},
         {"(a file)"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(WorkFolder);
        std::set<std::string> atExit;
        {
            WinScriptHost windows(WorkFolder, starter());
            const auto left = row.arrange(windows);
            windows.removeScripts();
            atExit = workFolderHolds();
            if (atExit.erase(left))
                atExit.insert("*");
        }
        EXPECT_EQ(atExit, row.atExit);
        waitForConsoles();
        WinScriptHost later(WorkFolder, starter());
        later.removeScripts();
        EXPECT_EQ(workFolderHolds(), row.later);
    }
    EXPECT_EQ(readFile(WorkFolder), "the user's");
    fs::remove(WorkFolder);
}

TEST_F(Consoles, AFailedWriteKeepsTheLastGoodScript)
{
    WinScriptHost windows(WorkFolder, starter());
    ASSERT_EQ(windows.writeScript(u"good"), std::nullopt);
    // Another program holds the script open and lets no one replace it.
    HANDLE holder = CreateFileW((WorkFolder / "temp.bat").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    const auto error = windows.writeScript(u"new");

    CloseHandle(holder);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(
        error->rfind(u"The conversion script C:\\VC_Temp\\temp.bat could not be written: ", 0), 0u)
        << fromCodePage(utf8(*error), CP_UTF8).size();
    EXPECT_EQ(workFolderHolds(), std::set<std::string>{"temp.bat"});
    EXPECT_EQ(readFile(WorkFolder / "temp.bat"), "good");
}

TEST_F(Consoles, ALineTheConsoleCanReadArrivesWholeALongerOneIsRefused)
{
    const std::u16string source = u"C:\\clips\\party.avi";
    const auto lineLength = [&](const std::u16string& target) {
        const auto text =
            std::get<ConversionJob::Script>(
                ConversionJob::plan({source, target, Flv}, platform::ScriptDialect::Windows))
                .text;
        const auto start = text.find(u"\r\n") + 2;
        return text.find(u"\r\n", start) - start;
    };
    // Were the line cut, its tail would run as commands.
    const std::u16string hostile = u"x&echo PWNED>>C:\\pwned.txt&";
    WinScriptHost windows(WorkFolder, starter());
    for (const auto length : {WinScriptHost::MaxLineLength, WinScriptHost::MaxLineLength + 1}) {
        SCOPED_TRACE(length);
        std::u16string folder = u"C:\\";
        while (lineLength(folder + hostile + u"\\") <= length)
            folder += hostile;
        folder.append(length - lineLength(folder + u"\\"), u'y');
        const std::u16string target = folder + u"\\";
        ASSERT_EQ(lineLength(target), length);
        fs::remove(record_);
        const auto lastScript = readFile(WorkFolder / "temp.bat");

        const auto error = ConversionJob::prepare({source, target, Flv}, windows);

        if (length <= WinScriptHost::MaxLineLength) {
            ASSERT_EQ(error, std::nullopt);
            ASSERT_EQ(windows.startScript(), std::nullopt);
            waitForConsoles();
            EXPECT_EQ(readFile(record_),
                      "[-i][C:\\clips\\party.avi][" + utf8(target + u"party.flv") + "]\n");
        } else {
            EXPECT_EQ(error, std::u16string(u"Source and target paths together MUST fit in a "
                                            u"console line of 8191 characters!"));
            EXPECT_EQ(readFile(WorkFolder / "temp.bat"), lastScript);
        }
        EXPECT_FALSE(fs::exists(L"C:\\pwned.txt"));
    }
}

TEST_F(Consoles, SameFileHoweverItIsSpelled)
{
    const auto video = temp_.path() / "Party.flv";
    writeFile(video, "v");
    writeFile(temp_.path() / "other.flv", "o");
    WinScriptHost windows(WorkFolder, starter());
    auto upper = video.u16string();
    for (auto& c : upper)
        c = static_cast<char16_t>(towupper(c));
    EXPECT_TRUE(windows.sameFile(video.u16string(), upper));
    EXPECT_TRUE(
        windows.sameFile(video.u16string(), (temp_.path() / "." / "party.flv").u16string()));
    EXPECT_FALSE(windows.sameFile(video.u16string(), (temp_.path() / "other.flv").u16string()));
    EXPECT_FALSE(windows.sameFile(video.u16string(), (temp_.path() / "missing.flv").u16string()));
}

} // namespace
