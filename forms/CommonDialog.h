#pragma once

#include <string>

namespace forms {

// The Open dialog's settings, which the main window sets before each use. It keeps the file
// chosen last between uses. A cancel is no error: the dialog says only whether a file was chosen.
struct CommonDialog {
    std::u16string DialogTitle;
    // Its entries, divided by "|": each a description, "|", then its patterns, divided by ";"
    // and a blank.
    std::u16string Filter;
    std::u16string FileName;
};

} // namespace forms
