// Closing a process by its id or by its executable's name.
#include "engine/SystemActions.h"

#include <psapi.h>

namespace
{
// The executor's time-out for a process that was asked to close by name.
const DWORD kKillTimeoutMs = 2000;
const DWORD kMaxProcesses = 1024;

// The executable's base name of a running process; empty when the process cannot be read.
CString GetProcessModuleName(DWORD dwProcessId)
{
    HANDLE hProcess = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, dwProcessId);
    if (hProcess == nullptr)
        return CString();
    CString name;
    HMODULE hModule = nullptr;
    DWORD cbNeeded = 0;
    if (EnumProcessModules(hProcess, &hModule, sizeof(hModule), &cbNeeded))
    {
        wchar_t szName[MAX_PATH] = {};
        GetModuleBaseNameW(hProcess, hModule, szName, MAX_PATH);
        szName[MAX_PATH - 1] = 0;
        name = szName;
    }
    CloseHandle(hProcess);
    return name;
}
} // namespace

BOOL CALLBACK CloseWindowByPidProc(HWND hWnd, LPARAM lParam)
{
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId != static_cast<DWORD>(lParam))
        return TRUE;
    PostMessageW(hWnd, WM_CLOSE, 0, 0);
    return FALSE;
}

int CloseProcessById(DWORD dwProcessId, DWORD dwTimeout)
{
    // This program's own process cannot be closed this way: its windows answer WM_CLOSE on the very
    // thread that would be waiting here, so the wait would always run out and the program would be
    // killed without saving. (A Close whose title matches one of our windows, a Toggle of our own name.)
    if (dwProcessId == GetCurrentProcessId())
        return 0;
    HANDLE hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, dwProcessId);
    if (hProcess == nullptr)
        return 0;

    EnumWindows(CloseWindowByPidProc, static_cast<LPARAM>(dwProcessId));

    int nResult = 0;
    if (WaitForSingleObject(hProcess, dwTimeout) == WAIT_OBJECT_0)
        nResult = 1;
    else if (TerminateProcess(hProcess, 0))
        nResult = 2;

    CloseHandle(hProcess);
    return nResult;
}

BOOL KillProcessByName(const wchar_t* pszName)
{
    DWORD adwProcesses[kMaxProcesses] = {};
    DWORD cbReturned = 0;
    if (!EnumProcesses(adwProcesses, sizeof(adwProcesses), &cbReturned))
        return FALSE;
    DWORD nProcesses = cbReturned / sizeof(DWORD);

    CString target = GetFileNameOfPath(pszName);
    target.Trim(L'"');
    // A name written without extension ("notepad") matches the executable with any extension.
    bool bCompareWithoutExtension = target.Find(L'.') < 0;

    for (DWORD i = 0; i < nProcesses && i < kMaxProcesses; ++i)
    {
        if (adwProcesses[i] == 0)
            continue;
        CString module = GetProcessModuleName(adwProcesses[i]);
        if (module.IsEmpty())
            continue;
        module = GetFileNameOfPath(module);
        int nDot = module.Find(L'.');
        if (bCompareWithoutExtension && nDot >= 0)
            module = module.Left(nDot);
        if (module.CompareNoCase(target) == 0)
            return CloseProcessById(adwProcesses[i], kKillTimeoutMs) != 0;
    }
    return FALSE;
}
