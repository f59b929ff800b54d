#pragma once

#include "forms/CommonDialog.h"

#include <optional>
#include <string>

class QWidget;

// The modal dialogs the main window opens, each owned by it, and the web pages the About
// window opens.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The text, an OK button, the title "Varnelo" and no icon.
    virtual void showMessage(QWidget* owner, const std::u16string& text) = 0;

    // True, with dlg.FileName set, when the user chose a file.
    virtual bool showOpen(QWidget* owner, forms::CommonDialog& dlg) = 0;

    // The folder the user picked, or nothing when the pick was cancelled.
    virtual std::optional<std::u16string> browseForFolder(QWidget* owner,
                                                          const std::u16string& prompt) = 0;

    // Opens a web address in the default browser; a failure is not reported.
    virtual void openUrl(const std::u16string& address) = 0;
};

// The toolkit's message box, Open dialog and folder picker, and the desktop's browser.
class SystemDialogs final : public Dialogs {
public:
    void showMessage(QWidget* owner, const std::u16string& text) override;
    bool showOpen(QWidget* owner, forms::CommonDialog& dlg) override;
    std::optional<std::u16string> browseForFolder(QWidget* owner,
                                                  const std::u16string& prompt) override;
    void openUrl(const std::u16string& address) override;
};
