#include "forms/AboutForm.h"
#include "forms/MainForm.h"
#include "job/ConversionJob.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeMainView.h"
#include "tests/support/FakeScriptHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

using forms::MainForm;
using job::ScriptDialect;
namespace Messages = ConversionJob::Messages;

// The main window's behaviour over fakes of what it asks for.
struct Fakes {
    FakeMainView view;
    FakeDialogs dialogs;
    FakeScriptHost host;
    MainForm form{view, dialogs, host};
};

struct MainFormTest : ::testing::Test, Fakes {};

TEST_F(MainFormTest, AddSetsTheOpenDialogAndACancelKeepsTheField)
{
    dialogs.nextFile = u"/v/party.avi";
    form.Button38_Click();
    EXPECT_EQ(view.source, u"/v/party.avi");
    ASSERT_EQ(dialogs.openDialogs.size(), 1u);

    view.source = u"/typed/by hand.avi";
    dialogs.nextFile.reset();
    form.Button38_Click();
    EXPECT_EQ(view.source, u"/typed/by hand.avi");
    // The dialog remembers the file chosen last, for its next use.
    EXPECT_EQ(dialogs.openDialogs[1].FileName, u"/v/party.avi");
    // Where a cancel is asked to be an error, it is one.
    forms::CommonDialog strict(dialogs, view);
    strict.CancelError = true;
    EXPECT_THROW(strict.ShowOpen(), forms::CommonDialog::Cancelled);

    form.Button2_Click();
    EXPECT_EQ(view.source, u"");
}

// One rule for both systems: the first file, as a whole local path, or a message that says why
// not and what became of the others.
TEST_F(MainFormTest, TheStartFilesAreReadByOneRule)
{
    constexpr auto Posix = ScriptDialect::Posix;
    constexpr auto Windows = ScriptDialect::Windows;
    const std::u16string local = u"The source MUST be a file on this computer, and ";
    struct Row {
        ScriptDialect dialect;
        std::vector<forms::StartFile::Given> files;
        std::u16string source;
        std::u16string message;
    };
    const Row rows[] = {
        {Posix, {}, u"typed", u""},
        {Posix, {{u"party.avi"}}, u"/v/party.avi", u""},
        {Posix, {{u"/v/gone.avi"}}, u"typed", u"The source file /v/gone.avi does not exist."},
        {Posix, {{u"/v"}}, u"typed", u"The source MUST be a video file, and /v is a folder."},
        {Posix,
         {{u"/v/party.avi"}, {u"/v/a b.avi"}},
         u"/v/party.avi",
         u"One video at a time: the other 1 file given was left out."},
        {Posix,
         {{u"/v/gone.avi"}, {u"/v/party.avi"}, {u"x"}},
         u"typed",
         u"The source file /v/gone.avi does not exist. One video at a time: the other 2 files "
         u"given were left out."},
        {Posix, {{u"b\uFFFD.avi", false}}, u"typed", forms::StartFile::misread(u"b\uFFFD.avi")},
        {Posix, {{u"file:///v/100%25%20%231.avi#x"}}, u"/v/100% #1.avi", u""},
        {Posix, {{u"FILE://LocalHost/v/party.avi"}}, u"/v/party.avi", u""},
        {Posix,
         {{u"file://server/v/party.avi"}},
         u"typed",
         local + u"file://server/v/party.avi is not: it is on another computer."},
        {Posix,
         {{u"file:///v/a%00b.avi"}},
         u"typed",
         local + u"file:///v/a%00b.avi is not: it holds an escaped control character."},
        {Posix,
         {{u"file:///v/b%E9%FF.avi"}},
         u"typed",
         u"file:///v/b%E9%FF.avi was not taken: its escapes are not valid UTF-8 text."},
        {Posix, {{u"svn+ssh://h/a.avi"}}, u"typed", local + u"svn+ssh://h/a.avi is not."},
        {Windows, {{u"C:/v/clip.avi"}}, u"C:\\v\\clip.avi", u""},
        {Windows, {{u"file:///C:/v/%CE%A9mega.avi"}}, u"C:\\v\\\u03A9mega.avi", u""},
        {Windows, {{u"file:///C:/v/\U0001F3AC.avi"}}, u"C:\\v\\\U0001F3AC.avi", u""},
        {Windows,
         {{u"file:////server/share/a.avi"}},
         u"typed",
         local + u"file:////server/share/a.avi is not: it is on another computer."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.files.empty() ? u"" : row.files[0].text));
        Fakes fresh;
        fresh.host.scriptDialect = row.dialect;
        fresh.host.currentFolder = u"/v/";
        fresh.host.files = {u"/v/party.avi", u"/v/100% #1.avi", u"C:\\v\\clip.avi",
                            u"C:\\v\\\u03A9mega.avi", u"C:\\v\\\U0001F3AC.avi"};
        fresh.host.folders.insert(u"/v");
        fresh.view.source = u"typed";
        fresh.form.Form_Load(row.files);
        EXPECT_EQ(fresh.view.source, row.source);
        EXPECT_EQ(fresh.dialogs.messages.empty() ? u"" : fresh.dialogs.messages.front(),
                  row.message);
    }
}

