#include "ConsoleStart.h"

#include "ConverterPath.h"
#include "job/modPath.h"
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
    const std::wstring script = WideText::toWide(scriptPath);
    std::wstring commandLine = consoleCommandLine(scriptPath);

    // The console works in the work folder, which holds nothing of the program's installation,
    // so no console waiting for its key keeps the program's folder from being removed. The
    // script names the converter by its whole path; the PATH it gets searches no folder that
    // hangs on the current one.
    wchar_t* own = GetEnvironmentStringsW();
    std::wstring environment =
        ConverterPath::consoleEnvironment(own, ConverterPath::programFolder());
    FreeEnvironmentStringsW(own);
    const std::wstring folder = modPath::FolderPart(script, job::ScriptDialect::Windows);

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
