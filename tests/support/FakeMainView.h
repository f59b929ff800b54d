#pragma once

#include "forms/MainView.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// Holds the main window's fields and format buttons, and records what the window was asked
// to show.
class FakeMainView final : public forms::MainView {
public:
    std::u16string source;
    std::u16string target;
    std::array<bool, 4> selected{};
    std::optional<std::u16string> nextFile;   // the Open dialog's answer; nothing: cancel
    std::optional<std::u16string> nextFolder; // the folder picker's answer; nothing: cancel

    std::vector<std::u16string> messages;
    std::vector<forms::CommonDialog> openDialogs;
    std::vector<std::u16string> folderPrompts;
    int aboutShown = 0;
    int aboutClosed = 0;
    int closes = 0;

    std::u16string text(forms::Field field) const override
    {
        return field == forms::Field::Text1 ? source : target;
    }
    void setText(forms::Field field, const std::u16string& text) override
    {
        (field == forms::Field::Text1 ? source : target) = text;
    }
    bool isSelected(int index) const override { return selected.at(index); }
    void showMessage(const std::u16string& text) override { messages.push_back(text); }
    bool showOpen(forms::CommonDialog& dlg) override
    {
        openDialogs.push_back(dlg);
        if (!nextFile)
            return false;
        dlg.FileName = *nextFile;
        return true;
    }
    std::optional<std::u16string> browseForFolder(const std::u16string& prompt) override
    {
        folderPrompts.push_back(prompt);
        return nextFolder;
    }
    void showAbout() override { ++aboutShown; }
    void closeAbout() override { ++aboutClosed; }
    void close() override { ++closes; }
};
