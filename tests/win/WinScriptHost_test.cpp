#include "platform/win/WinScriptHost.h"

#include "job/ConversionJob.h"
#include "job/ScriptText.h"
#include "platform/win/ConsoleStart.h"
#include "platform/win/ConverterPath.h"
#include "platform/win/PrivateFolder.h"
#include "tests/support/TempFolder.h"
#include "text/WideText.h"

#include <aclapi.h>
#include <sddl.h>

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
        return [this](const std::u16string& script, job::Error& error) {
            HANDLE process = platform::startConsoleProcess(script, error);
            // Wine's process creation once failed here with "Internal error" in a full run and
            // never in 24 runs after it; a fault of ours fails the second start as well.
            if (!process) {
                error.reset();
                process = platform::startConsoleProcess(script, error);
            }
            HANDLE own = nullptr;
            if (process)
                DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &own, 0, FALSE,
                                DUPLICATE_SAME_ACCESS);
            if (own)
                processes_.push_back(own);
            // Wine's cmd.exe runs no AutoRun command, so only the line shows the user's is not run.
            EXPECT_TRUE(platform::consoleCommandLine(script).starts_with(L"cmd.exe /D "));
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
    WinScriptHost windows({WorkFolder}, starter());
    const std::u16string source = u"D:\\clips\\caf\u00e9 100%.avi";

    ASSERT_EQ(ConversionJob::prepare({source, u"E:\\out\\", Flv}, windows), std::nullopt);

    const auto bytes = readFile(WorkFolder / "temp.bat");
    EXPECT_EQ(fromCodePage(bytes, GetOEMCP()),
              u"@ECHO OFF\r\n\"" + (testFolder() / "stand-in" / "ffmpeg.exe").u16string() +
                  u"\" -i \"D:\\clips\\caf\u00e9 100%%.avi\" \"E:\\out\\caf\u00e9 100%%.flv\"\r\n"
                  u"if not errorlevel 1 if errorlevel 0 cls\r\n"
                  u"PAUSE\r\n"
                  u"del \"%~f0\" & EXIT\r\n");
    EXPECT_EQ(bytes.find("\xc3"), std::string::npos) << "written as UTF-8";
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
        const auto planned =
            ConversionJob::plan({u"C:\\a.avi", u"C:\\out\\", Flv}, job::ScriptDialect::Windows);
        // The clear is swapped for a marker file, so the condition before it is what is tested.
        auto text = std::get<ConversionJob::Script>(planned).text;
        const auto clear = text.find(u" cls\r\n");
        ASSERT_NE(clear, std::u16string::npos);
        const auto marker = temp_.path() / "cleared";
        fs::remove(marker);
        text.replace(clear, 4, u" echo x>\"" + marker.u16string() + u"\"");
        WinScriptHost windows({WorkFolder}, starter());
        ASSERT_EQ(windows.writeScript(text), std::nullopt);
        ASSERT_EQ(windows.startScript(), std::nullopt);
        waitForConsoles();
        EXPECT_EQ(fs::exists(marker), row.cleared);
    }
}

