#pragma once

#include "forms/Design.h"

#include <QFont>

// The faces the windows were laid out with, in pixel sizes: every control has a fixed place
// and size in pixels, so its caption must keep one size in pixels too.
namespace Fonts {

// Maps the layout's faces to installed ones of similar width where they are missing.
void installSubstitutions();

// The face of the design, 8.25 pt at 96 dpi.
QFont font(forms::Face face);

} // namespace Fonts
