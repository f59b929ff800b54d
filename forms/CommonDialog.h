#pragma once

#include "forms/Dialogs.h"

#include <stdexcept>
#include <string>

namespace forms {

// The Open dialog that the main window owns, set before each use. It keeps the file chosen last
// between uses.
class CommonDialog {
public:
    // What a cancel throws when CancelError is set.
    struct Cancelled : std::runtime_error {
        Cancelled() : std::runtime_error("Cancel was selected.") {}
    };

    CommonDialog(Dialogs& dialogs, View& owner) : dialogs_(&dialogs), owner_(&owner) {}

    // Whether a cancel is an error: ShowOpen then throws Cancelled rather than return false.
    bool CancelError = false;
    std::u16string DialogTitle;
    // Its entries, divided by "|": each a description, "|", then its patterns, divided by ";"
    // and a blank.
    std::u16string Filter;
    std::u16string FileName;

    // Shows the dialog modally to its window: true, with FileName set, when a file was chosen.
    bool ShowOpen();

private:
    Dialogs* dialogs_;
    View* owner_;
};

} // namespace forms
