#include "platform/ScriptRuns.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

TEST(ScriptRuns, EachRunGetsACopyThatLaterScriptsLeaveAlone)
{
    TempFolder temp;
    platform::ScriptRuns runs(temp.path(), "temp.bat", 42);
    writeFile(runs.script(), "first");
    // A copy left by an earlier program with the same process id is skipped, not overwritten.
    writeFile(temp.path() / "temp-42-1.bat", "stale");

    std::error_code error;
    const auto first = runs.copyForRun(error);
    ASSERT_FALSE(error) << error.message();
    writeFile(runs.script(), "second");
    const auto second = runs.copyForRun(error);
    ASSERT_FALSE(error) << error.message();

    EXPECT_EQ(first.filename(), "temp-42-2.bat");
    EXPECT_EQ(second.filename(), "temp-42-3.bat");
    EXPECT_EQ(readFile(first), "first");
    EXPECT_EQ(readFile(second), "second");
    EXPECT_EQ(readFile(temp.path() / "temp-42-1.bat"), "stale");
}

TEST(ScriptRuns, NoScriptNoCopy)
{
    TempFolder temp;
    platform::ScriptRuns runs(temp.path(), "temp.sh", 7);
    std::error_code error;
    EXPECT_TRUE(runs.copyForRun(error).empty());
    EXPECT_TRUE(error);
}

TEST(ScriptRuns, RemovesOnlyItsOwnFilesAndThenAnEmptyFolder)
{
    struct Row {
        const char* name;
        const char* foreignFile;
        const char* foreignFolder;
        bool folderStays;
    };
    const Row rows[] = {
        {"nothing foreign", nullptr, nullptr, false},
        {"a converted video", "party.flv", nullptr, true},
        {"another program's copy", "temp-99-1.sh", nullptr, true},
        {"a subfolder", nullptr, "keep", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder temp;
        const auto work = temp.path() / "VC_Temp";
        fs::create_directory(work);
        platform::ScriptRuns runs(work, "temp.sh", 5);
        writeFile(runs.script(), "script");
        std::error_code error;
        const auto copy = runs.copyForRun(error);
        if (row.foreignFile)
            writeFile(work / row.foreignFile, "theirs");
        if (row.foreignFolder)
            fs::create_directory(work / row.foreignFolder);

        runs.removeAll();

        EXPECT_FALSE(fs::exists(runs.script()));
        EXPECT_FALSE(fs::exists(copy));
        EXPECT_EQ(fs::exists(work), row.folderStays);
        if (row.foreignFile) {
            EXPECT_EQ(readFile(work / row.foreignFile), "theirs");
        }
    }
}

TEST(ScriptRuns, RemovingAMissingFolderIsQuiet)
{
    TempFolder temp;
    platform::ScriptRuns runs(temp.path() / "never-made", "temp.sh", 5);
    runs.removeAll();
    EXPECT_FALSE(fs::exists(temp.path() / "never-made"));
}

TEST(ScriptRuns, DiscardedCopiesAreGone)
{
    TempFolder temp;
    platform::ScriptRuns runs(temp.path(), "temp.sh", 5);
    writeFile(runs.script(), "script");
    std::error_code error;
    const auto copy = runs.copyForRun(error);
    runs.discard(copy);
    EXPECT_FALSE(fs::exists(copy));
}

TEST(ScriptRuns, ACopyInUseStaysAndSoDoesItsFolder)
{
    TempFolder temp;
    const auto work = temp.path() / "VC_Temp";
    fs::create_directory(work);
    platform::ScriptRuns runs(work, "temp.bat", 5);
    writeFile(runs.script(), "script");
    std::error_code error;
    const auto running = runs.copyForRun(error);
    const auto finished = runs.copyForRun(error);

    runs.removeAll([&](const fs::path& copy) { return copy == running; });

    EXPECT_TRUE(fs::exists(running));
    EXPECT_FALSE(fs::exists(finished));
    EXPECT_FALSE(fs::exists(runs.script()));
    runs.removeAll();
    EXPECT_FALSE(fs::exists(work));
}

} // namespace
