#pragma once

#include "platform/Platform.h"

#include <windows.h>

namespace platform {

// Runs a batch file in a new console window that is shown normally and takes the focus. The
// interpreter is told to run no AutoRun command and to leave "!" alone whatever the registry
// says, so the script's paths reach the converter as written. The console works in the
// script's folder and looks for programs beside this program, then in the absolute folders of
// PATH. Nothing waits for it.
// Returns the process, or null with the error set; the caller closes the handle.
HANDLE startConsoleProcess(const std::u16string& scriptPath, Error& error);

} // namespace platform
