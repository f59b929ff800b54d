#pragma once

#include "forms/CommonDialog.h"
#include "forms/Dialogs.h"

#include <optional>
#include <string>
#include <vector>

// Answers the windows' dialogs as a test sets them up, and records what they were asked and
// the window that owned each.
class FakeDialogs final : public forms::Dialogs {
public:
    std::optional<std::u16string> nextFile; // the Open dialog's answer; nothing: cancel
    std::u16string nextFolder;              // the folder browser's answer; empty: cancel

    std::vector<std::u16string> messages;
    std::vector<const forms::View*> owners;
    std::vector<forms::CommonDialog> openDialogs; // each as it was set when shown
    std::vector<std::u16string> folderPrompts;
    std::vector<std::u16string> openedUrls;

    void showMessage(forms::View* owner, const std::u16string& text) override
    {
        owners.push_back(owner);
        messages.push_back(text);
    }
    bool showOpen(forms::View* owner, forms::CommonDialog& dlg) override
    {
        owners.push_back(owner);
        openDialogs.push_back(dlg);
        if (nextFile)
            dlg.FileName = *nextFile;
        return nextFile.has_value();
    }
    std::u16string BrowseForFolder(forms::View* owner, const std::u16string& prompt) override
    {
        owners.push_back(owner);
        folderPrompts.push_back(prompt);
        return nextFolder;
    }
    void openUrl(const std::u16string& address) override { openedUrls.push_back(address); }
    std::u16string systemText(const std::string& text) override
    {
        return {text.begin(), text.end()};
    }
};
