#include "AboutWindowDesign.h"

namespace forms {
namespace {

constexpr std::u16string_view Paragraphs[] = {
    u"I looked a long time for a simple, low-cost program that turns my videos into Flash video "
    u"files, and every one I found was either costly or hard to use.",
    u"The actual conversion in this program is done by \"FFmpeg\", an open-source command-line "
    u"tool for converting video and audio from one format to another. FFmpeg is fast and knows "
    u"almost every format there is, but it is driven by typed commands full of options, which "
    u"makes it awkward to use from the command line.",
    u"Pelmora Software takes no credit for FFmpeg: it is the work of its developers, and anyone "
    u"can get it freely from the internet. What Pelmora Software provides is the easy "
    u"interface: pick a file and a folder, then press GO.",
};
constexpr std::size_t BlankRuns[] = {161, 165, 412};

std::u16string joinCredit()
{
    std::u16string text;
    for (std::size_t i = 0; i < std::size(Paragraphs); ++i)
        text.append(Paragraphs[i]).append(BlankRuns[i], u' ');
    return text;
}

} // namespace

const std::u16string& creditText()
{
    static const std::u16string text = joinCredit();
    return text;
}

namespace {

const Control Controls[] = {
    // The picture's top rows lie above the client area and are cut off.
    {.name = "Image1",
     .kind = Kind::Image,
     .box = {48, -8, 301, 201},
     .picture = "about.bmp",
     .toolTip = u"Click for navigation to Pelmora...",
     .click = "Image1_Click"},
    {.name = "Label1",
     .kind = Kind::Label,
     .caption = creditText(),
     .box = {8, 176, 401, 161},
     .tabIndex = 0,
     .paragraphs = true},
    {.name = "Label2",
     .kind = Kind::Label,
     .caption = LinkLine,
     .box = {16, 344, 377, 17},
     .tabIndex = 1,
     .click = "Label2_Click"},
};

} // namespace

const Window AboutWindowDesign{.name = "frnAbout",
                               .caption = u"About...",
                               .clientWidth = 415,
                               .clientHeight = 372,
                               .icon = "about.ico",
                               .controls = Controls,
                               .background = White,
                               .toolWindow = true};

} // namespace forms
