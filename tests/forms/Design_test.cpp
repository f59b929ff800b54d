#include "forms/AboutWindowDesign.h"
#include "forms/MainWindowDesign.h"
#include "forms/TextColor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using forms::AboutWindowDesign;
using forms::MainWindowDesign;

// A control a person reaches, by the keyboard or a click, has a name assistive technology reads.
TEST(Design, ControlsBeyondTheClientAreaAreOffScreenAndTheRestInsideItAndTheirFrameAndNamed)
{
    for (const auto& window : {MainWindowDesign, AboutWindowDesign}) {
        for (const auto& control : window.controls) {
            SCOPED_TRACE(std::string(control.name));
            const bool hidden = window.offScreen(control);
            const auto box = window.placeInWindow(control);
            if (!hidden && control.name != "Image1") {
                EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right() <= window.clientWidth &&
                            box.bottom() <= window.clientHeight);
            }
            if (!hidden && (forms::takesFocus(control.kind) || !control.click.empty())) {
                EXPECT_FALSE(window.accessibleName(control).empty());
            }
            if (!hidden && !control.container.empty()) {
                const auto frame = window.placeInWindow(window.control(control.container));
                EXPECT_TRUE(box.left >= frame.left && box.top >= frame.top &&
                            box.right() <= frame.right() && box.bottom() <= frame.bottom());
            }
        }
    }
}

TEST(TextColor, TheSystemsColourWhereItStandsOutFromTheBackgroundElseBlackOrWhite)
{
    struct Row {
        const char* name;
        forms::Rgb background;
        forms::Rgb system;
        forms::Rgb drawn;
    };
    const Row rows[] = {
        {"the usual black", 0xFFFFFF, 0x000000, 0x000000},
        {"a dark palette's white", 0xFFFFFF, 0xFFFFFF, 0x000000},
        {"a dark palette's light grey", 0xFFFFFF, 0xDDDDDD, 0x000000},
        {"the lightest grey that stands out, 4.54:1", 0xFFFFFF, 0x767676, 0x767676},
        {"a grey a shade lighter, 4.48:1", 0xFFFFFF, 0x777777, 0x000000},
        {"navy", 0xFFFFFF, 0x000080, 0x000080},
        {"pure red, 4.0:1", 0xFFFFFF, 0xFF0000, 0x000000},
        {"white on black", 0x000000, 0xFFFFFF, 0xFFFFFF},
        {"dark grey on black", 0x000000, 0x333333, 0xFFFFFF},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(forms::textColorOn(row.background, row.system), row.drawn);
    }
}

} // namespace