TEST_F(MainFormTest, TargetPathTakesTheFolderAndASeparator)
{
    struct Row {
        ScriptDialect dialect;
        std::u16string chosen;
        std::u16string target;
    };
    const Row rows[] = {
        {ScriptDialect::Posix, u"/srv/out", u"/srv/out/"},
        {ScriptDialect::Posix, u"/", u"/"},
        {ScriptDialect::Windows, u"E:\\out", u"E:\\out\\"},
        {ScriptDialect::Windows, u"C:\\", u"C:\\"},
        {ScriptDialect::Windows, u"\\\\server\\share\\", u"\\\\server\\share\\"},
        {ScriptDialect::Windows, u"\\\\server\\share\\folder", u"\\\\server\\share\\folder\\"},
        {ScriptDialect::Windows, u"", u"/before/"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.target.begin(), row.target.end()));
        host.scriptDialect = row.dialect;
        dialogs.nextFolder = row.chosen;
        view.target = u"/before/";
        form.Button3_Click();
        EXPECT_EQ(view.target, row.target);
    }
}

TEST_F(MainFormTest, GoWritesAndStartsTheScriptOfTheHighestSelectedFormat)
{
    view.source = u"/v/party.avi";
    view.target = u"/o/";
    view.selected[ConversionJob::Avi] = true;
    view.selected[ConversionJob::Swf] = true;
    form.Button7_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(host.scripts.size(), 1u);
    EXPECT_NE(host.scripts[0].find(u"'/v/party.avi' -ar 44100 '/o/party.swf'"),
              std::u16string::npos);
    EXPECT_EQ(host.starts, 1);

    form.Button4_Click();
    EXPECT_EQ(host.starts, 2);
    EXPECT_EQ(host.scripts.size(), 1u);
}

TEST_F(MainFormTest, StartFailuresAreShown)
{
    view.source = u"/v/party.avi";
    view.target = u"/o/";
    view.selected[ConversionJob::Flv] = true;
    host.startFailure = u"No terminal window could be opened";
    form.Button7_Click();
    EXPECT_EQ(dialogs.messages, std::vector<std::u16string>{u"No terminal window could be opened"});
    EXPECT_EQ(host.starts, 0);
}

TEST_F(MainFormTest, TheUnloadCleansUp)
{
    form.Form_Unload();
    EXPECT_EQ(host.removals, 1);
    EXPECT_EQ(view.aboutClosed, 1);
}

// What a click made the main window do.
struct Seen {
    std::size_t opens = 0;
    std::u16string source = u"/v/party.avi";
    std::size_t folderPrompts = 0;
    std::vector<std::u16string> messages{};
    int aboutShown = 0;
    int closes = 0;