TEST_F(Consoles, ARunningConsoleNeverRunsALaterJobsLines)
{
    WinScriptHost windows({WorkFolder}, starter());
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
    WinScriptHost windows({WorkFolder}, starter());
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
    PROCESS_INFORMATION impostor{};
    struct Row {
        const char* name;
        std::function<std::string(WinScriptHost&)> arrange; // returns a file it leaves
        std::set<std::string> atExit;                       // "*" stands for that file
        std::set<std::string> ended; // once the consoles have ended, before another clean-up
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
         {"*"}},
        {"a copy older than the process that took its program's id",
         [&](WinScriptHost&) {
             STARTUPINFOW startup{};
             startup.cb = sizeof startup;
             wchar_t line[] = L"cmd.exe /d /c rem";
             CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                            nullptr, &startup, &impostor);
             const auto copy = WorkFolder / copyName(impostor.dwProcessId);
             fs::create_directory(WorkFolder);
             writeFile(copy, "x");
             fs::last_write_time(copy, fs::file_time_type::clock::now() - std::chrono::hours(1));
             return std::string();
         },
         {},
         {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(WorkFolder);
        std::string left;
        const auto holds = [&left] {
            auto names = workFolderHolds();
            if (names.erase(left))
                names.insert("*");
            return names;
        };
        {
            WinScriptHost windows({WorkFolder}, starter());
            left = row.arrange(windows);
            windows.removeScripts();
            EXPECT_EQ(holds(), row.atExit);
        }
        waitForConsoles();
        EXPECT_EQ(holds(), row.ended);
        WinScriptHost later({WorkFolder}, starter());
        later.removeScripts();
        EXPECT_EQ(workFolderHolds(), std::set<std::string>());
    }
    TerminateProcess(impostor.hProcess, 1);
    CloseHandle(impostor.hProcess);
    CloseHandle(impostor.hThread);
}

TEST_F(Consoles, AFailedWriteKeepsTheLastGoodScript)
{
    WinScriptHost windows({WorkFolder}, starter());
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
        const auto text = ScriptText::namingConverter(
            std::get<ConversionJob::Script>(
                ConversionJob::plan({source, target, Flv}, job::ScriptDialect::Windows))
                .text,
            (testFolder() / "stand-in" / "ffmpeg.exe").u16string());
        const auto start = text.find(u"\r\n") + 2;
        return text.find(u"\r\n", start) - start;
    };
    // Were the line cut, its tail would run as commands.
    const std::u16string hostile = u"x&echo PWNED>>C:\\pwned.txt&";
    WinScriptHost windows({WorkFolder}, starter());
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

TEST_F(Consoles, SameFileHoweverItIsSpelledARelativePathFromTheCurrentFolder)
{
    const auto video = temp_.path() / "Party.flv";
    writeFile(video, "v");
    writeFile(temp_.path() / "other.flv", "o");
    WinScriptHost windows({WorkFolder}, starter());
    auto upper = video.u16string();
    for (auto& c : upper)
        c = static_cast<char16_t>(towupper(c));
    EXPECT_TRUE(windows.sameFile(video.u16string(), upper));
    EXPECT_TRUE(
        windows.sameFile(video.u16string(), (temp_.path() / "." / "party.flv").u16string()));
    EXPECT_FALSE(windows.sameFile(video.u16string(), (temp_.path() / "other.flv").u16string()));
    EXPECT_FALSE(windows.sameFile(video.u16string(), (temp_.path() / "missing.flv").u16string()));

    const auto here = fs::current_path().u16string();
    const auto whole = [&](std::u16string path) {
        EXPECT_EQ(windows.absolute(path), std::nullopt);
        return path;
    };
    EXPECT_EQ(whole(u"D:\\v\\a.avi"), u"D:\\v\\a.avi");
    EXPECT_EQ(whole(u"out\\"), here + u"\\out\\");
    // A drive alone names its current folder.
    EXPECT_EQ(whole(here.substr(0, 2)), here + u"\\");
}

