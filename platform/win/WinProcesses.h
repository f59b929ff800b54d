#pragma once

#include <string>

// What the system's process list tells about the processes that run the scripts.
namespace platform::WinProcesses {

// Whether the process that wrote the file still runs. A process with its id that started after
// the file was last written is another one, which took the id over once the writer had ended.
bool writerAlive(unsigned long processId, const std::wstring& file);

// Whether a running process was started by the process of the id: a console of a program that
// has ended still names it as its parent.
bool hasChildren(unsigned long processId);

} // namespace platform::WinProcesses
