#pragma once

#include "Design.h"

#include <string>

namespace forms {

// The About window, frnAbout.
extern const Window AboutWindowDesign;

// The credit to FFmpeg: three paragraphs, each followed by a run of blanks wider than the
// label, which is what sets them apart.
const std::u16string& creditText();

} // namespace forms
