#pragma once

#include "forms/CommonDialog.h"

#include <QString>

class QWidget;

// The Open dialog, set up as the main window's dialog settings say.
namespace OpenDialog {

// The filter as the file dialog takes it, its patterns matching in either letter case.
QString nameFilter(const QString& filter);

// Takes the dialog's answer into its settings: true, with dlg.FileName set in the system's
// separators, when a file was chosen; false, keeping the file chosen last, for a cancel.
bool take(const QString& chosen, forms::CommonDialog& dlg);

// Shows the dialog modally, starting at the file chosen last; true, with dlg.FileName set,
// when the user chose a file.
bool show(QWidget* parent, forms::CommonDialog& dlg);

} // namespace OpenDialog