    bool operator==(const Seen&) const = default;
};

TEST(MainFormClick, EachControlReachesItsOwnHandlerAndTheOthersNone)
{
    struct Row {
        const char* control;
        Seen seen;
    };
    const Row rows[] = {
        {"Button38", {.opens = 1}},
        {"Button2", {.source = u""}},
        {"Button3", {.folderPrompts = 1}},
        {"Button7", {.messages = {Messages::TargetMissing}}},
        {"Button4", {.messages = {u"no script"}}},
        {"Button10", {.aboutShown = 1}},
        {"Button6", {.closes = 1}},
        {"Text1", {}},
        {"Image6", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.control);
        Fakes fresh;
        const FakeMainView& view = fresh.view;
        const FakeDialogs& dialogs = fresh.dialogs;
        fresh.view.source = u"/v/party.avi";
        fresh.form.click(row.control);
        const Seen seen{dialogs.openDialogs.size(), view.source,     dialogs.folderPrompts.size(),
                        dialogs.messages,           view.aboutShown, view.closes};
        EXPECT_EQ(seen, row.seen);
    }
}

TEST(MainFormDrop, AFieldTakesTheFileAndADropElsewhereGoesToTheSource)
{
    const std::u16string refused = u"The source MUST be a video file, and C:\\v is a folder.";
    const forms::StartFile::Given clip{u"C:\\v\\clip.avi"};
    struct Row {
        const char* control;
        std::vector<forms::StartFile::Given> files;
        std::u16string source;
        std::u16string target;
        std::u16string message;
    };
    const Row rows[] = {
        {"Text1", {clip}, u"C:\\v\\clip.avi", u"D:\\out\\", u""},
        {"txtPath", {clip}, u"C:\\before.avi", u"C:\\v\\clip.avi", u""},
        {"", {clip}, u"C:\\v\\clip.avi", u"D:\\out\\", u""},
        // A folder is a target, never a source.
        {"Text1", {{u"C:\\v"}}, u"C:\\before.avi", u"D:\\out\\", refused},
        {"txtPath", {{u"C:\\v"}}, u"C:\\before.avi", u"C:\\v", u""},
        {"Text1",
         {clip, clip},
         u"C:\\v\\clip.avi",
         u"D:\\out\\",
         u"One video at a time: the other 1 file given was left out."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.control);
        Fakes fresh;
        fresh.host.scriptDialect = ScriptDialect::Windows;
        fresh.host.folders.insert(u"C:\\v");
        fresh.host.files.insert(u"C:\\v\\clip.avi");
        fresh.view.source = u"C:\\before.avi";
        fresh.view.target = u"D:\\out\\";
        fresh.form.dropped(row.control, row.files);
        EXPECT_EQ(fresh.view.source, row.source);
        EXPECT_EQ(fresh.view.target, row.target);
        EXPECT_EQ(fresh.dialogs.messages.empty() ? u"" : fresh.dialogs.messages.front(),
                  row.message);
    }
}

TEST(MainFormClick, ANameOutsideTheDesignIsAFault)
{
    Fakes fresh;
    EXPECT_THROW(fresh.form.click("Button99"), std::out_of_range);
}

struct FakeAboutView final : forms::View {
    int closes = 0;
    void close() override { ++closes; }
};

TEST(AboutForm, EachLinkOpensItsPageThenCloses)
{
    struct Row {
        const char* control;
        std::vector<std::u16string> pages;
    };
    const Row rows[] = {
        {"Image1", {u"https://www.pelmora.example/"}},
        {"Label2", {u"https://ffmpeg.org/"}},
        {"Label1", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.control);
        FakeAboutView view;
        FakeDialogs dialogs;
        forms::AboutForm about(view, dialogs);
        about.click(row.control);
        EXPECT_EQ(dialogs.openedUrls, row.pages);
        EXPECT_EQ(view.closes, row.pages.empty() ? 0 : 1);
    }
}

} // namespace
