#pragma once

#include "forms/CommonDialog.h"

#include <QString>

class QWidget;

// The Open dialog, set up as the main window's dialog settings say.
namespace CommonDialog {

// Shows the dialog modally; true, with dlg.FileName set, when the user chose a file.
bool ShowOpen(QWidget* parent, forms::CommonDialog& dlg);

// The filter as the file dialog takes it, its patterns matching in either letter case.
QString nameFilter(const QString& filter);

// Tests answer the next dialog in advance: a file name, or the empty text for a cancel.
void setNextFileName(const QString& fileName);

} // namespace CommonDialog
