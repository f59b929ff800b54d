#include "ui/win32/Gif.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

using ui::win32::Gif::decode;

std::vector<std::byte> bytes(std::initializer_list<int> values)
{
    std::vector<std::byte> file;
    for (const int value : values)
        file.push_back(static_cast<std::byte>(value));
    return file;
}

// The screen of every file: its size, a global palette of black, red, green and blue.
#define SCREEN(width, height)                                                                      \
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, width, 0, height, 0, 0x81, 0, 0, 0, 0, 0, 0xff, 0, 0, 0,   \
        0xff, 0, 0, 0, 0xff

TEST(Gif, DecodesTheFirstPicture)
{
    struct Row {
        const char* what;
        std::vector<std::byte> file;
        int width;
        int height;
        std::string pixels; // one digit an index
        std::optional<std::uint8_t> transparent;
        std::uint32_t firstColour;
    };
    const Row rows[] = {
        {"a transparent index; strings of a code not yet in the table; wider codes",
         bytes({SCREEN(4, 3),
                0x21,
                0xf9,
                4,
                1,
                0,
                0,
                3,
                0,
                0x2c,
                0,
                0,
                0,
                0,
                4,
                0,
                3,
                0,
                0,
                2,
                5,
                0x44,
                0x8e,
                0x31,
                0xb2,
                0x05,
                0,
                0x3b}),
         4, 3, "011111113232", 3, 0x000000},
        {"interlaced rows, with a palette of the picture's own",
         bytes({SCREEN(2, 9),
                0x2c,
                0,
                0,
                0,
                0,
                2,
                0,
                9,
                0,
                0xc1,
                9,
                9,
                9,
                8,
                8,
                8,
                7,
                7,
                7,
                6,
                6,
                6,
                2,
                7,
                0x44,
                0x6c,
                0x32,
                0x1a,
                0x9a,
                0x03,
                0x0a,
                0,
                0x3b}),
         2, 9, "011223300112233001", std::nullopt, 0x090909},
        {"a clear code in the middle",
         bytes({SCREEN(6, 2), 0x2c, 0,    0,    0,    0,    6,    0, 2,   0, 0, 2, 7,
                0x44,         0x34, 0x84, 0x68, 0x46, 0x02, 0x0a, 0, 0x3b}),
         6, 2, "012301233210", std::nullopt, 0x000000},
        {"codes up to five bits wide",
         bytes({SCREEN(40, 1), 0x2c, 0,    0,    0,    0,    40,   0,    1,    0,    0,    2,
                0x11,          0x4c, 0x34, 0x00, 0x23, 0x36, 0x6f, 0x42, 0x02, 0x01, 0x08, 0xfb,
                0xf2,          0x51, 0xf2, 0xb0, 0x51, 0,    0,    0x3b}),
         40, 1, "1123003211333111300102023333312001312323", std::nullopt, 0x000000},
        {"data that breaks off leaves the rest at index 0",
         bytes({SCREEN(6, 2), 0x2c, 0, 0, 0, 0, 6, 0, 2, 0, 0, 2, 4, 0x44, 0x34, 0x84, 0x68, 0,
                0x3b}),
         6, 2, "012301200000", std::nullopt, 0x000000},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const auto image = decode(row.file);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, row.width);
        EXPECT_EQ(image->height, row.height);
        std::string pixels;
        for (const auto index : image->pixels)
            pixels += static_cast<char>('0' + index);
        EXPECT_EQ(pixels, row.pixels);
        EXPECT_EQ(image->transparent, row.transparent);
        EXPECT_EQ(image->palette.at(0), row.firstColour);
    }
}

TEST(Gif, IsNothingWithoutAPicture)
{
    const std::vector<std::byte> files[] = {
        bytes({}),
        bytes({0x42, 0x4d, 0x36, 0, 0, 0}),
        bytes({SCREEN(4, 3), 0x3b}),
        bytes({SCREEN(4, 3), 0x2c, 0, 0, 0, 0, 0, 0, 3, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3b}),
        bytes({SCREEN(4, 3), 0x2c, 0, 0, 0, 0, 4, 0, 3, 0, 0, 2, 5, 0x44, 0x8e}),
    };
    for (const auto& file : files)
        EXPECT_FALSE(decode(file)) << file.size() << " bytes";
}

} // namespace