TEST(ConverterPath, AConsoleLooksBesideTheProgramThenInTheAbsoluteFoldersOfPath)
{
    struct Row {
        std::wstring path;
        std::vector<std::wstring> folders;
    };
    const Row rows[] = {
        {L"", {L"C:\\app"}},
        {L"C:\\a;D:\\b\\", {L"C:\\app", L"C:\\a", L"D:\\b\\"}},
        {L"\"C:\\a;b\";\\\\server\\share", {L"C:\\app", L"C:\\a;b", L"\\\\server\\share"}},
        // Each of these would name a folder of wherever the console happens to be.
        {L".;tools;\\root;C:rel;;C:\\d", {L"C:\\app", L"C:\\d"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(utf8(fromWide(row.path)));
        EXPECT_EQ(platform::ConverterPath::searchFolders(L"C:\\app", row.path), row.folders);
    }
}

TEST(ConverterPath, TheConsolesEnvironmentPutsTheProgramsFolderFirst)
{
    using namespace std::string_literals;
    struct Row {
        std::wstring environment;
        std::wstring programFolder;
        std::wstring console;
    };
    const Row rows[] = {
        {L"=C:=C:\\v\0Path=C:\\w;C:\\x\0a=1\0NODEFAULTCURRENTDIRECTORYINEXEPATH=0\0\0"s, L"C:\\app",
         L"=C:=C:\\v\0a=1\0NoDefaultCurrentDirectoryInExePath=1\0PATH=C:\\app;C:\\w;C:\\x\0\0"s},
        {L"Z=2\0\0"s, L"C:\\a;b",
         L"NoDefaultCurrentDirectoryInExePath=1\0PATH=\"C:\\a;b\"\0Z=2\0\0"s},
        // The console would take these from its current folder, where the check never looks.
        {L"PATH=.;;tools;C:\\d;C:rel;\\x\0\0"s, L"C:\\app\\",
         L"NoDefaultCurrentDirectoryInExePath=1\0PATH=C:\\app\\;C:\\d\0\0"s},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(utf8(fromWide(row.programFolder)));
        EXPECT_EQ(
            platform::ConverterPath::consoleEnvironment(row.environment.c_str(), row.programFolder),
            row.console);
    }
}

// The decision over a work folder, on what the system would tell of it.
TEST(PrivateFolder, OnlyAFolderOfTheUsersThatNoOneElseMayChangeIsUsed)
{
    using platform::PrivateFolder::Entry;
    const std::wstring user = L"S-1-5-21-1-2-3-1001";
    const std::wstring other = L"S-1-5-21-1-2-3-1002";
    const std::wstring everyone = L"S-1-1-0";
    constexpr DWORD Folder = FILE_ATTRIBUTE_DIRECTORY;
    const std::vector<Entry> profile = {{true, user, FILE_ALL_ACCESS},
                                        {true, L"S-1-5-18", FILE_ALL_ACCESS},
                                        {true, L"S-1-5-32-544", FILE_ALL_ACCESS}};
    const auto with = [&profile](const Entry& entry) {
        auto entries = profile;
        entries.push_back(entry);
        return entries;
    };
    const std::u16string shared = u"The work folder C:\\VC_Temp lets other users change its files.";
    const std::u16string foreign = u"The work folder C:\\VC_Temp belongs to another user.";
    struct Row {
        const char* name;
        DWORD attributes;
        std::wstring owner;
        std::optional<std::vector<Entry>> entries;
        job::Error problem;
    };
    const Row rows[] = {
        {"as the program makes it", Folder, user, profile, {}},
        {"as Wine shows one",
         Folder,
         user,
         std::vector<Entry>{{true, L"S-1-5-18", FILE_ALL_ACCESS},
                            {true, user, FILE_ALL_ACCESS},
                            {true, everyone, FILE_GENERIC_READ | FILE_GENERIC_EXECUTE}},
         {}},
        {"the rights a folder at the root gets", Folder, user,
         with({true, L"S-1-5-11", FILE_GENERIC_READ | FILE_GENERIC_WRITE | DELETE}), shared},
        {"everyone may add files", Folder, user, with({true, everyone, FILE_ADD_FILE}), shared},
        {"users may change who may", Folder, user, with({true, L"S-1-5-32-545", WRITE_DAC}),
         shared},
        {"another user, for the files in it", Folder, user, with({true, other, GENERIC_WRITE}),
         shared},
        {"an entry that hides whom it lets in", Folder, user, with({true, L"", GENERIC_ALL}),
         shared},
        {"no access list", Folder, user, std::nullopt, shared},
        {"everyone denied", Folder, user, with({false, everyone, FILE_ALL_ACCESS}), {}},
        {"the owner of each new file", Folder, user, with({true, L"S-1-3-0", GENERIC_ALL}), {}},
        {"owned by another user", Folder, other, profile, foreign},
        {"owned by the administrators", Folder, L"S-1-5-32-544", profile, foreign},
        {"a file", FILE_ATTRIBUTE_ARCHIVE, user, profile,
         u"The work folder C:\\VC_Temp is not a folder."},
        {"a junction", Folder | FILE_ATTRIBUTE_REPARSE_POINT, user, profile,
         u"The work folder C:\\VC_Temp is a link to another folder. Remove it, and let the "
         u"program make its own."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(platform::PrivateFolder::judge(L"C:\\VC_Temp",
                                                 {row.attributes, row.owner, row.entries}, user),
                  row.problem);
    }
}

// Makes a folder and gives it the access list the rules describe.
void makeFolder(const fs::path& folder, const std::wstring& rules)
{
    ASSERT_TRUE(fs::create_directory(folder));
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(rules.c_str(), SDDL_REVISION_1,
                                                                     &descriptor, nullptr));
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL list = nullptr;
    GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted);
    std::wstring name = folder.wstring();
    EXPECT_EQ(SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT,
                                    DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                    nullptr, nullptr, list, nullptr),
              static_cast<DWORD>(ERROR_SUCCESS));
    LocalFree(descriptor);
}

