// Starting with Windows: a value under the current user's Run key.
#include "engine/SystemActions.h"

#include <cwchar>

BOOL SetRunAtStartup(const wchar_t* pszName, const wchar_t* pszValue)
{
    if (pszName == nullptr || *pszName == 0)
        return FALSE;

    // The Run key belongs to Windows: it is opened, never created.
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                      KEY_READ | KEY_WRITE, &hKey) != ERROR_SUCCESS)
        return FALSE;

    if (pszValue != nullptr)
    {
        DWORD cbValue = static_cast<DWORD>((wcslen(pszValue) + 1) * sizeof(wchar_t));
        RegSetValueExW(hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszValue), cbValue);
    }
    else
    {
        RegDeleteValueW(hKey, pszName);
    }
    RegCloseKey(hKey);
    return TRUE;
}
