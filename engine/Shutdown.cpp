// Shutting down and restarting Windows: the shutdown privilege, then ExitWindowsEx.
#include "engine/SystemActions.h"

namespace
{
// Planned shutdown for an operating-system upgrade: SHTDN_REASON_FLAG_PLANNED |
// SHTDN_REASON_MAJOR_OPERATINGSYSTEM | SHTDN_REASON_MINOR_UPGRADE.
const DWORD kShutdownReason = 0x80020003;

ExitWindowsExFunc g_pfnExitWindowsEx = ExitWindowsEx;
} // namespace

ExitWindowsExFunc SetExitWindowsExFunc(ExitWindowsExFunc pfn)
{
    ExitWindowsExFunc pfnOld = g_pfnExitWindowsEx;
    g_pfnExitWindowsEx = pfn != nullptr ? pfn : ExitWindowsEx;
    return pfnOld;
}

BOOL ShutdownSystem(UINT uFlags)
{
    HANDLE hToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &hToken))
        return FALSE;

    TOKEN_PRIVILEGES tp = {};
    BOOL bResult = FALSE;
    // An unknown privilege name leaves no identifier to enable: that counts as not granted.
    if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &tp.Privileges[0].Luid))
    {
        tp.PrivilegeCount = 1;
        tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        // AdjustTokenPrivileges reports a privilege that was not granted only through the last error
        // (ERROR_NOT_ALL_ASSIGNED) while returning TRUE, so the error must start out clear.
        SetLastError(ERROR_SUCCESS);
        AdjustTokenPrivileges(hToken, FALSE, &tp, 0, nullptr, nullptr);
        if (GetLastError() == ERROR_SUCCESS)
            bResult = g_pfnExitWindowsEx(uFlags, kShutdownReason);
    }

    CloseHandle(hToken);
    return bResult;
}
