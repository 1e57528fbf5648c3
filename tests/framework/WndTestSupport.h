// Small helpers of the window tests: pumping the queue and a foreign window without an object.
#pragma once

#include <windows.h>

// Dispatches whatever is queued for this thread (no idle processing).
inline void PumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// A window of a system class that no CWnd owns; destroyed with the holder.
class ForeignWindow
{
public:
    explicit ForeignWindow(HWND hParent = nullptr, const wchar_t* className = L"STATIC", int id = 0)
    {
        hWnd = ::CreateWindowExW(0, className, L"foreign", hParent != nullptr ? WS_CHILD : WS_POPUP, 0, 0, 50,
                                 20, hParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                                 nullptr);
    }
    ~ForeignWindow()
    {
        if (::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
    }
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;
    HWND hWnd = nullptr;
};
