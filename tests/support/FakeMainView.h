#pragma once

#include "forms/MainView.h"

#include <array>
#include <string>

// Holds the main window's fields and format buttons, and counts what the window was asked to
// show.
class FakeMainView final : public forms::MainView {
public:
    std::u16string source;
    std::u16string target;
    std::array<bool, 4> selected{};
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
    void showAbout() override { ++aboutShown; }
    void closeAbout() override { ++aboutClosed; }
    void close() override { ++closes; }
};
