// Helpers of the application's window tests: pumping the queue for a while and the main frame that
// the pop-up reaches its layered-window call through.
#pragma once

#include <windows.h>

// Dispatches what is queued for this thread, for at least ms milliseconds.
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
        ::Sleep(5);
    } while (::GetTickCount() - start < ms);
}

inline void PumpPending()
{
    PumpFor(0);
}
