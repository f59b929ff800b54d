#pragma once

#include "forms/AboutForm.h"
#include "forms/Dialogs.h"
#include "ui/win32/common/FormWindow.h"

namespace ui::win32 {

// The About window: a tool window with the program's picture, the credit to FFmpeg and its link
// line. Clicking the picture or the link line opens a web page and closes the window; Escape
// closes it too. None of its controls takes the focus, so the keys come to the window itself.
class frnAbout final : public FormWindow, public forms::View {
public:
    // Centred on OVER when given.
    explicit frnAbout(forms::Dialogs& dialogs, HWND over = nullptr);
    ~frnAbout() override;

    // Shows the window in front of the others.
    void show();

    void close() override;

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onCommand(const forms::Control& control, WORD code) override;

    forms::AboutForm form_;
};

} // namespace ui::win32
