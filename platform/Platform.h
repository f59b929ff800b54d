#pragma once

#include <functional>
#include <memory>

// Only named here: a change to the job's headers compiles no user of these services again.
namespace job {
class ScriptHost;
} // namespace job

// The operating system's services that the program needs, one implementation per system: the
// conversion job's script host, and on POSIX systems the signals that ask the program to end.
namespace platform {

// The script host of the system the program was built for.
std::unique_ptr<job::ScriptHost> createScriptHost();

#ifndef _WIN32
// Calls end from the application's event loop when SIGTERM, SIGHUP or SIGINT asks the program to
// end, so that it ends as the user ends it. Set once, once the application exists; later calls
// change nothing. (Windows tells the end of the session to the windows themselves.)
void onEndRequest(std::function<void()> end);
#endif

} // namespace platform
