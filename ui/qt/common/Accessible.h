#pragma once

#include <QAccessible>

class QWidget;

// What assistive technology reads of the windows built from a design, where a widget's own
// reading falls short: a window, a rule or a link takes the role it has for the user. The
// controls a window keeps hidden, which no one sees or reaches, are no part of what assistive
// technology reads either, and a link's press action clicks it.
namespace Accessible {

void setRole(QWidget* widget, QAccessible::Role role);

} // namespace Accessible
