#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The windows' design, as a form file holds it: every control's name, kind, place, caption,
// font, tab index, container and picture. Both front ends build their controls from it.
namespace forms {

enum class Kind { Line, Label, TextBox, Button, Image, Frame, OptionButton };

// The faces the windows were laid out with, all 8.25 pt.
enum class Face {
    Window,     // "MS Sans Serif", regular
    WindowBold, // "MS Sans Serif", bold
    Button,     // "Tahoma", regular
};

inline constexpr std::u16string_view WindowFaceName = u"MS Sans Serif";
inline constexpr std::u16string_view ButtonFaceName = u"Tahoma";
inline constexpr double FacePoints = 8.25;

// Pixels at 96 dpi, from the top left corner of the container's client area.
struct Box {
    int left;
    int top;
    int width;
    int height;

    int right() const { return left + width; }
    int bottom() const { return top + height; }

    bool operator==(const Box&) const = default;
};

// Colours as 0x00RRGGBB.
using Rgb = std::uint32_t;

// The look every push button of the main window shares.
struct ButtonLook {
    Rgb backColor;
    Rgb foreColor;
    Rgb backOver;
    Rgb borderColor;
    Rgb transparentColor; // the picture colour drawn as transparent
};
inline constexpr ButtonLook SMButtonLook{0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000, 0xFE00FE};

inline constexpr Rgb RuleColor = 0xFF0000;
inline constexpr Rgb White = 0xFFFFFF;
// Not a colour: the system's button face, as the user's colour scheme sets it.
inline constexpr Rgb SystemButtonFace = 0xFFFFFFFF;

struct Control {
    std::string_view name;
    Kind kind;
    std::u16string_view caption;
    Box box;
    Face face = Face::Window;
    int tabIndex = -1;          // -1: the control has no place in the tab order
    std::string_view container; // the name of the frame that holds it; empty: the window
    std::string_view picture;   // the name of its picture among the resources
    bool pictureAlone = false;  // the picture centred on the face, with no caption
    std::u16string_view toolTip;
    std::string_view click; // the name of the form's handler of a click on it; empty: none
    // A label whose runs of blanks wider than itself set paragraphs apart, each laid out on
    // lines of its own.
    bool paragraphs = false;
    std::string_view label; // a field's: the label beside it that says what it holds
};

struct Window {
    std::string_view name;
    std::u16string_view caption;
    int clientWidth;
    int clientHeight;
    std::string_view icon;
    std::span<const Control> controls;
    Rgb background = SystemButtonFace;
    // A tool window has a narrow title bar with a close box alone and no taskbar button, and
    // opens where the system puts new windows; the others open in the middle of the screen.
    bool toolWindow = false;

    // The control of that name; the design holds every name the front ends ask for.
    const Control& control(std::string_view controlName) const;

    // The control's place in the window's client area, frames' insides included.
    Box placeInWindow(const Control& control) const;

    // Whether the control lies wholly outside the client area, where no one sees it.
    bool offScreen(const Control& control) const;

    // The controls the keyboard reaches with Tab, in tab order: those that can take the focus
    // and can be seen.
    std::vector<const Control*> tabChain() const;

    // What assistive technology calls the control: its caption, a field its label's caption,
    // and a control that shows a picture alone the tooltip that says what it does.
    std::u16string_view accessibleName(const Control& control) const;
};

// Whether a control of this kind takes the keyboard focus.
bool takesFocus(Kind kind);

// Whether the control is a link: a label or a picture that takes clicks.
bool isLink(const Control& control);

// Option buttons in one container form a group, of which one at most is selected: the name of
// that container, empty for the window itself.
std::string_view optionGroup(const Control& option);

} // namespace forms
