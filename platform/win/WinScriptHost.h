#pragma once

#include "platform/Platform.h"
#include "platform/ScriptRuns.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace platform {

// The script host on Windows: batch files in a work folder on drive C, run by cmd.exe.
class WinScriptHost final : public ScriptHost {
public:
    static constexpr wchar_t DefaultWorkFolder[] = L"C:\\VC_Temp";
    // The longest line cmd.exe reads from a batch file, in bytes of the console's code page.
    static constexpr std::size_t MaxLineLength = 8191;

    // Starts a script in a console and returns its process, or null with the error set.
    using ConsoleProcessStarter = std::function<HANDLE(const std::u16string&, Error&)>;

    WinScriptHost(const std::wstring& workFolder, ConsoleProcessStarter startConsole);
    ~WinScriptHost() override;
    WinScriptHost(const WinScriptHost&) = delete;
    WinScriptHost& operator=(const WinScriptHost&) = delete;

    ScriptDialect dialect() const override { return ScriptDialect::Windows; }
    bool sameFile(const std::u16string& first, const std::u16string& second) const override;
    bool isFolder(const std::u16string& path) const override;
    Error writeScript(const std::u16string& text) override;
    Error startScript() override;
    void removeScripts() override;

private:
    struct Console {
        std::wstring script;
        HANDLE process;
    };

    // Why the work folder cannot be used, if it cannot: it is not a folder, or a link.
    Error checkFolder() const;
    // Forgets the consoles that have ended; tells which copies the others run.
    ScriptRuns::InUse copyUsers();

    std::wstring folder_;
    ScriptRuns runs_;
    ConsoleProcessStarter startConsole_;
    std::vector<Console> consoles_;
};

} // namespace platform
