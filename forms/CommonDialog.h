#pragma once

#include <string>

namespace forms {

// The Open dialog's settings, which the main window sets before each use. It keeps the file
// chosen last between uses.
struct CommonDialog {
    bool CancelError = false;
    std::u16string DialogTitle;
    // The description, "|", then the patterns, divided by ";" and a blank.
    std::u16string Filter;
    std::u16string FileName;
};

} // namespace forms
