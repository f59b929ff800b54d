#pragma once

#include "forms/CommonDialog.h"
#include "forms/MainWindowDesign.h"

#include <optional>
#include <string>

namespace forms {

// What the main window's behaviour asks of the front end that shows it.
class MainView {
public:
    virtual ~MainView() = default;

    virtual std::u16string text(Field field) const = 0;
    virtual void setText(Field field, const std::u16string& text) = 0;

    // Whether the format button Option1(index) is selected.
    virtual bool isSelected(int index) const = 0;

    // A message box owned by the window: the text, an OK button, the title "Varnelo".
    virtual void showMessage(const std::u16string& text) = 0;

    // Shows the Open dialog modally; true, with dlg.FileName set, when the user chose a file.
    virtual bool showOpen(CommonDialog& dlg) = 0;

    // The folder the user picked, or nothing when the pick was cancelled or failed.
    virtual std::optional<std::u16string> browseForFolder(const std::u16string& prompt) = 0;

    // Shows the one About window, bringing it to the front when it is open already.
    virtual void showAbout() = 0;
    virtual void closeAbout() = 0;

    // Closes the main window, which then unloads.
    virtual void close() = 0;
};

} // namespace forms
