#pragma once

#include <windows.h>

// How a benchmarked Windows program says that its window is finished: "painted" on its output,
// at the first moment the window is shown and the program has no message and no paint left.
// Called before each wait for a message.
namespace PaintMark {

inline void whenIdle(HWND window)
{
    static bool marked = false;
    MSG next{};
    // Looking at the queue also brings in what the window system has sent and turns a pending
    // paint into a message, so an empty queue means nothing is left.
    if (marked || !IsWindowVisible(window) || PeekMessageW(&next, nullptr, 0, 0, PM_NOREMOVE))
        return;
    marked = true;
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "painted\n", 8, &written, nullptr);
}

} // namespace PaintMark
