#include "AboutCycles.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace {

int cycles = 0;

// The memory committed to the process alone: Windows counts it as PagefileUsage and
// PrivateUsage alike, Wine as the first only.
long long privateBytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long long>(counters.PagefileUsage);
}

// Handles every message the thread has, paints included, the way the program's loop would.
void settle()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

HWND shownWindow(HWND except)
{
    struct Search {
        HWND except;
        HWND found;
    } search{except, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (window == s.except || !IsWindowVisible(window))
                return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND helpButton(HWND main)
{
    HWND found = nullptr;
    EnumChildWindows(
        main,
        [](HWND child, LPARAM data) -> BOOL {
            wchar_t text[8] = {};
            GetWindowTextW(child, text, 8);
            if (std::wcscmp(text, L"HELP") != 0)
                return TRUE;
            *reinterpret_cast<HWND*>(data) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

bool cycle(HWND main)
{
    HWND second = nullptr;
    if (HWND help = helpButton(main)) {
        SendMessageW(help, BM_CLICK, 0, 0);
        settle();
        second = shownWindow(main);
    } else {
        second = CreateWindowExW(0, L"STATIC", L"File to perform conversion to:",
                                 WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                 320, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    if (!second)
        return false;
    settle();
    SendMessageW(second, WM_CLOSE, 0, 0);
    settle();
    // A bare window closes by being destroyed; the program's About window destroys itself.
    if (IsWindow(second))
        DestroyWindow(second);
    settle();
    return !IsWindow(second);
}

void CALLBACK run(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND main = shownWindow(nullptr);
    constexpr int Settling = 10;
    long long start = 0;
    for (int i = 0; i < Settling + cycles; ++i) {
        if (i == Settling)
            start = privateBytes();
        if (!main || !cycle(main)) {
            std::fprintf(stderr, "the second window did not open and close\n");
            ExitProcess(1);
        }
    }
    std::printf("grew %.2f KB a cycle\n", double(privateBytes() - start) / 1024.0 / cycles);
    std::fflush(stdout);
    ExitProcess(0);
}

} // namespace

void startAboutCyclesIfAsked()
{
    const char* asked = std::getenv("VARNELO_ABOUT_CYCLES");
    cycles = asked ? std::atoi(asked) : 0;
    // From the program's own loop, once the mark's hook has returned.
    if (cycles > 0)
        SetTimer(nullptr, 0, 0, run);
}
