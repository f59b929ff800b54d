#pragma once

#include "job/Error.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

using job::Error;

// Starts a script in a terminal emulator window, detached in a session of its own so that it
// outlives the program: the terminal the user named in TERMINAL, the system's default terminal,
// or the first installed of the common ones.
class TerminalLauncher {
public:
    struct Candidate {
        QString program;
        QStringList options;       // the user's own, from TERMINAL
        QStringList commandOption; // put between the options and "/bin/sh SCRIPT"
    };

    // The terminals to try, in order, given the value of TERMINAL.
    static QList<Candidate> candidates(const QString& terminalVariable);

    // The option a known terminal takes before the command it runs, found by the program's file
    // name wherever it lies; nothing for a terminal not known.
    static std::optional<QStringList> commandOption(const QString& program);

    static Error start(const std::u16string& scriptPath);
};

} // namespace platform
