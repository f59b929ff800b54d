#include "AboutForm.h"

#include "AboutWindowDesign.h"

namespace forms {
namespace {

struct Handler {
    std::string_view name;
    void (AboutForm::*run)();
};
constexpr Handler Handlers[] = {
    {"Image1_Click", &AboutForm::Image1_Click},
    {"Label2_Click", &AboutForm::Label2_Click},
};

} // namespace

void AboutForm::click(std::string_view control)
{
    const std::string_view handler = AboutWindowDesign.control(control).click;
    for (const auto& [name, run] : Handlers) {
        if (name == handler) {
            (this->*run)();
            return;
        }
    }
}

void AboutForm::Image1_Click()
{
    dialogs_.openUrl(std::u16string(MakerPage));
    view_.close();
}

void AboutForm::Label2_Click()
{
    dialogs_.openUrl(std::u16string(FfmpegPage));
    view_.close();
}

} // namespace forms
