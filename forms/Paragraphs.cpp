#include "forms/Paragraphs.h"

#include <algorithm>
#include <string>

namespace forms {
namespace {

std::u16string_view trimmed(std::u16string_view text)
{
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

} // namespace

std::vector<std::u16string_view> paragraphs(std::u16string_view text, std::size_t wideRun)
{
    const std::u16string run(wideRun, u' ');
    std::vector<std::u16string_view> list;
    while (!text.empty()) {
        const auto end = wideRun > 0 ? text.find(run) : std::u16string_view::npos;
        if (const auto paragraph = trimmed(text.substr(0, end)); !paragraph.empty())
            list.push_back(paragraph);
        if (end == std::u16string_view::npos)
            break;
        const auto next = text.find_first_not_of(u' ', end);
        text = next == std::u16string_view::npos ? std::u16string_view() : text.substr(next);
    }
    return list;
}

std::size_t wideRun(int labelWidth, int blankWidth)
{
    return static_cast<std::size_t>(std::max(0, labelWidth) / std::max(1, blankWidth) + 1);
}

std::vector<PlacedParagraph>
layOutParagraphs(std::u16string_view text, const Box& label, int blankWidth, int lineHeight,
                 const std::function<int(std::u16string_view paragraph)>& wrappedHeight)
{
    std::vector<PlacedParagraph> placed;
    int top = label.top;
    for (const auto paragraph : paragraphs(text, wideRun(label.width, blankWidth))) {
        placed.push_back({paragraph, {label.left, top, label.width, label.bottom() - top}});
        top += wrappedHeight(paragraph) + lineHeight / 2;
    }
    return placed;
}

} // namespace forms
