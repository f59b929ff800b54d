#include "FolderDialog.h"

#include <QDir>
#include <QFileDialog>

namespace FolderDialog {
namespace {

std::optional<QString> nextDirectory;

} // namespace

QString getExistingDirectory(QWidget* parent, const QString& title)
{
    QString folder;
    if (nextDirectory) {
        folder = *nextDirectory;
        nextDirectory.reset();
    } else {
        folder = QFileDialog::getExistingDirectory(parent, title);
    }
    if (folder.isEmpty())
        return folder;
    // cleanPath drops a trailing separator but keeps the root's.
    return QDir::toNativeSeparators(QDir::cleanPath(folder));
}

void setNextDirectory(const QString& folder)
{
    nextDirectory = folder;
}

} // namespace FolderDialog
