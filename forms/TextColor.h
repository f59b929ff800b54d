#pragma once

#include "Design.h"

namespace forms {

// The colour of a text in the system's colour on a background the design fixes: the system's
// colour where it stands out from the background (a contrast ratio of 4.5:1 or more, by the
// relative luminance of the Web Content Accessibility Guidelines), else black, or white where
// black would stand out less. A dark desktop palette makes the button text white, which
// vanishes on the design's white.
Rgb textColorOn(Rgb background, Rgb systemText);

} // namespace forms
