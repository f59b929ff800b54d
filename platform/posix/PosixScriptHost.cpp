#include "PosixScriptHost.h"

#include "SearchPath.h"
#include "SystemText.h"
#include "TerminalLauncher.h"
#include "job/modPath.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

QString toQString(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

Error message(const QString& text)
{
    return text.toStdU16String();
}

// A shell removes its copy as soon as it has it open, and a file removed while open stays
// readable to the shell that holds it, so only a copy no shell has opened yet can be lost. A
// terminal may hand its command to a server that starts the shell a moment later, with no
// process naming the copy meanwhile: a copy this young may still be waited for, an older one
// never will be, whichever program wrote it.
constexpr std::time_t YoungCopySeconds = 120;

bool young(const ScriptRuns::Path& copy, unsigned long)
{
    struct stat info {};
    if (::lstat(copy.c_str(), &info) != 0)
        return false;
    const std::time_t age = std::time(nullptr) - info.st_mtime;
    return age < YoungCopySeconds && age > -YoungCopySeconds;
}

// XDG_RUNTIME_DIR when it names a folder of the user's that no one else may open, by a name
// the program can carry exactly. Qt's own runtime location would fall back to a folder under
// /tmp without it, and warn at every start.
QString runtimeFolder()
{
    const QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
    const auto text = SystemText::read(folder.toStdString());
    struct stat info {};
    if (folder.isEmpty() || !text || ::stat(folder.constData(), &info) != 0 ||
        !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() || (info.st_mode & 077) != 0)
        return {};
    return QString::fromStdU16String(*text);
}

} // namespace

std::unique_ptr<ScriptHost> createScriptHost()
{
    return std::make_unique<PosixScriptHost>(PosixScriptHost::defaultWorkFolder(),
                                             &TerminalLauncher::start);
}

PosixScriptHost::PosixScriptHost(const QString& workFolder, ConsoleStarter startConsole)
    : folder_(workFolder),
      runs_(QFile::encodeName(workFolder).toStdString(), "temp.sh", ::getpid()),
      startConsole_(std::move(startConsole))
{
    // Copies whose shells never started, of an earlier program or a killed one, go once no shell
    // will start any more.
    if (!checkFolder())
        runs_.removeUnused(&young);
}

QString PosixScriptHost::defaultWorkFolder()
{
    // The user's cache folder is the user's own too. A folder at the root or right under it is
    // taken for a missing one.
    for (const QString& location : {runtimeFolder(), QStandardPaths::writableLocation(
                                                         QStandardPaths::GenericCacheLocation)}) {
        const QString base = QDir::cleanPath(location);
        if (modPath::IsAbsolute(base.toStdU16String(), ScriptDialect::Posix) &&
            modPath::FolderPart(base.toStdU16String(), ScriptDialect::Posix) != u"/")
            return base + QStringLiteral("/VC_Temp");
    }
    return {};
}

