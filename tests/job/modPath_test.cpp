#include "job/modPath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

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

std::u16string withSeparator(std::u16string text, char16_t separator)
{
    for (auto& c : text) {
        if (c == u'\\')
            c = separator;
    }
    return text;
}

class PathHelpers : public testing::TestWithParam<char16_t> {};

TEST_P(PathHelpers, SplitFolderAndFileName)
{
    const char16_t separator = GetParam();
    for (const auto& row : Rows) {
        const auto path = withSeparator(row.path, separator);
        SCOPED_TRACE(testing::PrintToString(path));
        EXPECT_EQ(modPath::FolderPart(path, separator), withSeparator(row.folder, separator));
        EXPECT_EQ(modPath::FileNamePart(path, separator), withSeparator(row.fileName, separator));
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, PathHelpers,
                         testing::Values(modPath::WindowsSeparator, modPath::PosixSeparator),
                         [](const auto& tested) {
                             return tested.param == modPath::WindowsSeparator ? "Windows" : "Posix";
                         });

TEST(PathHelpers, TheOtherSystemsSeparatorIsAnOrdinaryCharacter)
{
    EXPECT_EQ(modPath::FileNamePart(u"D:/clips/party.avi", modPath::WindowsSeparator),
              u"D:/clips/party.avi");
    EXPECT_EQ(modPath::FileNamePart(u"/home/a\\b.avi", modPath::PosixSeparator), u"a\\b.avi");
}

TEST(PathHelpers, PathsBeyondSixteenBitLengthsWork)
{
    const std::u16string folder = u"/" + std::u16string(40000, u'd') + u"/";
    EXPECT_EQ(modPath::FolderPart(folder + u"clip.avi", modPath::PosixSeparator), folder);
    EXPECT_EQ(modPath::FileNamePart(folder + u"clip.avi", modPath::PosixSeparator), u"clip.avi");
}

} // namespace
