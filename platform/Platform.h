#pragma once

#include "job/ScriptHost.h"

#include <functional>
#include <memory>
#include <string>

// The operating system's services that the program needs, one implementation per system: the
// conversion job's script host.
namespace platform {

using job::Error;
using job::ScriptDialect;
using job::ScriptHost;

// Starts one script in a console window of its own and returns without waiting.
using ConsoleStarter = std::function<Error(const std::u16string& scriptPath)>;

// The script host of the system the program was built for.
std::unique_ptr<ScriptHost> createScriptHost();

} // namespace platform
