// OpenWithShell: the one way the program hands a file, folder or web address to the shell, behind a
// guard on the name's length, and the replaceable shell call that tests and benchmarks watch.
#pragma once

#include <windows.h>

// The ShellExecuteW that OpenWithShell calls. Tests and the dispatch benchmark replace it to see what
// would be opened; null puts the shell's own back. The previous function is returned.
using ShellExecuteFunc = HINSTANCE(WINAPI*)(HWND hWnd, LPCWSTR pszVerb, LPCWSTR pszFile,
                                            LPCWSTR pszParameters, LPCWSTR pszDirectory, INT nShowCmd);
ShellExecuteFunc SetShellExecuteFunc(ShellExecuteFunc pfn);

// The longest web address, in characters, handed to the shell: 2,083 on Windows (the longest address it
// documents), fewer under Wine, whose shell overruns a buffer from about 990 characters on and ends the
// process. Tests set it (0 puts the platform's own back); the previous bound is returned.
UINT GetShellUrlLimit();
UINT SetShellUrlLimit(UINT nLimit);

// TRUE when the shell may be handed pszFile, measured as the shell sees it, after the expansion of its
// environment references: a web address (a name with a scheme, file addresses aside) up to the bound
// above; anything else shorter than MAX_PATH. A name that cannot be expanded does not fit.
BOOL FitsShellFile(const wchar_t* pszFile);

// The shell's pszVerb on pszFile, without a window or folder, when the name fits; otherwise nothing at
// all: TRUE when the shell was called (whatever it then made of the name).
BOOL OpenWithShell(const wchar_t* pszVerb, const wchar_t* pszFile, const wchar_t* pszParameters, int nShow);
