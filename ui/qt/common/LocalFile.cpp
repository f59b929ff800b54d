#include "LocalFile.h"

#include "forms/StartFile.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace LocalFile {

bool isMisread(const QString& path)
{
    if (!path.contains(QChar::ReplacementCharacter))
        return false;
    const QFileInfo file(path);
    if (!file.exists())
        return true;
    namespace fs = std::filesystem;
    std::error_code error;
    for (fs::directory_iterator entry(QFile::encodeName(file.path()).toStdString(), error), end;
         !error && entry != end; entry.increment(error)) {
        const auto name = QByteArray::fromStdString(entry->path().filename().native());
        if (QFile::encodeName(QFile::decodeName(name)) != name &&
            QFile::decodeName(name) == file.fileName())
            return true;
    }
    return bool(error);
}

QString misreadMessage(const QString& shown)
{
    return QString::fromStdU16String(forms::StartFile::misread(shown.toStdU16String()));
}

} // namespace LocalFile
