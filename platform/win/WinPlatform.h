#pragma once

#include "platform/Platform.h"
#include "platform/ScriptRuns.h"

#include <string>

namespace platform {

// The platform on Windows: batch files in a work folder on drive C, run by cmd.exe.
class WinPlatform final : public Platform {
public:
    static constexpr wchar_t DefaultWorkFolder[] = L"C:\\VC_Temp";

    WinPlatform(const std::wstring& workFolder, ConsoleStarter startConsole);

    ScriptDialect dialect() const override { return ScriptDialect::Windows; }
    bool sameFile(const std::u16string& first, const std::u16string& second) const override;
    Error writeScript(const std::u16string& text) override;
    Error startScript() override;
    void removeScripts() override;
    void openUrl(const std::u16string& address) override;
    bool hasFolderBrowser() const override { return true; }
    std::u16string browseForFolder(std::uintptr_t ownerWindow,
                                   const std::u16string& prompt) override;

private:
    std::wstring folder_;
    ScriptRuns runs_;
    ConsoleStarter startConsole_;
};

} // namespace platform
