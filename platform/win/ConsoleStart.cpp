#include "ConsoleStart.h"

#include "ConverterPath.h"
#include "text/WideText.h"

namespace platform {

std::wstring consoleCommandLine(const std::u16string& scriptPath)
{
    // /S with /C takes the outermost pair of quotes off and runs the rest as it stands.
    return L"cmd.exe /D /V:OFF /S /C \"\"" + WideText::toWide(scriptPath) + L"\"\"";
}

HANDLE startConsoleProcess(const std::u16string& scriptPath, Error& error)
{
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring interpreter = std::wstring(system) + L"\\cmd.exe";
    std::wstring commandLine = consoleCommandLine(scriptPath);

    // The script names the converter bare. The console starts in the program's folder, where
    // the converter is looked for first anyway: a cmd.exe that searches its current folder
    // before PATH then finds what the check found, never a file in the work folder or in one
    // the user browsed.
    wchar_t* own = GetEnvironmentStringsW();
    const std::wstring folder = ConverterPath::programFolder();
    std::wstring environment = ConverterPath::consoleEnvironment(own, folder);
    FreeEnvironmentStringsW(own);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(interpreter.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_CONSOLE | CREATE_UNICODE_ENVIRONMENT, environment.data(),
                        folder.c_str(), &startup, &process)) {
        error = u"The console window could not be started (" + WideText::fromWide(interpreter) +
                u", working in " + WideText::fromWide(folder) + u"): " +
                WideText::systemMessage(GetLastError()) + u".";
        return nullptr;
    }
    CloseHandle(process.hThread);
    return process.hProcess;
}

} // namespace platform
