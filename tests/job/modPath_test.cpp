#include "job/modPath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <span>
#include <string>

namespace {

using job::ScriptDialect;

struct PathRow {
    std::u16string path;
    std::u16string folder;
    std::u16string fileName;
};

// Rows written with backslashes; the POSIX run swaps them for slashes.
const PathRow Rows[] = {
    {u"D:\\clips\\party.avi", u"D:\\clips\\", u"party.avi"},
    {u"party.avi", u"", u"party.avi"},
    {u"", u"", u""},
    {u"C:\\", u"C:\\", u""},
    {u"D:\\clips\\", u"D:\\clips\\", u""},
    {u"\\party.avi", u"\\", u"party.avi"},
    {u"\\\\server\\share\\x.avi", u"\\\\server\\share\\", u"x.avi"},
    {u"D:\\clips\\party.avi  ", u"D:\\clips\\", u"party.avi  "},
    {u"  D:\\clips\\party.avi", u"D:\\clips\\", u"party.avi"},
    {u"  party.avi", u"", u"  party.avi"},
    {u"   ", u"", u"   "},
    {u" \\a b\\c d.avi ", u"\\a b\\", u"c d.avi "},
    {u"D:\\clips\\\tparty.avi", u"D:\\clips\\", u"\tparty.avi"},
};

// Rows that only a Windows path has: the other slash and a drive's colon end a folder too.
const PathRow WindowsRows[] = {
    {u"C:/clips/party.avi", u"C:/clips/", u"party.avi"},
    {u"D:\\clips/sub\\party.avi", u"D:\\clips/sub\\", u"party.avi"},
    {u"C:party.avi", u"C:", u"party.avi"},
    {u"  C:party.avi", u"C:", u"party.avi"},
    {u"C:", u"C:", u""},
};

// Rows whose characters are ordinary in a POSIX name.
const PathRow PosixRows[] = {
    {u"/home/a\\b.avi", u"/home/", u"a\\b.avi"},
    {u"C:party.avi", u"", u"C:party.avi"},
    {u"/v/C:\\clips\\party.avi", u"/v/", u"C:\\clips\\party.avi"},
};

std::u16string withSeparator(std::u16string text, ScriptDialect dialect)
{
    for (auto& c : text) {
        if (c == u'\\')
            c = modPath::Separator(dialect);
    }
    return text;
}

class PathHelpers : public testing::TestWithParam<ScriptDialect> {};

TEST_P(PathHelpers, SplitFolderAndFileName)
{
    const ScriptDialect dialect = GetParam();
    const auto check = [dialect](const PathRow& row, const std::u16string& path) {
        SCOPED_TRACE(testing::PrintToString(path));
        EXPECT_EQ(modPath::FolderPart(path, dialect), row.folder);
        EXPECT_EQ(modPath::FileNamePart(path, dialect), row.fileName);
    };
    for (const auto& row : Rows) {
        const PathRow written{withSeparator(row.path, dialect), withSeparator(row.folder, dialect),
                              withSeparator(row.fileName, dialect)};
        check(written, written.path);
    }
    for (const auto& row : dialect == ScriptDialect::Windows ? std::span<const PathRow>(WindowsRows)
                                                             : std::span<const PathRow>(PosixRows))
        check(row, row.path);
}

INSTANTIATE_TEST_SUITE_P(BothDialects, PathHelpers,
                         testing::Values(ScriptDialect::Windows, ScriptDialect::Posix),
                         [](const auto& tested) {
                             return tested.param == ScriptDialect::Windows ? "Windows" : "Posix";
                         });

// The system's own path strings take the same answers as the program's texts.
std::filesystem::path::string_type systemPath(const std::u16string& text)
{
    return {text.begin(), text.end()};
}

TEST(PathHelpers, ExtensionsSeparatorsAndAbsolutePathsPerDialect)
{
    struct Row {
        ScriptDialect dialect;
        std::u16string path;
        std::u16string extension;
        std::u16string withSeparator; // the path taken as a folder
        bool absolute;
    };
    const Row rows[] = {
        {ScriptDialect::Windows, u"D:\\clips\\party.avi", u".avi", u"D:\\clips\\party.avi\\", true},
        {ScriptDialect::Windows, u"D:/my.clips/movie", u"", u"D:/my.clips/movie\\", true},
        {ScriptDialect::Windows, u"C:.hidden", u"", u"C:.hidden\\", false},
        {ScriptDialect::Windows, u"C:\\", u"", u"C:\\", true},
        {ScriptDialect::Windows, u"C:/", u"", u"C:/", true},
        {ScriptDialect::Windows, u"C:", u"", u"C:", false},
        {ScriptDialect::Windows, u"", u"", u"", false},
        {ScriptDialect::Windows, u"\\\\server\\share", u"", u"\\\\server\\share\\", true},
        {ScriptDialect::Windows, u"//server/share", u"", u"//server/share\\", true},
        {ScriptDialect::Windows, u"\\clips", u"", u"\\clips\\", false},
        {ScriptDialect::Windows, u"1:\\clips", u"", u"1:\\clips\\", false},
        {ScriptDialect::Windows, u"::\\clips", u"", u"::\\clips\\", false},
        {ScriptDialect::Posix, u"/", u"", u"/", true},
        {ScriptDialect::Posix, u"/v/.hidden", u"", u"/v/.hidden/", true},
        {ScriptDialect::Posix, u"/v/a.b\\c", u".b\\c", u"/v/a.b\\c/", true},
        {ScriptDialect::Posix, u"C:", u"", u"C:/", false},
        {ScriptDialect::Posix, u".", u"", u"./", false},
        {ScriptDialect::Posix, u"v/a", u"", u"v/a/", false},
        {ScriptDialect::Posix, u"\\v", u"", u"\\v/", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.path));
        EXPECT_EQ(modPath::ExtensionPart(row.path, row.dialect), row.extension);
        EXPECT_EQ(modPath::WithSeparator(row.path, row.dialect), row.withSeparator);
        EXPECT_EQ(modPath::Join(row.path, u"x", row.dialect), row.withSeparator + u"x");
        EXPECT_EQ(modPath::IsAbsolute(row.path, row.dialect), row.absolute);
        const auto path = systemPath(row.path);
        EXPECT_EQ(modPath::ExtensionPart(path, row.dialect), systemPath(row.extension));
        EXPECT_EQ(modPath::Join(path, systemPath(u"x"), row.dialect),
                  systemPath(row.withSeparator + u"x"));
        EXPECT_EQ(modPath::IsAbsolute(path, row.dialect), row.absolute);
    }
}

TEST(PathHelpers, PathsBeyondSixteenBitLengthsWork)
{
    const std::u16string folder = u"/" + std::u16string(40000, u'd') + u"/";
    EXPECT_EQ(modPath::FolderPart(folder + u"clip.avi", ScriptDialect::Posix), folder);
    EXPECT_EQ(modPath::FileNamePart(folder + u"clip.avi", ScriptDialect::Posix), u"clip.avi");
}

} // namespace
