#pragma once

#include "forms/Design.h"

#include <QIcon>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>

class QLabel;

// Builds a window's controls from its design: each named after the design, at its place, with
// its caption, font and tooltip, in the design's tab order. A window that is not a tool
// window opens in the middle of its screen.
class FormBuilder {
public:
    // Makes the widget of a control that needs more than its kind's usual one, or returns
    // null for the usual one.
    using Special = std::function<QWidget*(const forms::Control& control, QWidget* parent)>;

    FormBuilder(QWidget* window, const forms::Window& design, const Special& special = {});

    template <typename Widget> Widget* get(std::string_view name) const
    {
        return static_cast<Widget*>(widgets_.at(std::string(name)));
    }

    // Decodes the pictures of the buttons and images: after the window is shown, so that it
    // maps sooner.
    void loadPictures() const;

    // The kind of window the design asks for: a tool window or a main one, with a close box
    // and no minimize or maximize box.
    static Qt::WindowFlags windowFlags(const forms::Window& design);

    // The icon the design gives the window.
    static QIcon windowIcon(const forms::Window& design);

    static QString text(std::u16string_view text);
    // The path of a picture among the resources built into the program.
    static QString resource(std::string_view file);

private:
    static std::string pngOf(std::string_view picture, std::string_view variant = {});
    static void showPicture(QLabel* image, std::string_view picture);
    QWidget* make(const forms::Control& control, QWidget* parent) const;

    const forms::Window& design_;
    std::map<std::string, QWidget*, std::less<>> widgets_;
};
