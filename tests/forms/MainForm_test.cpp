#include "forms/AboutForm.h"
#include "forms/MainForm.h"
#include "job/ConversionJob.h"
#include "tests/support/FakeMainView.h"
#include "tests/support/FakeScriptHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

using forms::MainForm;
using platform::ScriptDialect;
namespace Messages = ConversionJob::Messages;

struct MainFormTest : ::testing::Test {
    FakeMainView view;
    FakeScriptHost host;
    MainForm form{view, host};
};

TEST_F(MainFormTest, AddSetsTheOpenDialogAndACancelKeepsTheField)
{
    view.nextFile = u"/v/party.avi";
    form.Button38_Click();
    EXPECT_EQ(view.source, u"/v/party.avi");
    ASSERT_EQ(view.openDialogs.size(), 1u);
    EXPECT_EQ(view.openDialogs[0].DialogTitle, u"Open ...");
    EXPECT_EQ(view.openDialogs[0].Filter,
              u"All (*.avi; *.flv; *.wmv; *.mpg; *.mpeg)|*.avi; *.flv; *.wmv; *.mpg; *.mpeg");

    view.source = u"/typed/by hand.avi";
    view.nextFile.reset();
    form.Button38_Click();
    EXPECT_EQ(view.source, u"/typed/by hand.avi");
    // The dialog remembers the file chosen last, for its next use.
    EXPECT_EQ(view.openDialogs[1].FileName, u"/v/party.avi");

    form.Button2_Click();
    EXPECT_EQ(view.source, u"");
}

TEST_F(MainFormTest, TheStartFileGoesToTheSourceFieldOnlyWhenItIsAFile)
{
    struct Row {
        std::u16string file;
        std::u16string source;
        std::u16string message;
    };
    const Row rows[] = {
        {u"/v/party.avi", u"/v/party.avi", u""},
        {u"/v/gone.avi", u"typed", u"The source file /v/gone.avi does not exist."},
        {u"/v", u"typed", u"The source MUST be a video file, and /v is a folder."},
        {u"", u"typed", u""},
    };
    host.files.insert(u"/v/party.avi");
    host.folders.insert(u"/v");
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.file.begin(), row.file.end()));
        view.source = u"typed";
        view.messages.clear();
        form.Form_Load(row.file);
        EXPECT_EQ(view.source, row.source);
        EXPECT_EQ(view.messages.empty() ? u"" : view.messages.front(), row.message);
    }
}

TEST_F(MainFormTest, TargetPathTakesTheFolderAndASeparator)
{
    struct Row {
        ScriptDialect dialect;
        std::optional<std::u16string> chosen;
        std::u16string target;
    };
    const Row rows[] = {
        {ScriptDialect::Posix, u"/srv/out", u"/srv/out/"},
        {ScriptDialect::Posix, u"/", u"/"},
        {ScriptDialect::Posix, std::nullopt, u"/before/"},
        {ScriptDialect::Windows, u"E:\\out", u"E:\\out\\"},
        {ScriptDialect::Windows, u"C:\\", u"C:\\"},
        {ScriptDialect::Windows, u"\\\\server\\share\\", u"\\\\server\\share\\"},
        {ScriptDialect::Windows, u"\\\\server\\share\\folder", u"\\\\server\\share\\folder\\"},
        {ScriptDialect::Windows, std::nullopt, u"/before/"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.target.begin(), row.target.end()));
        host.scriptDialect = row.dialect;
        view.nextFolder = row.chosen;
        view.target = u"/before/";
        form.Button3_Click();
        EXPECT_EQ(view.target, row.target);
        EXPECT_EQ(view.folderPrompts.back(), u"Select Target Folder...");
    }
}

TEST_F(MainFormTest, GoRefusesWithAMessageAndStartsNothing)
{
    struct Row {
        const char* name;
        std::u16string source;
        std::u16string target;
        std::function<void(FakeScriptHost&)> setUp;
        std::u16string message;
    };
    const Row rows[] = {
        {"no target", u"/v/party.avi", u"", {}, Messages::TargetMissing},
        {"no source", u"", u"/o/", {}, Messages::SourceMissing},
        {"the source itself", u"/v/party.flv", u"/v/", {}, Messages::OverwritesSource},
        {"the script cannot be written", u"/v/party.avi", u"/o/",
         [](FakeScriptHost& h) { h.writeFailure = u"disk full"; }, u"disk full"},
        {"no converter", u"/v/party.avi", u"/o/",
         [](FakeScriptHost& h) { h.converterMissing = u"FFmpeg MUST be installed"; },
         u"FFmpeg MUST be installed"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeMainView fresh;
        FakeScriptHost freshHost;
        MainForm window(fresh, freshHost);
        if (row.setUp)
            row.setUp(freshHost);
        fresh.source = row.source;
        fresh.target = row.target;
        fresh.selected[ConversionJob::Flv] = true;
        window.Button7_Click();
        EXPECT_EQ(fresh.messages, std::vector<std::u16string>{row.message});
        EXPECT_TRUE(freshHost.scripts.empty());
        EXPECT_EQ(freshHost.starts, 0);
        EXPECT_EQ(fresh.source, row.source);
        EXPECT_EQ(fresh.target, row.target);
    }
}

TEST_F(MainFormTest, GoWritesAndStartsTheScriptOfTheHighestSelectedFormat)
{
    view.source = u"/v/party.avi";
    view.target = u"/o/";
    view.selected[ConversionJob::Avi] = true;
    view.selected[ConversionJob::Swf] = true;
    form.Button7_Click();
    EXPECT_TRUE(view.messages.empty());
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
    form.Button4_Click();
    EXPECT_EQ(view.messages, std::vector<std::u16string>{u"no script"});

    view.source = u"/v/party.avi";
    view.target = u"/o/";
    host.startFailure = u"No terminal window could be opened";
    form.Button7_Click();
    EXPECT_EQ(view.messages.back(), u"No terminal window could be opened");
    EXPECT_EQ(host.starts, 0);
}

TEST_F(MainFormTest, HelpShowsTheAboutWindowAndTheUnloadCleansUp)
{
    form.Button10_Click();
    EXPECT_EQ(view.aboutShown, 1);
    form.Button6_Click();
    EXPECT_EQ(view.closes, 1);
    // The front end unloads the window it closed.
    form.Form_Unload();
    EXPECT_EQ(host.removals, 1);
    EXPECT_EQ(view.aboutClosed, 1);
}

struct FakeAboutView final : forms::AboutView {
    std::vector<std::u16string> openedUrls;
    int closes = 0;
    void openUrl(const std::u16string& address) override { openedUrls.push_back(address); }
    void close() override { ++closes; }
};

TEST(AboutForm, EachLinkOpensItsPageThenCloses)
{
    struct Row {
        void (forms::AboutForm::*click)();
        std::u16string page;
    };
    const Row rows[] = {
        {&forms::AboutForm::Image1_Click, u"https://www.pelmora.example/"},
        {&forms::AboutForm::Label2_Click, u"https://ffmpeg.org/"},
    };
    for (const auto& row : rows) {
        FakeAboutView view;
        forms::AboutForm about(view);
        (about.*row.click)();
        EXPECT_EQ(view.openedUrls, std::vector<std::u16string>{row.page});
        EXPECT_EQ(view.closes, 1);
    }
}

} // namespace
