#include "WinScriptHost.h"

#include "ConsoleStart.h"
#include "ConverterPath.h"
#include "PrivateFolder.h"
#include "WinProcesses.h"
#include "job/ScriptText.h"
#include "job/modPath.h"
#include "platform/Platform.h"
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

// Each console deletes its copy when it ends, so a copy is left over only by a console closed
// before its end. cmd.exe reads the copy again for every line, so it is needed for as long as
// its console runs, and a console is known only as a child of the program that started it.
// Another program that runs may be about to start a console of a copy it has just made.
bool consoleMayRun(const ScriptRuns::Path& copy, unsigned long processId)
{
    return WinProcesses::hasChildren(processId) ||
           (processId != GetCurrentProcessId() && WinProcesses::writerAlive(processId, copy));
}

// Why a console would find no converter, and where to put one.
std::u16string converterMissing()
{
    return u"FFmpeg MUST be installed before proceeding! Put ffmpeg.exe beside " +
           modPath::FileNamePart(fromWide(ConverterPath::programFile()), ScriptDialect::Windows) +
           u", in " + fromWide(ConverterPath::programFolder()) + u", or in a folder on PATH.";
}

// The short form of an existing file's path, or the path when it has none.
std::wstring shortPath(const std::wstring& path)
{
    std::wstring name(GetShortPathNameW(path.c_str(), nullptr, 0), L'\0');
    const DWORD length =
        GetShortPathNameW(path.c_str(), name.data(), static_cast<DWORD>(name.size()));
    if (length == 0 || length >= name.size())
        return path;
    name.resize(length);
    return name;
}

// The first folder that is private already or missing yet, else the first.
std::wstring likelyFolder(const std::vector<std::wstring>& folders)
{
    const auto usable =
        std::find_if(folders.begin(), folders.end(),
                     [](const std::wstring& folder) { return !PrivateFolder::check(folder); });
    return usable == folders.end() ? folders.front() : *usable;
}

} // namespace

std::unique_ptr<ScriptHost> createScriptHost()
{
    return std::make_unique<WinScriptHost>(WinScriptHost::defaultWorkFolders(),
                                           &startConsoleProcess);
}

std::vector<std::wstring> WinScriptHost::defaultWorkFolders()
{
    std::vector<std::wstring> folders{DefaultWorkFolder};
    std::wstring local(GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0), L'\0');
    local.resize(
        GetEnvironmentVariableW(L"LOCALAPPDATA", local.data(), static_cast<DWORD>(local.size())));
    if (modPath::IsAbsolute(local, ScriptDialect::Windows))
        folders.push_back(modPath::Join(local, L"VC_Temp", ScriptDialect::Windows));
    return folders;
}

WinScriptHost::WinScriptHost(std::vector<std::wstring> workFolders,
                             ConsoleProcessStarter startConsole)
    : folders_(std::move(workFolders)), folder_(likelyFolder(folders_)),
      runs_(folder_, L"temp.bat", GetCurrentProcessId()), startConsole_(std::move(startConsole))
{
    // Copies of consoles closed before their end, of an earlier program or a killed one, go
    // once nothing may run them.
    if (!PrivateFolder::check(folder_))
        runs_.removeUnused(&consoleMayRun);
}

bool WinScriptHost::sameFile(const std::u16string& first, const std::u16string& second) const
{
    FileIdentity a;
    FileIdentity b;
    return identify(first, a) && identify(second, b) && a == b;
}

Error WinScriptHost::absolute(std::u16string& path) const
{
    constexpr auto Windows = ScriptDialect::Windows;
    if (path.empty() || modPath::IsAbsolute(path, Windows))
        return {};
    // Windows itself reads ".." by the text, so the system's own joining is exact here.
    const std::wstring relative = toWide(path);
    std::wstring full(GetFullPathNameW(relative.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD length =
        GetFullPathNameW(relative.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size())
        return u"The relative path " + path +
               u" cannot be read from the folder Varnelo was started in. Type the whole path.";
    full.resize(length);
    // "C:" names the drive's current folder, which the full path names without its separator.
    const auto whole = fromWide(full);
    path =
        modPath::EndsFolder(path.back(), Windows) ? modPath::WithSeparator(whole, Windows) : whole;
    return {};
}

bool WinScriptHost::exists(const std::u16string& path) const
{
    return GetFileAttributesW(toWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WinScriptHost::isFolder(const std::u16string& path) const
{
    const DWORD attributes = GetFileAttributesW(toWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Error WinScriptHost::checkConverter() const
{
    if (ConverterPath::find(ConverterPath::programFolder()))
        return {};
    return converterMissing();
}

Error WinScriptHost::useFolder()
{
    std::u16string reasons;
    for (const auto& folder : folders_) {
        const auto error = PrivateFolder::make(folder);
        if (!error) {
            if (folder != folder_) {
                folder_ = folder;
                runs_ = ScriptRuns(folder_, L"temp.bat", GetCurrentProcessId());
            }
            return {};
        }
        reasons += (reasons.empty() ? u"" : u" ") + *error;
    }
    return reasons;
}

Error WinScriptHost::writeScript(const std::u16string& text)
{
    // cmd.exe reads a batch file in the console's code page, which starts as the OEM one. A
    // UTF-8 script behind "chcp 65001" is not written: Wine's cmd.exe reads batch files in the
    // OEM code page whatever the console's, so such a script could not be tested here, and a
    // name outside the code page is refused instead.
    const UINT codePage = GetOEMCP();
    // The script names the converter the check finds by its whole path, so the console looks
    // for it nowhere, least of all in its own folder. A path with characters outside the code
    // page is named by its short form.
    auto converter = ConverterPath::find(ConverterPath::programFolder());
    if (!converter)
        return converterMissing();
    if (!WideText::toCodePage(fromWide(*converter), codePage))
        converter = shortPath(*converter);
    const auto bytes =
        WideText::toCodePage(ScriptText::namingConverter(text, fromWide(*converter)), codePage);
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

    if (auto error = useFolder())
        return error;
    if (const auto error = runs_.write(*bytes))
        return u"The conversion script " + fromWide(runs_.script()) + u" could not be written: " +
               systemMessage(static_cast<DWORD>(error.value())) + u".";
    return {};
}

Error WinScriptHost::startScript()
{
    if (auto error = PrivateFolder::check(folder_))
        return error;
    return runs_.start([this](const std::u16string& script) {
        Error error;
        if (HANDLE process = startConsole_(script, error))
            CloseHandle(process);
        return error;
    });
}

void WinScriptHost::removeScripts()
{
    if (!PrivateFolder::check(folder_))
        runs_.removeAll(&consoleMayRun);
}

} // namespace platform
