#pragma once

#include "Design.h"

#include <string>
#include <string_view>

namespace forms {

// The About window, frnAbout.
extern const Window AboutWindowDesign;

// The pages its links open: the picture the maker's, the link line FFmpeg's, whose address it
// shows.
inline constexpr std::u16string_view MakerPage = u"https://www.pelmora.example/";
inline constexpr std::u16string_view LinkLine = u"More about FFmpeg @ https://ffmpeg.org/";
inline constexpr std::u16string_view FfmpegPage = LinkLine.substr(LinkLine.find(u"https://"));

// The credit to FFmpeg: three paragraphs, each followed by a run of blanks wider than the
// label, which is what sets them apart.
const std::u16string& creditText();

} // namespace forms
