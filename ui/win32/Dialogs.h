#pragma once

#include "forms/CommonDialog.h"

#include <windows.h>

#include <optional>
#include <string>

namespace ui::win32 {

// The modal dialogs the main window opens, each owned by it.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The text, an OK button, the title "Varnelo" and no icon.
    virtual void showMessage(HWND owner, const std::u16string& text) = 0;

    // True, with dlg.FileName set, when the user chose a file.
    virtual bool showOpen(HWND owner, forms::CommonDialog& dlg) = 0;

    // The folder the user picked, or nothing when the pick was cancelled or failed.
    virtual std::optional<std::u16string> browseForFolder(HWND owner,
                                                          const std::u16string& prompt) = 0;
};

// The system's message box, Open dialog and folder browser.
class SystemDialogs final : public Dialogs {
public:
    void showMessage(HWND owner, const std::u16string& text) override;
    bool showOpen(HWND owner, forms::CommonDialog& dlg) override;
    std::optional<std::u16string> browseForFolder(HWND owner,
                                                  const std::u16string& prompt) override;
};

} // namespace ui::win32
