// The script's property through the real cmd.exe, with the Windows host writing each script.
#include "ScriptProperty.h"

#include "platform/win/WinScriptHost.h"
#include "tests/support/TempFolder.h"
#include "text/WideText.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using platform::WinScriptHost;

fs::path systemFolder()
{
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
}

// Starts the script as a console does, with nothing to read so that its key prompt returns,
// in the folder given, and waits for it to end.
WinScriptHost::ConsoleProcessStarter waitingConsole(const fs::path& folder, const fs::path& log)
{
    return [folder, log](const std::u16string& script, job::Error& error) -> HANDLE {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        HANDLE input = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   &inherited, OPEN_EXISTING, 0, nullptr);
        HANDLE output = CreateFileW(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                    CREATE_ALWAYS, 0, nullptr);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = input;
        startup.hStdOutput = output;
        startup.hStdError = output;
        std::wstring commandLine =
            L"cmd.exe /D /V:OFF /S /C \"\"" + WideText::toWide(script) + L"\"\"";
        PROCESS_INFORMATION process{};
        const bool started = CreateProcessW(
            (systemFolder() / "cmd.exe").c_str(), commandLine.data(), nullptr, nullptr, TRUE,
            CREATE_NO_WINDOW, nullptr, folder.c_str(), &startup, &process);
        CloseHandle(input);
        CloseHandle(output);
        if (!started) {
            error = u"cmd.exe did not start: " + WideText::systemMessage(GetLastError());
            return nullptr;
        }
        CloseHandle(process.hThread);
        WaitForSingleObject(process.hProcess, INFINITE);
        return process.hProcess;
    };
}

TEST(ScriptProperty, EveryNameIsRefusedOrReachesTheConverterWholeThroughCmd)
{
    TempFolder temp;
    const auto planted = temp.path() / "planted";
    const auto current = temp.path() / "current";
    for (const auto& folder : {planted, current})
        fs::create_directory(folder);
    const auto record = temp.path() / "arguments";
    const auto marker = temp.path() / "marker";
    const auto log = temp.path() / "console";
    // What a broken quote would start instead; cmd.exe finds them before Windows' own calc.
    for (const char* name : {"calc.bat", "touch.bat"})
        writeFile(planted / name, "@echo %0 %*>>\"" + marker.string() + "\"\r\n");

    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t path[32768] = {};
    GetEnvironmentVariableW(L"PATH", path, 32768);
    const auto searched = (fs::path(self).parent_path() / "stand-in").wstring() + L";" +
                          planted.wstring() + L";" + systemFolder().wstring();
    SetEnvironmentVariableW(L"PATH", searched.c_str());
    SetEnvironmentVariableW(L"FAKE_ARGUMENTS", record.c_str());

    WinScriptHost host({temp.path() / "work"}, waitingConsole(current, log));
    const auto run = [&](const std::u16string& text) {
        ScriptProperty::Outcome outcome;
        outcome.refusal = host.writeScript(text);
        if (outcome.refusal)
            return outcome;
        if (const auto error = host.startScript())
            outcome.strays = WideText::toCodePage(*error, CP_UTF8).value_or("") + "\n";
        host.removeScripts();
        outcome.runs = ScriptProperty::readRuns(readFile(record));
        outcome.strays += readFile(marker);
        for (const auto& entry : fs::directory_iterator(current)) {
            outcome.strays +=
                "made " + ScriptProperty::utf8(entry.path().filename().u16string()) + "\n";
            fs::remove_all(entry.path());
        }
        if (!outcome.strays.empty())
            outcome.strays += "the console showed: " + readFile(log);
        for (const auto& left : {record, marker})
            fs::remove(left);
        return outcome;
    };
    const auto refuses = [](const std::u16string& message) {
        return message.starts_with(
                   u"Paths MUST use only characters of the console's code page (") ||
               message == u"Source and target paths together MUST fit in a console line of 8191 "
                          u"characters!";
    };
    const auto carries = [](std::u16string_view letter) {
        return WideText::toCodePage(std::u16string(letter), GetOEMCP()).has_value();
    };
    ScriptProperty::check(job::ScriptDialect::Windows, 300, run, {refuses, carries});
    SetEnvironmentVariableW(L"PATH", path);
}

} // namespace
