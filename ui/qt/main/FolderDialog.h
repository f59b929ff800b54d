#pragma once

#include <QString>

#include <optional>
#include <string>

class QWidget;

// The folder picker where the system has no folder browser of its own.
namespace FolderDialog {

// The picked folder in the system's separators, with no separator at its end but for the
// root's; nothing for a cancel.
std::optional<std::u16string> folder(const QString& chosen);

// Shows the picker modally.
std::optional<std::u16string> browse(QWidget* parent, const QString& title);

} // namespace FolderDialog
