#pragma once

#include <QFont>

// The faces the windows were laid out with, in pixel sizes: every control has a fixed place
// and size in pixels, so its caption must keep one size in pixels too.
namespace Fonts {

// Maps the layout's faces to installed ones of similar width where they are missing.
void installSubstitutions();

// "MS Sans Serif", 8.25 pt: the windows' own face.
QFont msSansSerif(bool bold = false);

// "Tahoma", 8.25 pt: the buttons' face.
QFont tahoma();

} // namespace Fonts
