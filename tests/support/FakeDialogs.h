#pragma once

#include "forms/CommonDialog.h"

#include <optional>
#include <string>
#include <vector>

// Answers a front end's dialogs as a test sets it up, and records the messages shown, the
// window that owned each dialog and the web pages opened.
template <typename Dialogs, typename Owner> class FakeDialogsOf : public Dialogs {
public:
    std::optional<std::u16string> nextFile;   // the Open dialog's answer; nothing: cancel
    std::optional<std::u16string> nextFolder; // the folder browser's answer; nothing: cancel

    std::vector<std::u16string> messages;
    std::vector<Owner> owners;
    std::vector<std::u16string> openedUrls;

    void showMessage(Owner owner, const std::u16string& text) override
    {
        owners.push_back(owner);
        messages.push_back(text);
    }
    bool showOpen(Owner owner, forms::CommonDialog& dlg) override
    {
        owners.push_back(owner);
        if (nextFile)
            dlg.FileName = *nextFile;
        return nextFile.has_value();
    }
    std::optional<std::u16string> browseForFolder(Owner owner, const std::u16string&) override
    {
        owners.push_back(owner);
        return nextFolder;
    }
    void openUrl(const std::u16string& address) override { openedUrls.push_back(address); }
};
