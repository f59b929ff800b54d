#pragma once

#include "forms/CommonDialog.h"

#include <QString>

class QWidget;

// The Open dialog, set up as the main window's dialog settings say.
namespace OpenDialog {

// The filter as the file dialog takes it, one name filter for each entry, its patterns matching
// in either letter case.
QString nameFilter(const QString& filter);

// Takes the dialog's answer into its settings: true, with dlg.FileName set in the system's
// separators, when a file was chosen; false, keeping the file chosen last, for a cancel and
// for a name Qt misread, which stands for another file: then refusal says so.
bool take(const QString& chosen, forms::CommonDialog& dlg, QString& refusal);

// Shows the dialog modally, starting at the file chosen last; the chosen file, or the empty
// text for a cancel.
QString ask(QWidget* parent, const forms::CommonDialog& dlg);

} // namespace OpenDialog
