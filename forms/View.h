#pragma once

namespace forms {

// A window of the program as its behaviour knows it: the dialogs it opens are modal to it.
class View {
public:
    virtual ~View() = default;

    virtual void close() = 0;
};

} // namespace forms
