#include "Design.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace forms {

const Control& Window::control(std::string_view controlName) const
{
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&](const Control& c) { return c.name == controlName; });
    if (found == controls.end())
        throw std::out_of_range("no control " + std::string(controlName) + " in " +
                                std::string(name));
    return *found;
}

Box Window::placeInWindow(const Control& c) const
{
    if (c.container.empty())
        return c.box;
    const Box outer = placeInWindow(control(c.container));
    return {outer.left + c.box.left, outer.top + c.box.top, c.box.width, c.box.height};
}

bool Window::offScreen(const Control& c) const
{
    const Box box = placeInWindow(c);
    return box.right() <= 0 || box.bottom() <= 0 || box.left >= clientWidth ||
           box.top >= clientHeight;
}

std::vector<const Control*> Window::tabChain() const
{
    std::vector<const Control*> chain;
    for (const auto& c : controls) {
        if (c.tabIndex >= 0 && takesFocus(c.kind) && !offScreen(c))
            chain.push_back(&c);
    }
    std::sort(chain.begin(), chain.end(),
              [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    return chain;
}

std::u16string_view Window::accessibleName(const Control& c) const
{
    if (!c.caption.empty())
        return c.caption;
    if (!c.label.empty())
        return control(c.label).caption;
    return c.toolTip;
}

bool takesFocus(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::Button || kind == Kind::OptionButton;
}

bool isLink(const Control& c)
{
    return !c.click.empty() && (c.kind == Kind::Label || c.kind == Kind::Image);
}

std::string_view optionGroup(const Control& option)
{
    return option.container;
}

} // namespace forms
