#include "platform/win/BrowseForFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::FolderBrowser;

TEST(BrowseForFolder, TheRecordAsksForFileSystemFoldersOnly)
{
    char title[] = "Select Target Folder...";
    const auto owner = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x1234));
    const BROWSEINFOA info = browseInfo(owner, title);
    EXPECT_EQ(info.hwndOwner, owner);
    EXPECT_EQ(info.pidlRoot, nullptr);
    EXPECT_EQ(info.pszDisplayName, nullptr);
    EXPECT_EQ(info.lpszTitle, title);
    EXPECT_EQ(info.ulFlags, static_cast<UINT>(BIF_RETURNONLYFSDIRS));
    EXPECT_EQ(info.lpfn, nullptr);
    EXPECT_EQ(info.lParam, 0);
    EXPECT_EQ(info.iImage, 0);
}

TEST(BrowseForFolder, ThePathEndsAtTheFirstNul)
{
    struct Row {
        std::string buffer;
        std::u16string path;
    };
    const Row rows[] = {
        {std::string("E:\\out\0old", 10), u"E:\\out"},
        {std::string("C:\\\0", 4), u"C:\\"},
        {std::string(MAX_PATH, '\0'), u""},
        {"\\\\server\\share\\folder", u"\\\\server\\share\\folder"},
        {std::string(MAX_PATH, 'x'), std::u16string(MAX_PATH, u'x')},
    };
    for (const auto& row : rows)
        EXPECT_EQ(pathFromBuffer(row.buffer.data(), row.buffer.size()), row.path);
}

} // namespace
