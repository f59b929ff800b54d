#pragma once

#include "forms/MainWindowDesign.h"
#include "forms/View.h"

#include <string>

namespace forms {

// What the main window's behaviour asks of the front end that shows it; its dialogs it opens
// itself.
class MainView : public View {
public:
    virtual std::u16string text(Field field) const = 0;
    virtual void setText(Field field, const std::u16string& text) = 0;

    // Whether the format button Option1(index) is selected.
    virtual bool isSelected(int index) const = 0;

    // Shows the one About window, bringing it to the front when it is open already.
    virtual void showAbout() = 0;
    virtual void closeAbout() = 0;
};

} // namespace forms
