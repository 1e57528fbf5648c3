// Dispatching what is queued for the test's own thread, as the message loop would (no idle processing).
#pragma once

#include <windows.h>

#include <functional>

// Dispatches what is queued, and goes on doing so for at least ms milliseconds (timers, posted work).
inline void PumpFor(DWORD ms)
{
    const DWORD start = ::GetTickCount();
    do
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (ms != 0)
            ::Sleep(5);
    } while (::GetTickCount() - start < ms);
}

// Dispatches whatever is queued right now.
inline void PumpPending()
{
    PumpFor(0);
}

// Dispatches what comes until the condition holds, for at most ms milliseconds; whether it holds.
inline bool PumpUntil(const std::function<bool()>& condition, DWORD ms)
{
    const DWORD start = ::GetTickCount();
    while (!condition() && ::GetTickCount() - start < ms)
        PumpFor(10);
    return condition();
}
