#pragma once

#include <QString>

#include <optional>

class QWidget;

// The folder picker where the system has no folder browser of its own.
namespace FolderDialog {

// The chosen folder in the system's separators, with no separator at its end but for the
// root; the empty text when the user cancelled.
QString getExistingDirectory(QWidget* parent, const QString& title);

// Tests answer the next dialog in advance: a folder, or the empty text for a cancel.
void setNextDirectory(const QString& folder);

} // namespace FolderDialog
