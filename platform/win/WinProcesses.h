#pragma once

#include <windows.h>

// What the system's process list tells about the processes that run the scripts.
namespace platform::WinProcesses {

// Whether a process with the id runs.
bool alive(unsigned long processId);

// Whether a running process was started by the process of the id: a console of a program that
// has ended still names it as its parent.
bool hasChildren(unsigned long processId);

} // namespace platform::WinProcesses
