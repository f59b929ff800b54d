#include "Accessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace Accessible {
namespace {

constexpr char RoleProperty[] = "accessibleRole";

// The children a window shows: assistive technology could otherwise still press or toggle a
// hidden one.
QList<QWidget*> shownChildren(const QWidget* widget)
{
    QList<QWidget*> shown;
    for (QObject* child : widget->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control && !control->isWindow() && control->isVisibleTo(widget))
            shown << control;
    }
    return shown;
}

// A press and a release of the left button in the middle of the widget, as a mouse makes a
// click.
void click(QWidget* widget)
{
    const QPointF middle = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(middle);
    QMouseEvent press(QEvent::MouseButtonPress, middle, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, middle, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

class Interface : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(shownChildren(widget()).size()); }

    QAccessibleInterface* child(int index) const override
    {
        const auto shown = shownChildren(widget());
        return index >= 0 && index < shown.size()
                   ? QAccessible::queryAccessibleInterface(shown[index])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        auto* control = child ? qobject_cast<QWidget*>(child->object()) : nullptr;
        return int(shownChildren(widget()).indexOf(control));
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Link)
            names << pressAction();
        return names;
    }

    void doAction(const QString& action) override
    {
        if (role() == QAccessible::Link && action == pressAction())
            click(widget());
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* factory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = widget ? widget->property(RoleProperty) : QVariant();
    if (!role.isValid())
        return nullptr;
    return new Interface(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void setRole(QWidget* widget, QAccessible::Role role)
{
    QAccessible::installFactory(factory);
    widget->setProperty(RoleProperty, int(role));
    // Qt makes a widget's reading from its class alone as soon as it hears of a change to it,
    // its text set on construction for one; that reading gives way.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made && !dynamic_cast<Interface*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace Accessible
