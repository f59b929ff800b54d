#include "forms/ButtonFace.h"
#include "forms/Paragraphs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using forms::Box;

TEST(ButtonFace, PictureAndCaptionSitWherePaddingAndPressSay)
{
    struct Row {
        const char* name;
        int width;
        int height;
        forms::ButtonContent content;
        bool pressed;
        int pictureSize;
        int padding;
        Box picture;
        Box caption;
    };
    const Row rows[] = {
        {"Add", 73, 17, {true, false, true}, false, 16, 3, {3, 0, 16, 16}, {22, 0, 48, 17}},
        {"Add, pressed", 73, 17, {true, false, true}, true, 16, 3, {4, 1, 16, 16}, {23, 1, 48, 17}},
        {"the clear button", 17, 17, {true, true, false}, false, 16, 3, {0, 0, 16, 16}, {}},
        {"clear, pressed", 17, 17, {true, true, false}, true, 16, 3, {1, 1, 16, 16}, {}},
        {"no picture", 169, 17, {false, false, true}, false, 16, 3, {}, {3, 0, 163, 17}},
        {"at 144 dpi",
         146,
         26,
         {true, false, true},
         false,
         24,
         4,
         {4, 1, 24, 24},
         {32, 0, 110, 26}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto face = forms::buttonFace(row.width, row.height, row.content, row.pressed,
                                            row.pictureSize, row.padding);
        EXPECT_EQ(face.picture, row.picture);
        EXPECT_EQ(face.caption, row.caption);
    }
}

TEST(ButtonFace, TheFocusFrameHugsTheCaptionElseThePictureInsideTheBorder)
{
    struct Row {
        const char* name;
        forms::ButtonContent content;
        bool pressed;
        Box text;
        Box frame;
    };
    const Row rows[] = {
        {"caption", {true, false, true}, false, {31, 2, 30, 13}, {30, 2, 32, 13}},
        {"pressed, past the bottom", {true, false, true}, true, {32, 3, 30, 14}, {31, 3, 32, 13}},
        {"caption wider than the face",
         {true, false, true},
         false,
         {-5, 0, 90, 17},
         {1, 1, 71, 15}},
        {"picture alone", {true, true, false}, false, {}, {28, 1, 16, 15}},
        {"neither", {false, false, false}, false, {}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto face = forms::buttonFace(73, 17, row.content, row.pressed);
        EXPECT_EQ(forms::focusFrame(face, 73, 17, row.text), row.frame);
    }
    EXPECT_EQ(forms::centred({22, 0, 48, 17}, 31, 13), (Box{30, 2, 31, 13}));
}

TEST(Paragraphs, EachStartsHalfALineBelowTheOneBefore)
{
    // Blanks 3 pixels wide in a label 20 wide: a run of 7 sets paragraphs apart, 3 do not.
    const std::u16string text = u"  one" + std::u16string(7, u' ') + u"two   words" +
                                std::u16string(9, u' ') + u"three" + std::u16string(30, u' ');
    // Four characters to a line, 13 pixels each.
    const auto height = [](std::u16string_view paragraph) {
        return 13 * static_cast<int>((paragraph.size() + 3) / 4);
    };
    const auto placed = forms::layOutParagraphs(text, {8, 176, 20, 100}, 3, 13, height);
    struct Expected {
        std::u16string text;
        Box box;
    };
    const std::vector<Expected> expected = {
        {u"one", {8, 176, 20, 100}},
        {u"two   words", {8, 195, 20, 81}},
        {u"three", {8, 240, 20, 36}},
    };
    ASSERT_EQ(placed.size(), expected.size());
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_EQ(std::u16string(placed[i].text), expected[i].text);
        EXPECT_EQ(placed[i].box, expected[i].box);
    }
    // A blank of no width still gives a run wider than the label.
    EXPECT_EQ(forms::wideRun(401, 0), 402u);
}

} // namespace
