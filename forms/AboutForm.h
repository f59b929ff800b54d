#pragma once

#include "forms/Dialogs.h"
#include "forms/View.h"

#include <string_view>

namespace forms {

// The About window's behaviour: its picture and its link line open a web page, then the
// window closes.
class AboutForm {
public:
    AboutForm(View& view, Dialogs& dialogs) : view_(view), dialogs_(dialogs) {}

    // A click on the design's control of that name: runs its handler, if it has one.
    void click(std::string_view control);

    void Image1_Click();
    void Label2_Click();

private:
    View& view_;
    Dialogs& dialogs_;
};

} // namespace forms
