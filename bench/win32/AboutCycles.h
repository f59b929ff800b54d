#pragma once

// With VARNELO_ABOUT_CYCLES=N in the environment, once the program's window is first painted:
// opens and closes a second window N times and prints how much the process's committed memory
// grew per cycle, then ends the program. The program opens its About window by a click on
// HELP; a floor window without that button opens a bare window with one line of text.
void startAboutCyclesIfAsked();
