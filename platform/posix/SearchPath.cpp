#include "SearchPath.h"

#include "job/modPath.h"

#include <QFile>
#include <QStandardPaths>

#include <unistd.h>

namespace platform::SearchPath {
namespace {

QStringList absoluteFolders(const QString& path)
{
    QStringList absolute;
    for (const auto& folder : path.split(QLatin1Char(':'))) {
        if (modPath::IsAbsolute(folder.toStdU16String(), job::ScriptDialect::Posix))
            absolute << folder;
    }
    return absolute;
}

} // namespace

QStringList folders()
{
    if (qEnvironmentVariableIsSet("PATH"))
        return absoluteFolders(qEnvironmentVariable("PATH"));
    // Without PATH, a shell looks where the system keeps its standard programs.
    QByteArray standard(static_cast<qsizetype>(::confstr(_CS_PATH, nullptr, 0)), '\0');
    ::confstr(_CS_PATH, standard.data(), static_cast<std::size_t>(standard.size()));
    return absoluteFolders(QFile::decodeName(standard.constData()));
}

QString find(const QString& name)
{
    if (modPath::IsAbsolute(name.toStdU16String(), job::ScriptDialect::Posix))
        return QStandardPaths::findExecutable(name);
    // Given no folders, Qt would search the whole PATH.
    const auto searched = folders();
    return searched.isEmpty() ? QString() : QStandardPaths::findExecutable(name, searched);
}

} // namespace platform::SearchPath
