#include "MainWindowDesign.h"

#include "job/ConversionJob.h"

#include <array>

namespace forms {
namespace {

constexpr Control Controls[] = {
    // A rule's end point is not drawn: from x = 8 up to 408.
    {.name = "Line1", .kind = Kind::Line, .box = {8, 16, 400, 1}},
    {.name = "Label1",
     .kind = Kind::Label,
     .caption = u"File to perform conversion to:",
     .box = {8, 24, 305, 17},
     .tabIndex = 2},
    {.name = "Text1",
     .kind = Kind::TextBox,
     .box = {8, 40, 305, 19},
     .face = Face::WindowBold,
     .tabIndex = 10,
     .label = "Label1"},
    {.name = "Button38",
     .kind = Kind::Button,
     .caption = u"Add",
     .box = {320, 40, 73, 17},
     .face = Face::Button,
     .tabIndex = 0,
     .picture = "add.ico",
     .click = "Button38_Click"},
    {.name = "Button2",
     .kind = Kind::Button,
     .box = {400, 40, 17, 17},
     .face = Face::Button,
     .tabIndex = 1,
     .picture = "clear.ico",
     .pictureAlone = true,
     .toolTip = u"Clear the source file",
     .click = "Button2_Click"},
    {.name = "Label2",
     .kind = Kind::Label,
     .caption = u"Target path/ folder for transformed file to reside:",
     .box = {8, 64, 305, 17},
     .tabIndex = 3},
    {.name = "txtPath",
     .kind = Kind::TextBox,
     .box = {8, 80, 305, 19},
     .face = Face::WindowBold,
     .tabIndex = 4,
     .label = "Label2"},
    {.name = "Button3",
     .kind = Kind::Button,
     .caption = u"Target path",
     .box = {320, 80, 97, 17},
     .face = Face::Button,
     .tabIndex = 5,
     .picture = "target.ico",
     .click = "Button3_Click"},
    {.name = "Image6", .kind = Kind::Image, .box = {88, 104, 113, 137}, .picture = "film.gif"},
    {.name = "Image7", .kind = Kind::Image, .box = {184, 104, 113, 137}, .picture = "format.gif"},
    {.name = "Button6",
     .kind = Kind::Button,
     .caption = u"CANCEL",
     .box = {320, 112, 97, 17},
     .face = Face::Button,
     .tabIndex = 6,
     .picture = "cancel.ico",
     .click = "Button6_Click"},
    {.name = "Button10",
     .kind = Kind::Button,
     .caption = u"HELP",
     .box = {320, 136, 97, 17},
     .face = Face::Button,
     .tabIndex = 8,
     .picture = "help.ico",
     .click = "Button10_Click"},
    {.name = "Frame1",
     .kind = Kind::Frame,
     .caption = u"Format: ",
     .box = {320, 160, 97, 57},
     .face = Face::WindowBold,
     .tabIndex = 11},
    {.name = "Option1(2)",
     .kind = Kind::OptionButton,
     .caption = u"SWF (Flash)",
     .box = {8, 16, 81, 17},
     .tabIndex = 12,
     .container = "Frame1"},
    {.name = "Option1(1)",
     .kind = Kind::OptionButton,
     .caption = u"FLV (Flash)",
     .box = {8, 32, 81, 17},
     .tabIndex = 15,
     .container = "Frame1"},
    {.name = "Button7",
     .kind = Kind::Button,
     .caption = u"GO",
     .box = {320, 224, 97, 17},
     .face = Face::Button,
     .tabIndex = 7,
     .picture = "go.ico",
     .click = "Button7_Click"},
    {.name = "Line2", .kind = Kind::Line, .box = {8, 248, 400, 1}},
    // Beyond the client area: they exist and the job reads them, but no one sees or reaches
    // them.
    {.name = "Button4",
     .kind = Kind::Button,
     .caption = u"Convert it now!",
     .box = {504, 208, 169, 17},
     .face = Face::Button,
     .tabIndex = 9,
     .click = "Button4_Click"},
    {.name = "Option1(0)",
     .kind = Kind::OptionButton,
     .caption = u"AVI",
     .box = {240, 328, 81, 17},
     .tabIndex = 13},
    {.name = "Option1(3)",
     .kind = Kind::OptionButton,
     .caption = u"WMV",
     .box = {128, 320, 81, 17},
     .tabIndex = 14},
};

} // namespace

const Window MainWindowDesign{.name = "frmAutoPilot",
                              .caption = u"Varnelo! v3.0",
                              .clientWidth = 423,
                              .clientHeight = 266,
                              .icon = "varnelo.ico",
                              .controls = Controls};

std::string_view fieldControl(Field field)
{
    return field == Field::Text1 ? "Text1" : "txtPath";
}

std::string_view formatOption(int index)
{
    static constexpr std::array<std::string_view, ConversionJob::FormatCount> Options = {
        "Option1(0)", "Option1(1)", "Option1(2)", "Option1(3)"};
    return Options.at(static_cast<std::size_t>(index));
}

} // namespace forms
