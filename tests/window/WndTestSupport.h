// Small helpers of the window tests: pumping the queue and a foreign window without an object.
#pragma once

#include <windows.h>

#include "tests/support/MessagePump.h"

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
