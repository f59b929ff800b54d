#pragma once

#include "FormWindow.h"
#include "forms/AboutForm.h"
#include "platform/Platform.h"

namespace ui::win32 {

// frnAbout: a tool window with the program's picture, the credit to FFmpeg and its link line.
// Clicking the picture or the link line opens a web page and closes the window.
class AboutWindow final : public FormWindow, public forms::AboutView {
public:
    explicit AboutWindow(platform::Desktop& desktop);
    ~AboutWindow() override;

    // Shows the window in front of the others.
    void show();

    void close() override;

private:
    void onCommand(const forms::Control& control, WORD code) override;

    forms::AboutForm form_;
};

} // namespace ui::win32
