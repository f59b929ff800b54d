#include "TerminalLauncher.h"

#include "DetachedStart.h"
#include "SearchPath.h"
#include "job/modPath.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace platform {
namespace {

struct KnownTerminal {
    const char* name;
    const char* option; // empty: the command follows the terminal's own options directly
};

// In the order they are tried when neither TERMINAL nor the system's default names one.
constexpr KnownTerminal KnownTerminals[] = {
    {"gnome-terminal", "--"},
    {"konsole", "-e"},
    {"xfce4-terminal", "-x"},
    {"mate-terminal", "-x"},
    {"kitty", ""},
    {"alacritty", "-e"},
    {"foot", ""},
    {"xterm", "-e"},
};

const QString GenericOption = QStringLiteral("-e");

// Whether the user's options end with the one that makes a terminal run the command behind
// it, given in TERMINAL as other programs that run a command in it expect: a second one would
// become the command.
bool endsWithCommandOption(const QStringList& options)
{
    static const QStringList commandOptions = {QStringLiteral("-e"), QStringLiteral("-x"),
                                               QStringLiteral("--"), QStringLiteral("--command"),
                                               QStringLiteral("--execute")};
    return !options.isEmpty() && commandOptions.contains(options.last());
}

} // namespace

std::optional<QStringList> TerminalLauncher::commandOption(const QString& program)
{
    const QString name = QString::fromStdU16String(
        modPath::FileNamePart(program.toStdU16String(), job::ScriptDialect::Posix));
    for (const auto& known : KnownTerminals) {
        if (name == QLatin1String(known.name))
            return *known.option ? QStringList{QString::fromLatin1(known.option)} : QStringList{};
    }
    return std::nullopt;
}

QList<TerminalLauncher::Candidate> TerminalLauncher::candidates(const QString& terminalVariable)
{
    QList<Candidate> list;
    // A program's path may hold blanks: a value that names an existing program is that program.
    QStringList named = SearchPath::find(terminalVariable).isEmpty()
                            ? QProcess::splitCommand(terminalVariable)
                            : QStringList{terminalVariable};
    if (!named.isEmpty()) {
        const QString program = named.takeFirst();
        list.append({program, named,
                     endsWithCommandOption(named)
                         ? QStringList{}
                         : commandOption(program).value_or(QStringList{GenericOption})});
    }
    list.append({QStringLiteral("x-terminal-emulator"), {}, {GenericOption}});
    for (const auto& known : KnownTerminals) {
        const QString program = QString::fromLatin1(known.name);
        list.append({program, {}, *commandOption(program)});
    }
    return list;
}

Error TerminalLauncher::start(const std::u16string& scriptPath)
{
    const QByteArray script = QFile::encodeName(QString::fromStdU16String(scriptPath));
    // The console starts in the script's folder, the private work folder, and looks for the
    // converter only where the check before GO looked: wherever the program was started from,
    // its files play no part, and a folder the user cannot enter stops nothing.
    const QByteArray folder = QFile::encodeName(
        QString::fromStdU16String(modPath::FolderPart(scriptPath, job::ScriptDialect::Posix)));
    const QByteArray path = QFile::encodeName(SearchPath::folders().join(QLatin1Char(':')));
    QStringList tried;
    for (const auto& candidate : candidates(qEnvironmentVariable("TERMINAL"))) {
        const QString program = SearchPath::find(candidate.program);
        if (program.isEmpty()) {
            tried << QStringLiteral("%1 (not installed)").arg(candidate.program);
            continue;
        }
        // A known terminal reached through a link of another name still takes its own option.
        const QStringList option = endsWithCommandOption(candidate.options)
                                       ? QStringList{}
                                       : commandOption(QFileInfo(program).canonicalFilePath())
                                             .value_or(candidate.commandOption);
        QByteArrayList arguments;
        for (const auto& argument : candidate.options + option)
            arguments << QFile::encodeName(argument);
        arguments << QByteArrayLiteral("/bin/sh") << script;
        // In a session of its own, so closing the program or its own terminal leaves the
        // conversion running.
        const auto error = startDetached(QFile::encodeName(program), arguments, folder, path);
        if (!error)
            return {};
        tried << QStringLiteral("%1 (could not be started: %2)")
                     .arg(program, QString::fromStdString(error.message()));
    }
    return QStringLiteral("No terminal window could be opened to run the conversion. Tried: %1. "
                          "Install xterm, or name your terminal in the TERMINAL environment "
                          "variable.")
        .arg(tried.join(QStringLiteral(", ")))
        .toStdU16String();
}

} // namespace platform
