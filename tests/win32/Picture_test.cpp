#include "ui/win32/common/Picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using ui::win32::Pixels;
using ui::win32::resampled;

namespace {

// One channel's value in all four bytes: opaque grey when it is 255 or below, premultiplied.
std::uint32_t grey(std::uint32_t value)
{
    return value * 0x01010101u;
}

struct Case {
    const char* what;
    Pixels from;
    SIZE to;
    std::vector<std::uint32_t> expected;
};

} // namespace

TEST(Picture, ResamplesByTheShareEachSourcePixelCovers)
{
    const Case cases[] = {
        {"the same size is the same picture",
         {{2, 1}, {0xFF102030, 0x00000000}},
         {2, 1},
         {0xFF102030, 0x00000000}},
        {"halving averages each square of four, the transparent ones too",
         {{2, 2}, {0xFF000000, 0xFFFFFFFF, 0x00000000, 0x00000000}},
         {1, 1},
         {0x80404040}},
        {"transparent pixels stay transparent",
         {{4, 2}, std::vector<std::uint32_t>(8, 0)},
         {2, 1},
         {0, 0}},
        {"a third of a pixel's width counts for a third",
         {{3, 1}, {grey(0), grey(90), grey(180)}},
         {2, 1},
         {grey(30), grey(150)}},
        {"down as across", {{1, 3}, {grey(0), grey(90), grey(180)}}, {1, 2}, {grey(30), grey(150)}},
        {"doubling repeats each pixel",
         {{2, 1}, {grey(10), grey(250)}},
         {4, 2},
         {grey(10), grey(10), grey(250), grey(250), grey(10), grey(10), grey(250), grey(250)}},
        {"white stays white, never wraps past 255",
         {{3, 3}, std::vector<std::uint32_t>(9, 0xFFFFFFFF)},
         {2, 2},
         std::vector<std::uint32_t>(4, 0xFFFFFFFF)},
        {"no size, no pixels", {{2, 2}, std::vector<std::uint32_t>(4, 0xFFFFFFFF)}, {0, 2}, {}},
    };
    for (const auto& c : cases) {
        const Pixels out = resampled(c.from, c.to);
        EXPECT_EQ(out.rows, c.expected) << c.what;
    }
}
