#include "AboutWindow.h"

#include "ClickArea.h"
#include "forms/AboutWindowDesign.h"

namespace ui::win32 {
AboutWindow::AboutWindow(platform::Desktop& desktop)
    : FormWindow(forms::AboutWindowDesign), form_(*this, desktop)
{
    create();
    for (const auto& c : design().controls) {
        if (!c.click.empty())
            ClickArea::attach(control(c.name));
    }
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

void AboutWindow::close()
{
    destroy();
}

void AboutWindow::onCommand(const forms::Control& control, WORD code)
{
    if (code == STN_CLICKED)
        form_.click(control.name);
}

} // namespace ui::win32
