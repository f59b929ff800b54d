#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The program's message: a text with an OK button only, no icon, titled "Varnelo".
namespace MessageBox {

void show(QWidget* parent, const QString& text);

// Tests answer the message boxes in advance: while set, texts go into the list instead of
// a window.
void recordInto(QStringList* shown);

} // namespace MessageBox
