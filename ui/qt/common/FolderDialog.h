#pragma once

#include <QString>

#include <optional>
#include <string>

class QWidget;

// The folder picker where the system has no folder browser of its own.
namespace FolderDialog {

// The picked folder in the system's separators, with no separator at its end but for the
// root's; nothing for a cancel, and nothing for a name Qt misread, which stands for another
// folder: then refusal says so.
std::optional<std::u16string> folder(const QString& chosen, QString& refusal);

// Shows the picker modally; the chosen folder, or the empty text for a cancel.
QString ask(QWidget* parent, const QString& title);

} // namespace FolderDialog