bool PosixScriptHost::sameFile(const std::u16string& first, const std::u16string& second) const
{
    struct stat a {};
    struct stat b {};
    if (::stat(QFile::encodeName(toQString(first)).constData(), &a) != 0 ||
        ::stat(QFile::encodeName(toQString(second)).constData(), &b) != 0)
        return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

Error PosixScriptHost::absolute(std::u16string& path) const
{
    if (modPath::IsAbsolute(path, ScriptDialect::Posix))
        return {};
    // The folder's own bytes: a text of them that is not exact names a look-alike folder, and a
    // folder that is gone leaves no folder to read the path from at all. ".." is left for the
    // system to follow, which through a link leads elsewhere than the text says.
    const std::unique_ptr<char, decltype(&std::free)> here(::getcwd(nullptr, 0), &std::free);
    if (!here || here.get()[0] != '/')
        return message(QStringLiteral("The relative path %1 cannot be read: the folder Varnelo "
                                      "was started in is gone or cannot be read (%2). Type the "
                                      "whole path.")
                           .arg(toQString(path),
                                QString::fromLocal8Bit(std::strerror(here ? ENOENT : errno))));
    const auto folder = SystemText::read(here.get());
    if (!folder)
        return message(QStringLiteral("The relative path %1 cannot be read: the name of the "
                                      "folder Varnelo was started in, %2, is not valid UTF-8 "
                                      "text. Type the whole path.")
                           .arg(toQString(path), toQString(SystemText::shown(here.get()))));
    path = modPath::Join(*folder, path, ScriptDialect::Posix);
    return {};
}

bool PosixScriptHost::exists(const std::u16string& path) const
{
    struct stat info {};
    return ::stat(QFile::encodeName(toQString(path)).constData(), &info) == 0;
}

bool PosixScriptHost::isFolder(const std::u16string& path) const
{
    struct stat info {};
    return ::stat(QFile::encodeName(toQString(path)).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode);
}

Error PosixScriptHost::checkConverter() const
{
    // The script names the converter bare; the console looks for it as this check does.
    if (!SearchPath::find(QStringLiteral("ffmpeg")).isEmpty())
        return {};
    return message(QStringLiteral("FFmpeg MUST be installed before proceeding! Install the "
                                  "ffmpeg package, or put ffmpeg in a folder on PATH."));
}

Error PosixScriptHost::checkFolder() const
{
    if (folder_.isEmpty())
        return message(QStringLiteral("There is no private folder for the conversion script: "
                                      "set XDG_RUNTIME_DIR or HOME to a folder of yours."));
    // lstat, not stat: a link put in the folder's place must not lead the scripts elsewhere.
    struct stat info {};
    if (::lstat(QFile::encodeName(folder_).constData(), &info) != 0) {
        if (errno == ENOENT)
            return {};
        return message(QStringLiteral("The work folder %1 could not be examined: %2.")
                           .arg(folder_, QString::fromLocal8Bit(std::strerror(errno))));
    }
    if (S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0)
        return {};
    return message(QStringLiteral("The work folder %1 is not a private folder of yours. "
                                  "Remove it, or make it yours and closed to others.")
                       .arg(folder_));
}

Error PosixScriptHost::makePrivateFolder() const
{
    if (auto error = checkFolder())
        return error;
    const QByteArray path = QFile::encodeName(folder_);
    int made = ::mkdir(path.constData(), 0700);
    // The cache folder that the work folder may lie in need not exist yet.
    if (made != 0 && errno == ENOENT) {
        const QString parent = QString::fromStdU16String(
            modPath::FolderPart(folder_.toStdU16String(), ScriptDialect::Posix));
        if (::mkdir(QFile::encodeName(parent).constData(), 0700) != 0 && errno != EEXIST)
            return message(
                QStringLiteral("The folder %1, which holds the work folder, could not be "
                               "created: %2.")
                    .arg(parent, QString::fromLocal8Bit(std::strerror(errno))));
        made = ::mkdir(path.constData(), 0700);
    }
    if (made != 0 && errno != EEXIST)
        return message(QStringLiteral("The work folder %1 could not be created: %2.")
                           .arg(folder_, QString::fromLocal8Bit(std::strerror(errno))));
    return checkFolder();
}

Error PosixScriptHost::writeScript(const std::u16string& text)
{
    if (auto error = makePrivateFolder())
        return error;
    if (const auto error = runs_.write(toQString(text).toUtf8().toStdString()))
        return message(QStringLiteral("The conversion script %1 could not be written: %2.")
                           .arg(QFile::decodeName(runs_.script().c_str()),
                                QString::fromLocal8Bit(error.message())));
    return {};
}

Error PosixScriptHost::startScript()
{
    if (auto error = checkFolder())
        return error;
    return runs_.start(startConsole_);
}

void PosixScriptHost::removeScripts()
{
    if (checkFolder())
        return;
    runs_.removeAll(&young);
}

} // namespace platform
