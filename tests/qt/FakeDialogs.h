#pragma once

#include "ui/qt/main/Dialogs.h"

#include <optional>
#include <string>
#include <vector>

// Answers the main window's dialogs as a test sets it up, and records the messages shown.
class FakeDialogs final : public Dialogs {
public:
    std::optional<std::u16string> nextFile;   // the Open dialog's answer; nothing: cancel
    std::optional<std::u16string> nextFolder; // the folder picker's answer; nothing: cancel

    std::vector<std::u16string> messages;
    std::vector<QWidget*> owners;

    void showMessage(QWidget* owner, const std::u16string& text) override
    {
        owners.push_back(owner);
        messages.push_back(text);
    }
    bool showOpen(QWidget* owner, forms::CommonDialog& dlg) override
    {
        owners.push_back(owner);
        if (nextFile)
            dlg.FileName = *nextFile;
        return nextFile.has_value();
    }
    std::optional<std::u16string> browseForFolder(QWidget* owner, const std::u16string&) override
    {
        owners.push_back(owner);
        return nextFolder;
    }
};
