#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace forms {

// A label's text split where a run of at least wideRun blanks sets its paragraphs apart, each
// without the blanks around it; empty paragraphs are dropped.
std::vector<std::u16string_view> paragraphs(std::u16string_view text, std::size_t wideRun);

} // namespace forms
