#pragma once

#include "FormWindow.h"
#include "forms/AboutForm.h"
#include "platform/Platform.h"

namespace ui::win32 {

// The About window: a tool window with the program's picture, the credit to FFmpeg and its link
// line. Clicking the picture or the link line opens a web page and closes the window.
class frnAbout final : public FormWindow, public forms::AboutView {
public:
    explicit frnAbout(platform::Desktop& desktop);
    ~frnAbout() override;

    // Shows the window in front of the others.
    void show();

    void close() override;

private:
    void onCommand(const forms::Control& control, WORD code) override;

    forms::AboutForm form_;
};

} // namespace ui::win32