// Who may write in the file or folder, as the system reads its access list back.
std::set<std::wstring> writers(const fs::path& path)
{
    DWORD error = 0;
    const auto security = platform::PrivateFolder::read(path, error);
    std::set<std::wstring> sids;
    if (!security || !security->entries)
        return {L"(unknown)"};
    for (const auto& entry : *security->entries) {
        if (entry.allows && (entry.rights & (FILE_WRITE_DATA | GENERIC_WRITE | GENERIC_ALL)))
            sids.insert(entry.sid);
    }
    return sids;
}

TEST_F(Consoles, TheWorkFolderIsTheUsersOwnAndClosedToOthers)
{
    const auto user = platform::PrivateFolder::currentUser();
    WinScriptHost windows({WorkFolder}, starter());

    ASSERT_EQ(windows.writeScript(u"x"), std::nullopt);

    DWORD error = 0;
    const auto security = platform::PrivateFolder::read(WorkFolder, error);
    ASSERT_TRUE(security) << error;
    EXPECT_EQ(security->owner, user);
    // Windows keeps the administrators' entry too; Wine keeps what its file modes can hold.
    const std::set<std::wstring> allowed{user, L"S-1-5-18", L"S-1-5-32-544"};
    for (const auto& path : {WorkFolder, WorkFolder / "temp.bat"}) {
        SCOPED_TRACE(path.string());
        const auto sids = writers(path);
        EXPECT_TRUE(sids.count(user));
        EXPECT_TRUE(std::includes(allowed.begin(), allowed.end(), sids.begin(), sids.end()));
    }
}

