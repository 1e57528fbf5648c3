// System actions of the shortcut engine: shutdown, windows by title, processes, the start-with-Windows
// value, the program's own path, path pieces and a list control's row height. No state between calls.
#pragma once

#include <windows.h>

#include "framework/core/CString.h"

// Shutting down or restarting: enables the shutdown privilege, then calls ExitWindowsEx with the given
// EWX_ flags. 0 when the token cannot be opened or the privilege is not granted.
BOOL ShutdownSystem(UINT uFlags);

// The ExitWindowsEx that ShutdownSystem calls. Tests replace it so that nothing is shut down for real;
// the previous function is returned so that it can be put back.
using ExitWindowsExFunc = BOOL(WINAPI*)(UINT uFlags, DWORD dwReason);
ExitWindowsExFunc SetExitWindowsExFunc(ExitWindowsExFunc pfn);

// The record passed through the window enumeration of FindWindowByTitle.
struct WindowSearchData
{
    const wchar_t* pszText; // what to look for in the titles (not owned)
    HWND hWndFound;         // the first window whose title contains it, null until found

    WindowSearchData() : pszText(nullptr), hWndFound(nullptr) {}
};

// The first top-level window (top of the Z order first, hidden ones included) whose title contains the
// text, ignoring case; null when none does.
HWND FindWindowByTitle(const wchar_t* pszText);
BOOL CALLBACK FindWindowByTitleProc(HWND hWnd, LPARAM lParam);

// Asks the process to close (WM_CLOSE to its first top-level window) and terminates it when it has not
// ended after the time-out. 1 closed in time, 2 terminated, 0 failed (also for this program's own
// process, which is left alone).
int CloseProcessById(DWORD dwProcessId, DWORD dwTimeout);
BOOL CALLBACK CloseWindowByPidProc(HWND hWnd, LPARAM lParam);

// Closes the first running process whose executable has this name (a path or a quoted path is taken by
// its file name; a name without extension matches any extension).
BOOL KillProcessByName(const wchar_t* pszName);

// Sets (pszValue given) or deletes (pszValue null) a value under the current user's Run key.
// 1 when the key could be opened, 0 otherwise or for an empty name.
BOOL SetRunAtStartup(const wchar_t* pszName, const wchar_t* pszValue);

// This executable's full path, its drive letter upper-cased.
CString GetProgramPath();

// The file-name part of a path: behind the last '\' or '/', the whole text when there is none, the
// terminating zero when the path ends with a separator; null for a null or empty path.
const wchar_t* FindFileNamePart(const wchar_t* pszPath);

// The last name in a path, trimmed of white space and of trailing separators.
CString GetFileNameOfPath(const wchar_t* pszPath);

// Gives a list view rows of the given height (negative: the small-icon height).
void SetListRowHeight(HWND hList, int nHeight);
