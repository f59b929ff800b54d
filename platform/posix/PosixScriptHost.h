#pragma once

// On POSIX a file is examined, read and written by the system's own calls, which take a path's
// bytes, tell owner, mode and links, and never follow one unasked; a name becomes text and back
// by QFile's decodeName and encodeName, as the rest of the program reads names.

#include "job/ScriptHost.h"
#include "platform/ScriptRuns.h"

#include <QString>

namespace platform {

using job::ScriptDialect;
using job::ScriptHost;

// The script host on Linux and other POSIX systems: a private work folder in the user's runtime
// directory, shell scripts, and a terminal emulator as the console.
class PosixScriptHost final : public ScriptHost {
public:
    PosixScriptHost(const QString& workFolder, ConsoleStarter startConsole);

    // The work folder the program uses: VC_Temp in the user's runtime directory, or in the
    // user's cache folder when there is no private runtime directory.
    static QString defaultWorkFolder();

    ScriptDialect dialect() const override { return ScriptDialect::Posix; }
    bool sameFile(const std::u16string& first, const std::u16string& second) const override;
    Error absolute(std::u16string& path) const override;
    bool exists(const std::u16string& path) const override;
    bool isFolder(const std::u16string& path) const override;
    Error checkConverter() const override;
    Error writeScript(const std::u16string& text) override;
    Error startScript() override;
    void removeScripts() override;

private:
    // Why the work folder cannot be used, if it cannot: it is missing, or a folder of the user's
    // that no one else may open.
    Error checkFolder() const;
    Error makePrivateFolder() const;

    QString folder_;
    ScriptRuns runs_;
    ConsoleStarter startConsole_;
};

} // namespace platform