TEST_F(Consoles, AWorkFolderOthersMayChangeIsPassedForTheUsersOwn)
{
    const auto user = platform::PrivateFolder::currentUser();
    const auto fallback = temp_.path() / "local" / "VC_Temp";
    fs::create_directory(temp_.path() / "local");
    struct Row {
        const char* name;
        std::function<void()> plant;
        fs::path used;
    };
    const Row rows[] = {
        {"none yet", [] {}, WorkFolder},
        {"the user's own", [&] { makeFolder(WorkFolder, L"D:P(A;OICI;FA;;;" + user + L")"); },
         WorkFolder},
        {"one everyone may change", [] { makeFolder(WorkFolder, L"D:(A;OICI;FA;;;WD)"); },
         fallback},
        {"a file", [] { writeFile(WorkFolder, "the user's"); }, fallback},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(WorkFolder);
        fs::remove(record_);
        row.plant();
        const bool planted = fs::exists(WorkFolder);
        {
            WinScriptHost windows({WorkFolder.wstring(), fallback.wstring()}, starter());
            ASSERT_EQ(ConversionJob::prepare({u"C:\\v\\a.avi", u"C:\\o\\", Flv}, windows),
                      std::nullopt);
            ASSERT_EQ(windows.startScript(), std::nullopt);
            waitForConsoles();
            EXPECT_EQ(fs::path(windows.workFolder()), row.used);
            EXPECT_TRUE(fs::exists(row.used / "temp.bat"));
            windows.removeScripts();
        }
        EXPECT_EQ(readFile(record_), "[-i][C:\\v\\a.avi][C:\\o\\a.flv]\n");
        EXPECT_FALSE(fs::exists(fallback));
        EXPECT_EQ(fs::exists(WorkFolder), planted && row.used == fallback);
    }

    // With both shared, GO says why and writes nothing.
    fs::remove_all(WorkFolder);
    makeFolder(WorkFolder, L"D:(A;OICI;FA;;;WD)");
    makeFolder(fallback, L"D:(A;OICI;FA;;;WD)");
    WinScriptHost windows({WorkFolder.wstring(), fallback.wstring()}, starter());
    EXPECT_EQ(windows.writeScript(u"x"),
              u"The work folder C:\\VC_Temp lets other users change its files. The work folder " +
                  fallback.u16string() + u" lets other users change its files.");
    EXPECT_TRUE(fs::is_empty(WorkFolder));
    EXPECT_TRUE(fs::is_empty(fallback));
}

TEST_F(Consoles, AConsoleWorksInTheWorkFolderAndLooksBesideTheProgramFirst)
{
    const auto shown = temp_.path() / "shown.txt";
    const auto browsed = fs::current_path();
    fs::current_path(temp_.path());
    WinScriptHost windows({WorkFolder}, starter());
    const auto into = u">>\"" + shown.u16string() + u"\"\r\n";
    ASSERT_EQ(windows.writeScript(u"@echo %CD%" + into + u"@echo %PATH%" + into +
                                  u"@echo [%NoDefaultCurrentDirectoryInExePath%]" + into),
              std::nullopt);
    ASSERT_EQ(windows.startScript(), std::nullopt);
    waitForConsoles();
    fs::current_path(browsed);

    // Nothing of the program's folder is held by a console that waits for its key.
    EXPECT_EQ(readFile(shown), WorkFolder.string() + "\r\n" + testFolder().string() + "\\;" +
                                   (testFolder() / "stand-in").string() + ";" +
                                   fs::path(path_).string() + "\r\n[1]\r\n");
}

TEST_F(Consoles, GoRefusesWhenNoConsoleWouldFindTheConverter)
{
    // A converter in the folder the user browsed to is not one a console would run.
    writeFile(temp_.path() / "ffmpeg.exe", readFile(testFolder() / "stand-in" / "ffmpeg.exe"));
    const auto browsed = fs::current_path();
    fs::current_path(temp_.path());
    struct Row {
        std::wstring path;
        job::Error refusal;
    };
    const Row rows[] = {
        {(testFolder() / "stand-in").wstring() + L";" + path_, {}},
        {path_, u"FFmpeg MUST be installed before proceeding! Put ffmpeg.exe beside "
                u"win_tests.exe, in " +
                    testFolder().u16string() + u"\\, or in a folder on PATH."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(utf8(fromWide(row.path)));
        fs::remove_all(WorkFolder);
        setVariable(L"PATH", row.path);
        WinScriptHost windows({WorkFolder}, starter());
        EXPECT_EQ(ConversionJob::prepare({u"C:\\v\\a.avi", u"C:\\o\\", Flv}, windows), row.refusal);
        EXPECT_EQ(fs::exists(WorkFolder), !row.refusal);
    }
    fs::current_path(browsed);
}

} // namespace
