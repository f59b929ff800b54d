// The main window's controls as Qt's own widgets, in the program's fonts and without the
// pictures: what the program's window costs before its own drawing and behaviour.
#include "forms/MainWindowDesign.h"
#include "ui/qt/common/Fonts.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <map>
#include <string_view>

namespace {

QWidget* make(const forms::Control& control, QWidget* parent)
{
    const QString caption = QString::fromStdU16String(std::u16string(control.caption));
    switch (control.kind) {
    case forms::Kind::Line: {
        auto* rule = new QFrame(parent);
        rule->setFrameShape(QFrame::HLine);
        return rule;
    }
    case forms::Kind::Label:
        return new QLabel(caption, parent);
    case forms::Kind::TextBox:
        return new QLineEdit(parent);
    case forms::Kind::Button:
        return new QPushButton(caption, parent);
    case forms::Kind::Frame:
        return new QGroupBox(caption, parent);
    case forms::Kind::OptionButton:
        return new QRadioButton(caption, parent);
    case forms::Kind::Image:
        break;
    }
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Fonts::installSubstitutions();
    const auto& design = forms::MainWindowDesign;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Controls floor"));
    window.setFont(Fonts::font(forms::Face::Window));
    window.setFixedSize(design.clientWidth, design.clientHeight);
    std::map<std::string_view, QWidget*> made;
    for (const auto& control : design.controls) {
        QWidget* parent = control.container.empty() ? &window : made.at(control.container);
        QWidget* widget = make(control, parent);
        if (!widget)
            continue;
        widget->setGeometry(control.box.left, control.box.top, control.box.width,
                            control.box.height);
        widget->setFont(Fonts::font(control.face));
        made.emplace(control.name, widget);
    }
    window.show();
    return QApplication::exec();
}
