#pragma once

#include "forms/Dialogs.h"

// The toolkit's message box, Open dialog and folder picker, and the desktop's browser. A
// dialog's owner is the window that shows the view.
class SystemDialogs final : public forms::Dialogs {
public:
    void showMessage(forms::View* owner, const std::u16string& text) override;
    bool showOpen(forms::View* owner, forms::CommonDialog& dlg) override;
    std::u16string BrowseForFolder(forms::View* owner, const std::u16string& prompt) override;
    void openUrl(const std::u16string& address) override;
    std::u16string systemText(const std::string& text) override;
};
