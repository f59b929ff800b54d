#pragma once

#include "platform/Platform.h"

#include <string_view>

namespace forms {

// What the About window's behaviour asks of the front end that shows it.
class AboutView {
public:
    virtual ~AboutView() = default;
    virtual void close() = 0;
};

// The About window's behaviour: its picture and its link line open a web page, then the
// window closes.
class AboutForm {
public:
    AboutForm(AboutView& view, platform::Desktop& desktop) : view_(view), desktop_(desktop) {}

    // A click on the design's control of that name: runs its handler, if it has one.
    void click(std::string_view control);

    void Image1_Click();
    void Label2_Click();

private:
    AboutView& view_;
    platform::Desktop& desktop_;
};

} // namespace forms
