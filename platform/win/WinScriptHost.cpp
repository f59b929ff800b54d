#include "WinScriptHost.h"

#include "ConsoleStart.h"
#include "WinProcesses.h"
#include "text/WideText.h"

#include <algorithm>

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
    // Copies that consoles still ran when an earlier program closed, or that a killed program
    // left, go once nothing runs them.
    if (!checkFolder())
        runs_.removeUnused(copyUsers(), &WinProcesses::alive);
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

Error WinScriptHost::checkFolder() const
{
    const DWORD attributes = GetFileAttributesW(folder_.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES &&
        (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND))
        return {};
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return u"The work folder " + fromWide(folder_) + u" is not a folder.";
    // A junction or a link would lead the scripts into a folder the program does not own.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return u"The work folder " + fromWide(folder_) +
               u" is a link to another folder. Remove it, and let the program make its own.";
    return {};
}

Error WinScriptHost::writeScript(const std::u16string& text)
{
    // cmd.exe reads a batch file in the console's code page, which starts as the OEM one.
    const UINT codePage = GetOEMCP();
    const auto bytes = WideText::toCodePage(text, codePage);
    if (!bytes)
        return u"Paths MUST use only characters of the console's code page (" +
               fromWide(std::to_wstring(codePage)) + u")!";
    // cmd.exe runs the rest of a longer line as commands of their own.
    for (std::size_t start = 0; start < bytes->size();) {
        const auto end = std::min(bytes->find("\r\n", start), bytes->size());
        if (end - start > MaxLineLength)
            return u"Source and target paths together MUST fit in a console line of " +
                   fromWide(std::to_wstring(MaxLineLength)) + u" characters!";
        start = end + 2;
    }

    if (!CreateDirectoryW(folder_.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return u"The work folder " + fromWide(folder_) + u" could not be created: " +
               systemMessage(GetLastError()) + u".";
    if (auto error = checkFolder())
        return error;
    if (const auto error = runs_.write(*bytes))
        return u"The conversion script " + runs_.script().u16string() + u" could not be written: " +
               systemMessage(static_cast<DWORD>(error.value())) + u".";
    return {};
}

Error WinScriptHost::startScript()
{
    if (auto error = checkFolder())
        return error;
    return runs_.start([this](const std::u16string& script) {
        Error error;
        if (HANDLE process = startConsole_(script, error))
            consoles_.push_back({script, process});
        return error;
    });
}

void WinScriptHost::removeScripts()
{
    if (!checkFolder())
        runs_.removeAll(copyUsers(), &WinProcesses::alive);
}

ScriptRuns::InUse WinScriptHost::copyUsers()
{
    std::erase_if(consoles_, [](const Console& console) {
        if (WaitForSingleObject(console.process, 0) == WAIT_TIMEOUT)
            return false;
        CloseHandle(console.process);
        return true;
    });
    // cmd.exe opens its batch file again for every line, so a copy is used for as long as its
    // console runs. The consoles of a program that has ended are known only as its children.
    return [this](const std::filesystem::path& copy, unsigned long processId) {
        if (processId == GetCurrentProcessId())
            return std::any_of(consoles_.begin(), consoles_.end(),
                               [&copy](const Console& console) { return console.script == copy; });
        return WinProcesses::hasChildren(processId);
    };
}

} // namespace platform
