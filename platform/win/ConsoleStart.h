#pragma once

#include "job/Error.h"

#include <windows.h>

namespace platform {

using job::Error;

// The interpreter's command line for a batch file: it runs no AutoRun command and leaves "!"
// alone whatever the registry says, so the script's paths reach the converter as written.
std::wstring consoleCommandLine(const std::u16string& scriptPath);

// Runs a batch file in a new console window that is shown normally and takes the focus, by the
// command line above. The console works in the script's folder and looks for programs beside
// this program, then in the absolute folders of PATH. Nothing waits for it.
// Returns the process, or null with the error set; the caller closes the handle.
HANDLE startConsoleProcess(const std::u16string& scriptPath, Error& error);

} // namespace platform
