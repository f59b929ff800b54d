#pragma once

#include <string>

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
    static constexpr char16_t MakerPage[] = u"https://www.pelmora.example/";
    static constexpr char16_t FfmpegPage[] = u"https://ffmpeg.org/";

    explicit AboutForm(AboutView& view) : view_(view) {}

    void Image1_Click();
    void Label2_Click();

private:
    AboutView& view_;
};

} // namespace forms
