#pragma once

#include "Design.h"

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace forms {

// A label's text split where a run of at least wideRun blanks sets its paragraphs apart, each
// without the blanks around it; empty paragraphs are dropped.
std::vector<std::u16string_view> paragraphs(std::u16string_view text, std::size_t wideRun);

// The shortest run of blanks wider than a label that wide, in pixels: such a run cannot end a
// line and so sets paragraphs apart.
std::size_t wideRun(int labelWidth, int blankWidth);

struct PlacedParagraph {
    std::u16string_view text;
    Box box; // drawn word-wrapped from its top left corner, down to the label's bottom at most
};

// A label's paragraphs, each starting on a new line half a line below the one before.
// wrappedHeight is the height the toolkit's word wrap gives a paragraph at the label's width.
std::vector<PlacedParagraph>
layOutParagraphs(std::u16string_view text, const Box& label, int blankWidth, int lineHeight,
                 const std::function<int(std::u16string_view paragraph)>& wrappedHeight);

} // namespace forms
