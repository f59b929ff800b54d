#pragma once

#include "ui/win32/Dialogs.h"

#include <optional>
#include <string>
#include <vector>

// Answers the main window's dialogs as a test sets it up, and records the messages shown and
// the web pages opened.
class FakeDialogs final : public ui::win32::Dialogs {
public:
    std::optional<std::u16string> nextFile;   // the Open dialog's answer; nothing: cancel
    std::optional<std::u16string> nextFolder; // the folder browser's answer; nothing: cancel

    std::vector<std::u16string> messages;
    std::vector<std::u16string> openedUrls;
    std::vector<HWND> owners;

    void showMessage(HWND owner, const std::u16string& text) override
    {
        owners.push_back(owner);
        messages.push_back(text);
    }
    bool showOpen(HWND owner, forms::CommonDialog& dlg) override
    {
        owners.push_back(owner);
        if (nextFile)
            dlg.FileName = *nextFile;
        return nextFile.has_value();
    }
    std::optional<std::u16string> browseForFolder(HWND owner, const std::u16string&) override
    {
        owners.push_back(owner);
        return nextFolder;
    }
    void openUrl(const std::u16string& address) override { openedUrls.push_back(address); }
};
