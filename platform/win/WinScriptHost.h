#pragma once

#include "job/ScriptHost.h"
#include "platform/ScriptRuns.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace platform {

using job::ScriptDialect;
using job::ScriptHost;

// The script host on Windows: batch files in a private work folder, run by cmd.exe.
class WinScriptHost final : public ScriptHost {
public:
    static constexpr wchar_t DefaultWorkFolder[] = L"C:\\VC_Temp";
    // The longest line cmd.exe reads from a batch file, in bytes of the console's code page.
    static constexpr std::size_t MaxLineLength = 8191;

    // Starts a script in a console and returns its process, or null with the error set.
    using ConsoleProcessStarter = std::function<HANDLE(const std::u16string&, Error&)>;

    // The work folder is the first of the folders that is, or can be made, private to the user.
    WinScriptHost(std::vector<std::wstring> workFolders, ConsoleProcessStarter startConsole);

    // C:\VC_Temp, else VC_Temp in the user's local application data, as the user's own.
    static std::vector<std::wstring> defaultWorkFolders();

    const std::wstring& workFolder() const { return folder_; }

    ScriptDialect dialect() const override { return ScriptDialect::Windows; }
    bool sameFile(const std::u16string& first, const std::u16string& second) const override;
    Error absolute(std::u16string& path) const override;
    bool exists(const std::u16string& path) const override;
    bool isFolder(const std::u16string& path) const override;
    Error checkConverter() const override;
    Error writeScript(const std::u16string& text) override;
    Error startScript() override;
    void removeScripts() override;

private:
    // Makes the first of the work folders that can be private the one the scripts go to, or
    // tells why none can.
    Error useFolder();

    std::vector<std::wstring> folders_;
    std::wstring folder_;
    ScriptRuns runs_;
    ConsoleProcessStarter startConsole_;
};

} // namespace platform
