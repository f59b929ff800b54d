#pragma once

#include "Dialogs.h"
#include "FormWindow.h"
#include "forms/AboutForm.h"

namespace ui::win32 {

// frnAbout: a tool window with the program's picture, the credit to FFmpeg and its link line.
// Clicking the picture or the link line opens a web page and closes the window.
class AboutWindow final : public FormWindow, public forms::AboutView {
public:
    explicit AboutWindow(Dialogs& dialogs);
    ~AboutWindow() override;

    // Shows the window in front of the others.
    void show();

    void openUrl(const std::u16string& address) override;
    void close() override;

private:
    void onCommand(const forms::Control& control, WORD code) override;

    Dialogs& dialogs_;
    forms::AboutForm form_;
};

} // namespace ui::win32
