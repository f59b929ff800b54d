#pragma once

#include "forms/Dialogs.h"

namespace ui::win32 {

// The system's message box, Open dialog and folder browser, and the shell's default action for
// a web address. A dialog's owner is the window that shows the view.
class SystemDialogs final : public forms::Dialogs {
public:
    void showMessage(forms::View* owner, const std::u16string& text) override;
    bool showOpen(forms::View* owner, forms::CommonDialog& dlg) override;
    std::u16string BrowseForFolder(forms::View* owner, const std::u16string& prompt) override;
    void openUrl(const std::u16string& address) override;
    // In the system's code page, as the C runtime and the system give their texts.
    std::u16string systemText(const std::string& text) override;
};

} // namespace ui::win32
