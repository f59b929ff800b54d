#include "frnAbout.h"

#include "forms/AboutWindowDesign.h"
#include "ui/win32/common/ClickArea.h"

namespace ui::win32 {

frnAbout::frnAbout(forms::Dialogs& dialogs, HWND over)
    : FormWindow(forms::AboutWindowDesign, dialogs), form_(*this, dialogs)
{
    create(0, over);
    for (const auto& c : design().controls) {
        if (!c.click.empty())
            ClickArea::attach(control(c.name));
    }
}

frnAbout::~frnAbout()
{
    destroy();
}

void frnAbout::show()
{
    ShowWindow(handle(), SW_SHOWNORMAL);
    SetForegroundWindow(handle());
}

void frnAbout::close()
{
    destroy();
}

LRESULT frnAbout::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        close();
        return 0;
    }
    return FormWindow::onMessage(message, wParam, lParam);
}

void frnAbout::onCommand(const forms::Control& control, WORD code)
{
    if (code == STN_CLICKED)
        form_.click(control.name);
}

} // namespace ui::win32
