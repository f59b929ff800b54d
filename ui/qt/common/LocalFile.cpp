#include "LocalFile.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <filesystem>

namespace LocalFile {

QString path(const QUrl& url)
{
    if (!url.isLocalFile())
        return {};
    QUrl local(url);
    if (local.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        local.setHost(QString());
    return local.host().isEmpty() ? local.toLocalFile() : QString();
}

bool isMisread(const QByteArray& name)
{
    return QFile::encodeName(QFile::decodeName(name)) != name;
}

bool isMisread(const QUrl& url)
{
    return isMisread(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

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
        if (isMisread(name) && QFile::decodeName(name) == file.fileName())
            return true;
    }
    return bool(error);
}

QString misreadMessage(const QString& shown)
{
    return QStringLiteral("%1 was not taken: its name is not valid UTF-8 text, so the converter "
                          "would be given another name. Rename the file, then choose it again.")
        .arg(shown);
}

} // namespace LocalFile
