#include "SearchPath.h"

#include "SystemText.h"
#include "job/modPath.h"

#include <QStandardPaths>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace platform::SearchPath {
namespace {

// An entry whose bytes have no exact text is left out: its text would name a look-alike
// folder, in the check and in the console alike.
QStringList absoluteFolders(std::string_view path)
{
    QStringList absolute;
    for (std::size_t from = 0; from <= path.size();) {
        const auto end = std::min(path.find(':', from), path.size());
        const auto folder = SystemText::read(path.substr(from, end - from));
        if (folder && modPath::IsAbsolute(*folder, job::ScriptDialect::Posix))
            absolute << QString::fromStdU16String(*folder);
        from = end + 1;
    }
    return absolute;
}

} // namespace

QStringList folders()
{
    if (const char* path = std::getenv("PATH"))
        return absoluteFolders(path);
    // Without PATH, a shell looks where the system keeps its standard programs.
    std::string standard(::confstr(_CS_PATH, nullptr, 0), '\0');
    ::confstr(_CS_PATH, standard.data(), standard.size());
    return absoluteFolders(standard.c_str());
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
