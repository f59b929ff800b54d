#pragma once

#include "Design.h"

namespace forms {

// The main window, frmAutoPilot.
extern const Window MainWindowDesign;

} // namespace forms
