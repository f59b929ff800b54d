#pragma once

#include <string>
#include <string_view>

namespace forms {

// What the About window's behaviour asks of the front end that shows it.
class AboutView {
public:
    virtual ~AboutView() = default;

    // Opens a web address in the default browser; a failure is not reported.
    virtual void openUrl(const std::u16string& address) = 0;

    virtual void close() = 0;
};

// The About window's behaviour: its picture and its link line open a web page, then the
// window closes.
class AboutForm {
public:
    explicit AboutForm(AboutView& view) : view_(view) {}

    // A click on the design's control of that name: runs its handler, if it has one.
    void click(std::string_view control);

    void Image1_Click();
    void Label2_Click();

private:
    AboutView& view_;
};

} // namespace forms
