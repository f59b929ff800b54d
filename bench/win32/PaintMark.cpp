// Linked into the benchmarks' builds of the Windows programs, the program's included: prints
// "painted" on the output at the first moment a window of the program is shown and the
// program has no message and no paint left, the moment its message loop waits.
//
// The system's own hook for that moment, WH_FOREGROUNDIDLE, is never called by Wine. So the
// mark watches each message the loop takes (WH_GETMESSAGE) and keeps one probe of its own in
// the queue behind them: a probe taken while a window is shown and nothing else is waiting,
// not even a paint (paints come last, after every posted message), is the last message before
// the wait.
#include "AboutCycles.h"

#include <windows.h>

namespace {

UINT probe = 0;
bool probing = false;
bool marked = false;

bool windowShown()
{
    bool shown = false;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            if (!IsWindowVisible(window))
                return TRUE;
            *reinterpret_cast<bool*>(found) = true;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&shown));
    return shown;
}

void mark()
{
    marked = true;
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "painted\n", 8, &written, nullptr);
    startAboutCyclesIfAsked();
}

LRESULT CALLBACK taken(int code, WPARAM removed, LPARAM message)
{
    auto& got = *reinterpret_cast<MSG*>(message);
    // Only messages taken off the queue: looking at it (below too) calls the hook again.
    if (code == HC_ACTION && removed == PM_REMOVE && !marked) {
        if (got.message == probe && !got.hwnd) {
            probing = false;
            // The program's loop sees a message that means nothing.
            got.message = WM_NULL;
            MSG next{};
            // Looking at the queue also brings in what the window system has sent and turns a
            // pending paint into a message, so an empty queue means nothing is left.
            if (windowShown() && !PeekMessageW(&next, nullptr, 0, 0, PM_NOREMOVE))
                mark();
        } else if (!probing) {
            probing = PostThreadMessageW(GetCurrentThreadId(), probe, 0, 0);
        }
    }
    return CallNextHookEx(nullptr, code, removed, message);
}

// Before the program's main: the hook is in place for the first message it takes.
[[maybe_unused]] const bool installed = [] {
    probe = RegisterWindowMessageW(L"PaintMark probe");
    return SetWindowsHookExW(WH_GETMESSAGE, taken, nullptr, GetCurrentThreadId()) != nullptr;
}();

} // namespace
