#include "WinScriptHost.h"

#include "ConsoleStart.h"
#include "WideText.h"

namespace platform {
namespace {

using WideText::fromWide;
using WideText::systemMessage;
using WideText::toWide;

struct FileIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const FileIdentity&) const = default;
};

bool identify(const std::u16string& path, FileIdentity& identity)
{
    // Backup semantics opens folders too; no access right is needed to read the identity.
    HANDLE file =
        CreateFileW(toWide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return known;
}

} // namespace

std::unique_ptr<ScriptHost> createScriptHost()
{
    return std::make_unique<WinScriptHost>(WinScriptHost::DefaultWorkFolder, &startConsoleProcess);
}

WinScriptHost::WinScriptHost(const std::wstring& workFolder, ConsoleProcessStarter startConsole)
    : folder_(workFolder), runs_(workFolder, L"temp.bat", GetCurrentProcessId()),
      startConsole_(std::move(startConsole))
{
}

WinScriptHost::~WinScriptHost()
{
    for (const auto& console : consoles_)
        CloseHandle(console.process);
}

bool WinScriptHost::sameFile(const std::u16string& first, const std::u16string& second) const
{
    FileIdentity a;
    FileIdentity b;
    return identify(first, a) && identify(second, b) && a == b;
}

bool WinScriptHost::isFolder(const std::u16string& path) const
{
    const DWORD attributes = GetFileAttributesW(toWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Error WinScriptHost::writeScript(const std::u16string& text)
{
    // cmd.exe reads a batch file in the console's code page, which starts as the OEM one.
    const UINT codePage = GetOEMCP();
    const auto bytes = WideText::toCodePage(text, codePage);
    if (!bytes)
        return u"Paths MUST use only characters of the console's code page (" +
               fromWide(std::to_wstring(codePage)) + u")!";

    if (!CreateDirectoryW(folder_.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return u"The work folder " + fromWide(folder_) + u" could not be created: " +
               systemMessage(GetLastError()) + u".";
    const DWORD attributes = GetFileAttributesW(folder_.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return u"The work folder " + fromWide(folder_) + u" is not a folder.";

    const std::wstring script = runs_.script().wstring();
    HANDLE file = CreateFileW(script.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return u"The conversion script " + fromWide(script) + u" could not be written: " +
               systemMessage(GetLastError()) + u".";
    DWORD written = 0;
    const bool whole =
        WriteFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &written, nullptr) &&
        written == bytes->size();
    const DWORD writeError = GetLastError();
    const bool closed = CloseHandle(file);
    if (!whole || !closed) {
        // A half-written script must not be run later by "Convert it now!".
        DeleteFileW(script.c_str());
        return u"The conversion script " + fromWide(script) + u" could not be written: " +
               systemMessage(whole ? GetLastError() : writeError) + u".";
    }
    return {};
}

Error WinScriptHost::startScript()
{
    return runs_.start([this](const std::u16string& script) {
        Error error;
        if (HANDLE process = startConsole_(script, error))
            consoles_.push_back({script, process});
        return error;
    });
}

void WinScriptHost::removeScripts()
{
    runs_.removeAll([this](const std::filesystem::path& copy) {
        for (const auto& console : consoles_) {
            if (console.script == copy && WaitForSingleObject(console.process, 0) == WAIT_TIMEOUT)
                return true;
        }
        return false;
    });
}

} // namespace platform
