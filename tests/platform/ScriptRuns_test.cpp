#include "platform/ScriptRuns.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

platform::ScriptRuns runsIn(const fs::path& folder, const char* scriptName, unsigned long id)
{
    return {folder.native(), fs::path(scriptName).native(), id};
}

TEST(ScriptRuns, EachRunGetsACopyThatLaterScriptsLeaveAlone)
{
    TempFolder temp;
    auto runs = runsIn(temp.path(), "temp.bat", 42);
    ASSERT_FALSE(runs.write("first"));
    // A copy left by an earlier program with the same process id is skipped, not overwritten.
    writeFile(temp.path() / "temp-42-1.bat", "stale");
    // A script that could not take the name's place is not the one that runs.
    fs::remove(temp.path() / "temp.bat");
    fs::create_directory(temp.path() / "temp.bat");
    EXPECT_TRUE(runs.write("lost"));

    std::error_code error;
    const fs::path first = runs.copyForRun(error);
    ASSERT_FALSE(error) << error.message();
    fs::remove(temp.path() / "temp.bat");
    ASSERT_FALSE(runs.write("second"));
    const fs::path second = runs.copyForRun(error);
    ASSERT_FALSE(error) << error.message();

    EXPECT_EQ(first.filename(), "temp-42-2.bat");
    EXPECT_EQ(second.filename(), "temp-42-3.bat");
    EXPECT_EQ(readFile(first), "first");
    EXPECT_EQ(readFile(second), "second");
    EXPECT_EQ(readFile(temp.path() / "temp-42-1.bat"), "stale");
}

// Two programs share the work folder and its script's name: the second writes its script
// between the first one's GO and the first one's start, as a window may while another waits.
TEST(ScriptRuns, EachProgramRunsTheScriptItWroteItself)
{
    TempFolder temp;
    auto first = runsIn(temp.path(), "temp.sh", 5);
    auto second = runsIn(temp.path(), "temp.sh", 7);
    auto none = runsIn(temp.path(), "temp.sh", 9);
    ASSERT_FALSE(first.write("the first job"));
    ASSERT_FALSE(second.write("the second job"));
    std::vector<fs::path> started;
    const auto console = [&started](const std::u16string& path) {
        started.emplace_back(path);
        return job::Error();
    };

    ASSERT_EQ(first.start(console), std::nullopt);
    ASSERT_EQ(second.start(console), std::nullopt);
    EXPECT_EQ(none.start(console),
              std::u16string(u"There is no conversion script to run yet: press GO first!"));

    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(readFile(started[0]), "the first job");
    EXPECT_EQ(readFile(started[1]), "the second job");
}

TEST(ScriptRuns, CleanUpRemovesOnlyTheScriptsNoConsoleUsesThenAnEmptyFolder)
{
    struct Row {
        const char* name;
        std::vector<std::string> others; // put in the folder; a final slash makes a folder
        std::set<std::string> inUse;
        std::set<std::string> left;
        bool pressedGo = true;
    };
    const Row rows[] = {
        {"nothing else", {}, {}, {}},
        {"a converted video", {"party.flv"}, {}, {"party.flv"}},
        {"a subfolder", {"keep/"}, {}, {"keep"}},
        {"its copy in use", {}, {"temp-5-1.sh"}, {"temp-5-1.sh"}},
        {"copies of ended programs", {"temp-8-1.sh", "temp-9-4.sh", "temp-5-0.sh"}, {}, {}},
        {"a copy of an ended program in use", {"temp-8-1.sh"}, {"temp-8-1.sh"}, {"temp-8-1.sh"}},
        {"names like a copy's",
         {"temp-8.sh", "temp-x-1.sh", "temp-8-1.sh.txt", "temp-8-1-2.sh"},
         {},
         {"temp-8.sh", "temp-x-1.sh", "temp-8-1.sh.txt", "temp-8-1-2.sh"}},
        {"another program's script in its place", {"temp.sh"}, {}, {"temp.sh"}},
        {"a script of the user's, no GO", {"temp.sh"}, {}, {"temp.sh"}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder temp;
        const auto work = temp.path() / "VC_Temp";
        fs::create_directory(work);
        auto runs = runsIn(work, "temp.sh", 5);
        if (row.pressedGo) {
            ASSERT_FALSE(runs.write("script"));
            std::error_code error;
            ASSERT_EQ(fs::path(runs.copyForRun(error)).filename(), "temp-5-1.sh");
        }
        for (const auto& name : row.others) {
            if (name.back() == '/')
                fs::create_directory(work / name);
            else
                writeFile(work / name, "theirs");
        }

        // Asked with the id the copy's name holds.
        runs.removeAll([&](const fs::path& copy, unsigned long id) {
            const auto name = copy.filename().string();
            return row.inUse.count(name) && name.starts_with("temp-" + std::to_string(id) + "-");
        });

        std::set<std::string> left;
        if (fs::exists(work)) {
            for (const auto& entry : fs::directory_iterator(work))
                left.insert(entry.path().filename().string());
        }
        EXPECT_EQ(left, row.left);
        EXPECT_EQ(fs::exists(work), !row.left.empty());
    }
}

TEST(ScriptRuns, CleanUpLeavesAnythingButAFolderInItsPlace)
{
    TempFolder temp;
    const auto file = temp.path() / "VC_Temp";
    auto runs = runsIn(file, "temp.sh", 5);
    const auto anyCopy = [](const fs::path&, unsigned long) { return false; };
    runs.removeAll(anyCopy);
    EXPECT_FALSE(fs::exists(file));
    writeFile(file, "a file of the user's");
    runs.removeAll(anyCopy);
    EXPECT_EQ(readFile(file), "a file of the user's");
}

} // namespace
