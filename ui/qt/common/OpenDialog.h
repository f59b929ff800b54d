#pragma once

#include "forms/CommonDialog.h"

#include <QString>

#include <string>

class QWidget;

// The Open dialog, set up as the main window's dialog settings say.
namespace OpenDialog {

// The filter as the file dialog takes it, one name filter for each entry, its patterns matching
// in either letter case.
QString nameFilter(const QString& filter);

// Takes the dialog's answer as the file chosen last: true, with file set in the system's
// separators, when a file was chosen; false, keeping the file chosen before, for a cancel and
// for a name Qt misread, which stands for another file: then refusal says so.
bool take(const QString& chosen, std::u16string& file, QString& refusal);

// Shows the dialog modally, starting at the file chosen last; the chosen file, or the empty
// text for a cancel.
QString ask(QWidget* parent, const forms::CommonDialog& dlg);

} // namespace OpenDialog
