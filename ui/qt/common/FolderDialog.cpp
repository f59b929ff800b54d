#include "FolderDialog.h"

#include "ui/qt/common/LocalFile.h"

#include <QDir>
#include <QFileDialog>

namespace FolderDialog {

std::optional<std::u16string> folder(const QString& chosen, QString& refusal)
{
    refusal.clear();
    if (chosen.isEmpty())
        return std::nullopt;
    // cleanPath drops a trailing separator but keeps the root's.
    const QString cleaned = QDir::cleanPath(chosen);
    const QString path = QDir::toNativeSeparators(cleaned);
    if (LocalFile::isMisread(cleaned)) {
        refusal = LocalFile::misreadMessage(path);
        return std::nullopt;
    }
    return path.toStdU16String();
}

QString ask(QWidget* parent, const QString& title)
{
    return QFileDialog::getExistingDirectory(parent, title);
}

} // namespace FolderDialog
