#include "TerminalLauncher.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

QList<TerminalLauncher::Candidate> TerminalLauncher::candidates(const QString& terminalVariable)
{
    QList<Candidate> list;
    QStringList named = QProcess::splitCommand(terminalVariable);
    if (!named.isEmpty()) {
        const QString program = named.takeFirst();
        list.append({program, named << QStringLiteral("-e")});
    }
    const QString e = QStringLiteral("-e");
    const QString x = QStringLiteral("-x");
    list.append({
        {QStringLiteral("x-terminal-emulator"), {e}},
        {QStringLiteral("gnome-terminal"), {QStringLiteral("--")}},
        {QStringLiteral("konsole"), {e}},
        {QStringLiteral("xfce4-terminal"), {x}},
        {QStringLiteral("mate-terminal"), {x}},
        {QStringLiteral("kitty"), {}},
        {QStringLiteral("alacritty"), {e}},
        {QStringLiteral("foot"), {}},
        {QStringLiteral("xterm"), {e}},
    });
    return list;
}

Error TerminalLauncher::start(const std::u16string& scriptPath)
{
    const QString script = QString::fromStdU16String(scriptPath);
    QStringList tried;
    for (const auto& candidate : candidates(qEnvironmentVariable("TERMINAL"))) {
        const QString program = QStandardPaths::findExecutable(candidate.program);
        if (program.isEmpty()) {
            tried << QStringLiteral("%1 (not installed)").arg(candidate.program);
            continue;
        }
        // startDetached starts the terminal in a new session, so closing the program or its
        // own terminal leaves the conversion running.
        if (QProcess::startDetached(
                program, candidate.arguments + QStringList{QStringLiteral("/bin/sh"), script},
                QDir::currentPath()))
            return {};
        tried << QStringLiteral("%1 (could not be started)").arg(program);
    }
    return QStringLiteral("No terminal window could be opened to run the conversion. Tried: %1. "
                          "Install xterm, or name your terminal in the TERMINAL environment "
                          "variable.")
        .arg(tried.join(QStringLiteral(", ")))
        .toStdU16String();
}

} // namespace platform
