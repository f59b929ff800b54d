#pragma once

#include "forms/View.h"

#include <string>

namespace forms {

class CommonDialog;

// The system's dialogs and browser, as the windows' behaviour asks for them. Each dialog is
// modal to its owner, the window that asked, or to no window when the owner is null.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The text, an OK button, the title "Varnelo" and no icon.
    virtual void showMessage(View* owner, const std::u16string& text) = 0;

    // The Open dialog as dlg is set up, starting at the file chosen last: true, with
    // dlg.FileName set, when the user chose a file.
    virtual bool showOpen(View* owner, CommonDialog& dlg) = 0;

    // The folder browser with the prompt above it: the folder the user picked, or the empty
    // text when the pick was cancelled or failed.
    virtual std::u16string BrowseForFolder(View* owner, const std::u16string& prompt) = 0;

    // Opens a web address in the default browser; a failure is not reported.
    virtual void openUrl(const std::u16string& address) = 0;

    // A text the system gave in its own narrow encoding, such as a failure's, as a message
    // shows it.
    virtual std::u16string systemText(const std::string& text) = 0;
};

} // namespace forms
