#pragma once

namespace job {

// How a conversion script is written: a Windows batch file run by cmd.exe, or a POSIX shell
// script run by /bin/sh.
enum class ScriptDialect { Windows, Posix };

} // namespace job
