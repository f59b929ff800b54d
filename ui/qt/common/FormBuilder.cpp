#include "FormBuilder.h"

#include "Accessible.h"
#include "Fonts.h"
#include "FormStyle.h"
#include "PathField.h"
#include "PngFile.h"
#include "SMButton.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPixmapCache>
#include <QRadioButton>
#include <QScreen>

QString FormBuilder::resource(std::string_view file)
{
    return QStringLiteral(":/resources/") +
           QString::fromLatin1(file.data(), qsizetype(file.size()));
}

Qt::WindowFlags FormBuilder::windowFlags(const forms::Window& design)
{
    const Qt::WindowFlags frame =
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    return frame | (design.toolWindow ? Qt::Tool : Qt::Window | Qt::WindowSystemMenuHint);
}

// The design names the pictures by the files they were drawn in; the program carries each as a
// PNG file, which Qt reads without a plugin.
std::string FormBuilder::pngOf(std::string_view picture, std::string_view variant)
{
    return std::string(picture.substr(0, picture.find('.'))) + std::string(variant) + ".png";
}

// A window's icon may be named as a picture is: the program carries it as NAME-icon.png.
QIcon FormBuilder::windowIcon(const forms::Window& design)
{
    // One pixmap for all the windows of a design: each new one stayed held until the program
    // ended, 4 KB every time the About window opened.
    const QString file = resource(pngOf(design.icon, "-icon"));
    QPixmap icon;
    if (!QPixmapCache::find(file, &icon)) {
        icon = QPixmap::fromImage(PngFile::read(file));
        QPixmapCache::insert(file, icon);
    }
    return QIcon(icon);
}

QString FormBuilder::text(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

FormBuilder::FormBuilder(QWidget* window, const forms::Window& design, const Special& special)
    : design_(design)
{
    Accessible::setRole(window, QAccessible::Window);
    window->setObjectName(QString::fromLatin1(design.name.data(), qsizetype(design.name.size())));
    window->setWindowTitle(text(design.caption));
    window->setFont(Fonts::font(forms::Face::Window));
    window->setFixedSize(design.clientWidth, design.clientHeight);

    auto* style = new FormStyle;
    style->setParent(window);
    // Option buttons group by container: one of each group may be selected.
    std::map<std::string_view, QButtonGroup*> groups;
    for (const auto& control : design.controls) {
        QWidget* parent =
            control.container.empty() ? window : widgets_.at(std::string(control.container));
        QWidget* widget = special ? special(control, parent) : nullptr;
        if (!widget)
            widget = make(control, parent);
        if (control.kind == forms::Kind::Line)
            Accessible::setRole(widget, QAccessible::Separator);
        else if (forms::isLink(control))
            Accessible::setRole(widget, QAccessible::Link);
        widget->setObjectName(
            QString::fromLatin1(control.name.data(), qsizetype(control.name.size())));
        widget->setGeometry(control.box.left, control.box.top, control.box.width,
                            control.box.height);
        if (control.kind != forms::Kind::Line && control.kind != forms::Kind::Image)
            widget->setFont(Fonts::font(control.face));
        if (!control.toolTip.empty())
            widget->setToolTip(text(control.toolTip));
        // A field takes its name from its label; Qt reads the label's buddy as that.
        if (!control.label.empty())
            get<QLabel>(control.label)->setBuddy(widget);
        else
            widget->setAccessibleName(text(design.accessibleName(control)));
        if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            option->setStyle(style);
            auto*& group = groups[forms::optionGroup(control)];
            if (!group)
                group = new QButtonGroup(window);
            group->addButton(option);
        }
        if (qobject_cast<QGroupBox*>(widget))
            widget->setStyle(style);
        // Controls no one can see stay hidden, out of the reach of the keyboard and of
        // assistive technology; what they hold is still read.
        if (design.offScreen(control)) {
            widget->setFocusPolicy(Qt::NoFocus);
            widget->hide();
        }
        widgets_.emplace(control.name, widget);
    }

    const auto chain = design.tabChain();
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(widgets_.at(std::string(chain[i - 1]->name)),
                             widgets_.at(std::string(chain[i]->name)));
    if (!chain.empty())
        widgets_.at(std::string(chain.front()->name))->setFocus();

    if (const QScreen* screen = window->screen(); screen && !design.toolWindow)
        window->move(screen->availableGeometry().center() - window->rect().center());
}

QWidget* FormBuilder::make(const forms::Control& control, QWidget* parent) const
{
    const QString caption = text(control.caption);
    switch (control.kind) {
    case forms::Kind::Line: {
        auto* rule = new QFrame(parent);
        rule->setAutoFillBackground(true);
        QPalette palette = rule->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(forms::RuleColor));
        rule->setPalette(palette);
        return rule;
    }
    case forms::Kind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case forms::Kind::TextBox:
        return new PathField(parent);
    case forms::Kind::Button: {
        auto* button = new SMButton::Button(parent);
        button->setText(caption);
        if (control.pictureAlone)
            button->setPicturePosition(SMButton::Button::Centred);
        return button;
    }
    case forms::Kind::Image: {
        return new QLabel(parent);
    }
    case forms::Kind::Frame:
        return new QGroupBox(caption, parent);
    case forms::Kind::OptionButton:
        return new QRadioButton(caption, parent);
    }
    return new QWidget(parent);
}

void FormBuilder::loadPictures() const
{
    for (const auto& control : design_.controls) {
        if (control.picture.empty())
            continue;
        QWidget* widget = widgets_.at(std::string(control.name));
        if (auto* button = qobject_cast<SMButton::Button*>(widget))
            button->setPicture(resource(pngOf(control.picture)));
        else if (auto* image = qobject_cast<QLabel*>(widget))
            showPicture(image, control.picture);
    }
}

// The program carries each picture as a PNG file of the size it is shown at, and one of twice
// that size for scaled screens; only a window of another size scales it.
void FormBuilder::showPicture(QLabel* image, std::string_view picture)
{
    const bool scaled = image->devicePixelRatioF() > 1.0;
    // Converted to the screen's format in place, without a second copy of the pixels.
    QPixmap pixmap = QPixmap::fromImage(
        PngFile::read(resource(scaled ? pngOf(picture, "@2x") : pngOf(picture))));
    if (scaled)
        pixmap.setDevicePixelRatio(2.0);
    image->setScaledContents(pixmap.deviceIndependentSize().toSize() != image->size());
    image->setPixmap(pixmap);
}
