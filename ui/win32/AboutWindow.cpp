#include "AboutWindow.h"

#include "ClickArea.h"
#include "forms/AboutWindowDesign.h"

#include <string_view>

namespace ui::win32 {
namespace {

struct Link {
    std::string_view control;
    void (forms::AboutForm::*click)();
};
constexpr Link Links[] = {
    {"Image1", &forms::AboutForm::Image1_Click},
    {"Label2", &forms::AboutForm::Label2_Click},
};

} // namespace

AboutWindow::AboutWindow(Dialogs& dialogs)
    : FormWindow(forms::AboutWindowDesign), dialogs_(dialogs), form_(*this)
{
    create(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, false);
    for (const auto& link : Links)
        ClickArea::attach(control(link.control));
}

AboutWindow::~AboutWindow()
{
    destroy();
}

void AboutWindow::show()
{
    ShowWindow(handle(), SW_SHOWNORMAL);
    SetForegroundWindow(handle());
}

void AboutWindow::openUrl(const std::u16string& address)
{
    dialogs_.openUrl(address);
}

void AboutWindow::close()
{
    destroy();
}

void AboutWindow::onCommand(const forms::Control& control, WORD code)
{
    if (code != STN_CLICKED)
        return;
    for (const auto& link : Links) {
        if (link.control == control.name) {
            (form_.*link.click)();
            return;
        }
    }
}

} // namespace ui::win32
