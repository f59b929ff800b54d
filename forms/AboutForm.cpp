#include "AboutForm.h"

#include "AboutWindowDesign.h"

namespace forms {

void AboutForm::click(std::string_view control)
{
    const std::string_view handler = AboutWindowDesign.control(control).click;
    if (handler == "Image1_Click")
        Image1_Click();
    else if (handler == "Label2_Click")
        Label2_Click();
}

void AboutForm::Image1_Click()
{
    view_.openUrl(std::u16string(MakerPage));
    view_.close();
}

void AboutForm::Label2_Click()
{
    view_.openUrl(std::u16string(FfmpegPage));
    view_.close();
}

} // namespace forms
