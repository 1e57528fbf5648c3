// Finding Keystrider's main window from another process: the test suites and keystrider_remote (a
// helper program that links none of the test support) both include this.
#pragma once

#include <windows.h>

// The program's main window (the top-level window with the property "Keystrider"); null when none.
// EnumWindows works on a snapshot of the top-level windows; walking them one by one can lose its place
// when another window changes its z-order meanwhile.
inline HWND FindKeystriderWindow()
{
    HWND hFound = nullptr;
    ::EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL
        {
            if (::GetPropW(hWnd, L"Keystrider") == nullptr)
                return TRUE;
            *reinterpret_cast<HWND*>(lParam) = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&hFound));
    return hFound;
}
