#include "SearchPath.h"

#include "job/modPath.h"

#include <QStandardPaths>

namespace platform::SearchPath {

QStringList folders(const QString& path)
{
    QStringList absolute;
    for (const auto& folder : path.split(QLatin1Char(':'))) {
        if (modPath::IsAbsolute(folder.toStdU16String(), job::ScriptDialect::Posix))
            absolute << folder;
    }
    return absolute;
}

QStringList folders()
{
    return folders(qEnvironmentVariable("PATH"));
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
