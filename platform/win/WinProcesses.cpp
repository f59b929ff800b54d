#include "WinProcesses.h"

#include <tlhelp32.h>

namespace platform::WinProcesses {

bool alive(unsigned long processId)
{
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
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
