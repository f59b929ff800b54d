#pragma once

// When the system asks the program to end, by SIGTERM, SIGHUP or SIGINT or by the session
// manager ending the session, its windows close as the user closes them, so that the main
// window's clean-up runs before the program ends.
namespace SessionEnd {

// Sets this up for the application once; later calls change nothing.
void closeWindowsOnEnd();

} // namespace SessionEnd
