#include "WinProcesses.h"

#include <windows.h>

#include <tlhelp32.h>

namespace platform::WinProcesses {
namespace {

ULONGLONG ticks(const FILETIME& time)
{
    return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

// Times are kept in 100 ns ticks; the clock may have been set by a little since.
constexpr ULONGLONG ClockSlackTicks = 2 * 10'000'000ULL;

} // namespace

bool writerAlive(unsigned long processId, const std::wstring& file)
{
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    // Another user's process cannot be told from the writer.
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    FILETIME created{};
    FILETIME ended{};
    FILETIME kernel{};
    FILETIME user{};
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    const bool started = GetProcessTimes(process, &created, &ended, &kernel, &user);
    CloseHandle(process);
    if (!running)
        return false;
    WIN32_FILE_ATTRIBUTE_DATA written{};
    if (!started || !GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &written))
        return true;
    return ticks(created) <= ticks(written.ftLastWriteTime) + ClockSlackTicks;
}

bool hasChildren(unsigned long processId)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    // When the list cannot be had, a console may still run: the copy stays.
    if (snapshot == INVALID_HANDLE_VALUE)
        return true;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
         more = Process32NextW(snapshot, &entry))
        found = entry.th32ParentProcessID == processId && entry.th32ProcessID != processId;
    CloseHandle(snapshot);
    return found;
}

} // namespace platform::WinProcesses
