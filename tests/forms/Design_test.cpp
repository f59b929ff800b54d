#include "forms/AboutWindowDesign.h"
#include "forms/MainWindowDesign.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using forms::AboutWindowDesign;
using forms::MainWindowDesign;

std::vector<std::string> names(const std::vector<const forms::Control*>& controls)
{
    std::vector<std::string> list;
    for (const auto* control : controls)
        list.emplace_back(control->name);
    return list;
}

TEST(Design, TheKeyboardReachesOnlyWhatCanBeSeenInTabOrder)
{
    EXPECT_EQ(
        names(MainWindowDesign.tabChain()),
        (std::vector<std::string>{"Button38", "Button2", "txtPath", "Button3", "Button6", "Button7",
                                  "Button10", "Text1", "Option1(2)", "Option1(1)"}));
    EXPECT_TRUE(AboutWindowDesign.tabChain().empty());
}

TEST(Design, ControlsBeyondTheClientAreaAreOffScreenAndTheRestInsideItAndTheirFrame)
{
    for (const auto& window : {MainWindowDesign, AboutWindowDesign}) {
        for (const auto& control : window.controls) {
            SCOPED_TRACE(std::string(control.name));
            const bool hidden = control.name == "Button4" || control.name == "Option1(0)" ||
                                control.name == "Option1(3)";
            EXPECT_EQ(window.offScreen(control), hidden);
            const auto box = window.placeInWindow(control);
            if (!hidden && control.name != "Image1") {
                EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right() <= window.clientWidth &&
                            box.bottom() <= window.clientHeight);
            }
            if (!hidden && !control.container.empty()) {
                const auto frame = window.placeInWindow(window.control(control.container));
                EXPECT_TRUE(box.left >= frame.left && box.top >= frame.top &&
                            box.right() <= frame.right() && box.bottom() <= frame.bottom());
            }
        }
    }
}

} // namespace
