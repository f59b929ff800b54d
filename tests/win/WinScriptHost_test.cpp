#include "platform/win/WinScriptHost.h"

#include "job/ConversionJob.h"
#include "job/ScriptText.h"
#include "platform/win/ConsoleStart.h"
#include "platform/win/WideText.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace fs = std::filesystem;

namespace {

using ConversionJob::Inputs;
using platform::WinScriptHost;
using platform::WideText::fromCodePage;
using platform::WideText::fromWide;

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
    return *platform::WideText::toCodePage(text, CP_UTF8);
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
        if (!platform::WideText::toCodePage(std::u16string(1, c), GetOEMCP()))
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

TEST_F(Consoles, CleanUpRemovesOnlyTheProgramsScripts)
{
    struct Row {
        const char* name;
        bool foreignFile;
        bool folderStays;
    };
    for (const auto& row :
         {Row{"own scripts only", false, false}, Row{"a video too", true, true}}) {
        SCOPED_TRACE(row.name);
        WinScriptHost windows(WorkFolder, starter());
        ASSERT_EQ(ConversionJob::prepare({u"C:\\a.avi", u"C:\\o\\", Flv}, windows), std::nullopt);
        ASSERT_EQ(windows.startScript(), std::nullopt);
        waitForConsoles();
        if (row.foreignFile)
            writeFile(WorkFolder / "party.flv", "video");

        windows.removeScripts();

        EXPECT_FALSE(fs::exists(WorkFolder / "temp.bat"));
        EXPECT_EQ(fs::exists(WorkFolder), row.folderStays);
        if (row.foreignFile) {
            EXPECT_EQ(readFile(WorkFolder / "party.flv"), "video");
            EXPECT_EQ(std::distance(fs::directory_iterator(WorkFolder), fs::directory_iterator()),
                      1);
        }
        fs::remove_all(WorkFolder);
    }
}

TEST_F(Consoles, CleanUpLeavesTheScriptOfARunningConsole)
{
    setVariable(L"FAKE_DELAY", L"1500");
    {
        WinScriptHost windows(WorkFolder, starter());
        ASSERT_EQ(ConversionJob::prepare({u"C:\\v\\slow.avi", u"C:\\o\\", Flv}, windows),
                  std::nullopt);
        ASSERT_EQ(windows.startScript(), std::nullopt);
        Sleep(300);

        windows.removeScripts();

        EXPECT_FALSE(fs::exists(WorkFolder / "temp.bat"));
        EXPECT_EQ(std::distance(fs::directory_iterator(WorkFolder), fs::directory_iterator()), 1);
        waitForConsoles();
        EXPECT_EQ(readFile(record_), "[-i][C:\\v\\slow.avi][C:\\o\\slow.flv]\n");
    }
    setVariable(L"FAKE_DELAY", L"0");
    WinScriptHost later(WorkFolder, starter());
    later.removeScripts();
    EXPECT_TRUE(fs::exists(WorkFolder)) << "another program's copy is not ours to delete";
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
