#pragma once

#include "platform/Platform.h"

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
    static constexpr char16_t MakerPage[] = u"https://www.pelmora.example/";
    static constexpr char16_t FfmpegPage[] = u"https://ffmpeg.org/";

    AboutForm(AboutView& view, platform::Desktop& desktop) : view_(view), desktop_(desktop) {}

    void Image1_Click();
    void Label2_Click();

private:
    AboutView& view_;
    platform::Desktop& desktop_;
};

} // namespace forms
