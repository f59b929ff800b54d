#include "FolderDialog.h"

#include <QDir>
#include <QFileDialog>

namespace FolderDialog {

std::optional<std::u16string> folder(const QString& chosen)
{
    if (chosen.isEmpty())
        return std::nullopt;
    // cleanPath drops a trailing separator but keeps the root's.
    return QDir::toNativeSeparators(QDir::cleanPath(chosen)).toStdU16String();
}

std::optional<std::u16string> browse(QWidget* parent, const QString& title)
{
    return folder(QFileDialog::getExistingDirectory(parent, title));
}

} // namespace FolderDialog
