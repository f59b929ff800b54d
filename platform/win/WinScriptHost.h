#pragma once

#include "platform/Platform.h"
#include "platform/ScriptRuns.h"

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// The script host on Windows: batch files in a work folder on drive C, run by cmd.exe.
class WinScriptHost final : public ScriptHost {
public:
    static constexpr wchar_t DefaultWorkFolder[] = L"C:\\VC_Temp";

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
        std::filesystem::path script;
        HANDLE process;
    };

    std::wstring folder_;
    ScriptRuns runs_;
    ConsoleProcessStarter startConsole_;
    // cmd.exe opens its batch file again for every line, so a copy stays while its console
    // runs.
    std::vector<Console> consoles_;
};

} // namespace platform
