#include "job/ConversionJob.h"

#include "job/ScriptText.h"
#include "tests/support/FakeScriptHost.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <utility>

namespace {

using namespace ConversionJob;
using job::ScriptDialect;

constexpr std::array<bool, FormatCount> None{};
constexpr std::array<bool, FormatCount> Flv{false, true, false, false};
constexpr std::array<bool, FormatCount> Swf{false, false, true, false};

Script planned(const Inputs& inputs, ScriptDialect dialect)
{
    const Plan result = plan(inputs, dialect);
    if (const auto* refusal = std::get_if<Refusal>(&result))
        ADD_FAILURE() << "refused: " << testing::PrintToString(refusal->message);
    return std::holds_alternative<Script>(result) ? std::get<Script>(result) : Script{};
}

std::u16string refusal(const Inputs& inputs, ScriptDialect dialect)
{
    const Plan result = plan(inputs, dialect);
    return std::holds_alternative<Refusal>(result) ? std::get<Refusal>(result).message : u"";
}

TEST(Extension, HighestSelectedFormatWins)
{
    struct Row {
        std::array<bool, FormatCount> selected;
        std::u16string extension;
    };
    const Row rows[] = {
        {None, u""},
        {{true, false, false, false}, u".avi"},
        {Flv, u".flv"},
        {Swf, u".swf"},
        {{false, false, false, true}, u".wmv"},
        {{false, true, false, true}, u".wmv"},
        {{true, false, true, false}, u".swf"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(extension(row.selected), row.extension);
}

struct OutputRow {
    std::u16string target;
    std::u16string source;
    std::array<bool, FormatCount> selected;
    std::u16string output;
    bool targetIsFolder = false;
};

TEST(OutputPath, InBothDialects)
{
    const OutputRow windows[] = {
        {u"E:\\out\\", u"D:\\clips\\party.avi", Flv, u"E:\\out\\party.flv"},
        {u"E:\\out", u"D:\\clips\\party.avi", Flv, u"E:\\outparty.flv"},
        {u"\\", u"D:\\clips\\party.avi", Flv, u"\\party.flv"},
        {u"C:\\\\", u"D:\\clips\\party.avi", Flv, u"C:\\\\party.flv"},
        {u"E:\\out\\", u"D:\\clips\\party.mpeg", Flv, u"E:\\out\\party.flv"},
        {u"E:\\out\\", u"D:\\clips\\movie", Flv, u"E:\\out\\movie.flv"},
        {u"E:\\out\\", u"D:\\clips\\a.b", Flv, u"E:\\out\\a.flv"},
        {u"E:\\out\\", u"D:\\my.clips\\movie", Flv, u"E:\\out\\movie.flv"},
        {u"E:\\out\\", u"D:/my.clips/movie", Flv, u"E:\\out\\movie.flv"},
        {u"C:\\out\\", u"C:/clips/party.avi", Flv, u"C:\\out\\party.flv"},
        {u"C:\\out\\", u"D:\\clips/party.avi", Flv, u"C:\\out\\party.flv"},
        {u"C:\\out\\", u"D:party.avi", Flv, u"C:\\out\\party.flv"},
        {u"C:\\", u"D:\\clips\\party.avi", Flv, u"C:\\party.flv", true},
        {u"E:\\out", u"D:\\clips\\party.avi", Flv, u"E:\\out\\party.flv", true},
        {u"E:/out/", u"D:\\clips\\party.avi", Flv, u"E:/out/party.flv", true},
        {u"C:", u"D:\\clips\\party.avi", Flv, u"C:party.flv", true},
        {u"-out\\", u"D:\\clips\\party.avi", Flv, u".\\-out\\party.flv"},
        {u"-", u"D:\\clips\\party.avi", Flv, u".\\-party.flv"},
        {u" ", u"D:\\clips\\party.avi", Flv, u" party.flv"},
        {u"E:\\out\\", u"  D:\\clips\\party.avi", Flv, u"E:\\out\\party.flv"},
        {u"E:\\out\\", u"D:\\v\\auxiliary.avi", Flv, u"E:\\out\\auxiliary.flv"},
    };
    const OutputRow posix[] = {
        {u"/srv/out/", u"/home/ann/party.avi", Flv, u"/srv/out/party.flv"},
        {u"/srv/out", u"/home/ann/party.avi", Flv, u"/srv/outparty.flv"},
        {u"/", u"/home/ann/party.avi", Swf, u"/party.swf"},
        {u"/srv/out/", u"C:\\clips\\party.avi", Flv, u"/srv/out/C:\\clips\\party.flv"},
        {u"out/", u"party.avi", Flv, u"out/party.flv"},
        {u"/srv/out/", u"/v/holiday.mpeg", Flv, u"/srv/out/holiday.flv"},
        {u"/srv/out/", u"a.b", Flv, u"/srv/out/a.flv"},
        {u"/srv/out/", u"/v/film\U0001F3ACabc", Flv, u"/srv/out/film\U0001F3ACabc.flv"},
        {u"/srv/out/", u"/v/.hidden", Flv, u"/srv/out/.hidden.flv"},
        {u"/srv/out/", u"/v/archive.tar.gz", Flv, u"/srv/out/archive.tar.flv"},
        {u"/srv/videos/out", u"/v/clip.avi", Flv, u"/srv/videos/out/clip.flv", true},
        {u"/srv/out/", u"/v/clip.avi", Flv, u"/srv/out/clip.flv", true},
        {u"-out/", u"/v/party.avi", Flv, u"./-out/party.flv"},
        {u"-", u"/v/party.avi", Flv, u"./-party.flv"},
        {u"/srv/out/", u"/v/con.avi", Flv, u"/srv/out/con.flv"},
    };
    const std::pair<ScriptDialect, std::span<const OutputRow>> tables[] = {
        {ScriptDialect::Windows, windows}, {ScriptDialect::Posix, posix}};
    for (const auto& [dialect, rows] : tables) {
        for (const auto& row : rows) {
            SCOPED_TRACE(testing::PrintToString(row.target + u" + " + row.source));
            const Plan result =
                plan({row.source, row.target, row.selected}, dialect, row.targetIsFolder);
            ASSERT_TRUE(std::holds_alternative<Script>(result));
            EXPECT_EQ(std::get<Script>(result).outputPath, row.output);
        }
    }
}

TEST(OutputPath, AThreeLetterExtensionIsCutAsItAlwaysWas)
{
    for (const std::u16string name :
         {u"party.avi", u"a.b.c.mpg", u"Gr\u00f6\u00dfe.WMV", u"x y.f v"}) {
        const std::u16string combined = u"/o/" + name;
        EXPECT_EQ(planned({u"/v/" + name, u"/o/", Flv}, ScriptDialect::Posix).outputPath,
                  combined.substr(0, combined.size() - 4) + u".flv");
    }
}

TEST(Refusals, EachNamesItsReason)
{
    struct Row {
        Inputs inputs;
        ScriptDialect dialect;
        const char16_t* message;
    };
    const Row rows[] = {
        {{u"D:\\a.avi", u"", Flv}, ScriptDialect::Windows, Messages::TargetMissing},
        {{u"", u"", None}, ScriptDialect::Posix, Messages::TargetMissing},
        {{u"", u"E:\\out\\", None}, ScriptDialect::Windows, Messages::SourceMissing},
        {{u"D:\\clips\\party.avi", u"E:\\out\\", None},
         ScriptDialect::Windows,
         Messages::FormatMissing},
        {{u"/v/movie", u"/v/", None}, ScriptDialect::Posix, Messages::FormatMissing},
        {{u"D:\\", u"\\", Flv}, ScriptDialect::Windows, Messages::NameMissing},
        {{u"D:\\clips/", u"E:\\", Flv}, ScriptDialect::Windows, Messages::NameMissing},
        {{u"/x/", u"/out/", Flv}, ScriptDialect::Posix, Messages::NameMissing},
        {{u"D:\\clips\\party.flv", u"D:\\clips\\", Flv},
         ScriptDialect::Windows,
         Messages::OverwritesSource},
        {{u"D:\\Zips\\PARTY.FLV", u"d:\\zips\\", Flv},
         ScriptDialect::Windows,
         Messages::OverwritesSource},
        {{u"/v/party.flv", u"/v/", Flv}, ScriptDialect::Posix, Messages::OverwritesSource},
        {{u"D:\\a\"b.avi", u"E:\\", Flv}, ScriptDialect::Windows, Messages::UnsafeWindows},
        {{u"D:\\ab.avi", u"E:\\\"", Flv}, ScriptDialect::Windows, Messages::UnsafeWindows},
        {{u"D:\\a\tb.avi", u"E:\\", Flv}, ScriptDialect::Windows, Messages::UnsafeWindows},
        {{u"/v/a\nb.avi", u"/o/", Flv}, ScriptDialect::Posix, Messages::UnsafePosix},
        {{u"/v/ab.avi", u"/o\x1b/", Flv}, ScriptDialect::Posix, Messages::UnsafePosix},
        {{u"/v/a\x7f.avi", u"/o/", Flv}, ScriptDialect::Posix, Messages::UnsafePosix},
        {{u"D:\\v\\con.avi", u"E:\\", Flv}, ScriptDialect::Windows, Messages::DeviceName},
        {{u"D:\\v\\on.avi", u"E:\\c", Flv}, ScriptDialect::Windows, Messages::DeviceName},
        {{u"D:\\v\\Lpt9  .tar.mp4", u"E:", Flv}, ScriptDialect::Windows, Messages::DeviceName},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.inputs.target + u" + " + row.inputs.source));
        EXPECT_EQ(refusal(row.inputs, row.dialect), row.message);
    }
}

TEST(Refusals, OnlyTheEmptyTargetIsMissing)
{
    EXPECT_EQ(refusal({u"/v/party.avi", u" ", Flv}, ScriptDialect::Posix), u"");
    EXPECT_EQ(refusal({u" ", u"/out/", Flv}, ScriptDialect::Posix), u"");
    EXPECT_EQ(refusal({u"/v/party.flv", u"/v/", Swf}, ScriptDialect::Posix), u"");
}

// What cmd.exe and the converter's C runtime read from the script is the path itself. The job
// never plans a path with a trailing backslash, but the script must not depend on it.
TEST(ScriptBytes, CmdReadsEachPathAsItIs)
{
    const std::pair<std::u16string, std::u16string> rows[] = {
        {u"E:\\out\\", u" \"D:\\x\\abcd\" \"E:\\out\\\\\"\r\n"},
        {u"E:\\%PATH%", u" \"D:\\x\\abcd\" \"E:\\%%PATH%%\"\r\n"},
    };
    for (const auto& [output, line] : rows) {
        const auto text =
            ScriptText::compose(ScriptDialect::Windows, u"D:\\x\\abcd", output, false);
        EXPECT_NE(text.find(u"ffmpeg.exe -i" + line), std::u16string::npos)
            << testing::PrintToString(text);
    }
}

TEST(Prepare, StopsBeforeWritingWhenRefused)
{
    struct Row {
        const char* name;
        Inputs inputs;
        std::u16string message;
        bool converter = false;
    };
    const Row rows[] = {
        {"empty target", {u"/v/party.avi", u"", Flv}, Messages::TargetMissing},
        {"target of blanks", {u"/v/party.avi", u"   ", Flv}, Messages::TargetMissing},
        {"still relative once made whole",
         {u"clip.avi", u"/o/", Flv},
         u"The path clip.avi could not be read from the folder Varnelo was started in. Type the "
         u"whole path."},
        {"no format", {u"/v/clip.avi", u"/o/", None}, Messages::FormatMissing},
        {"same file by another name", {u"/v/party.avi", u"/o/", Flv}, Messages::OverwritesSource},
        {"no converter", {u"/v/clip.avi", u"/o/", Flv}, u"no ffmpeg"},
        {"the script cannot be written", {u"/v/clip.avi", u"/o/", Flv}, u"disk full", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeScriptHost fake;
        fake.sameFiles.insert({u"/v/party.avi", u"/o/party.flv"});
        if (!row.converter)
            fake.converterMissing = u"no ffmpeg";
        fake.writeFailure = u"disk full";
        EXPECT_EQ(prepare(row.inputs, fake), row.message);
        EXPECT_TRUE(fake.scripts.empty());
    }
}

// The consoles work in a folder of their own: what the fields say is read from the program's.
TEST(Prepare, PathsAreReadAsTheProgramsCurrentFolderReadsThem)
{
    struct Row {
        Inputs inputs;
        std::u16string line;
    };
    const Row rows[] = {
        {{u"/v/clip.avi", u"/srv/videos/out", Flv}, u" '/v/clip.avi' '/srv/videos/out/clip.flv'\n"},
        {{u"clip.avi", u"out/", Flv}, u" '/home/ann/clip.avi' '/home/ann/out/clip.flv'\n"},
        {{u"  /v/clip.avi", u" /o/", Flv}, u" '/v/clip.avi' '/o/clip.flv'\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.inputs.target));
        FakeScriptHost fake;
        fake.currentFolder = u"/home/ann/";
        fake.folders.insert(u"/srv/videos/out");
        ASSERT_EQ(prepare(row.inputs, fake), std::nullopt);
        ASSERT_EQ(fake.scripts.size(), 1u);
        EXPECT_NE(fake.scripts[0].find(row.line), std::u16string::npos)
            << testing::PrintToString(fake.scripts[0]);
    }
}

} // namespace
