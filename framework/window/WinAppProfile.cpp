// CWinApp's registry profile: integers and binary values under
// HKCU\Software\<company>\<application>\<section>, and the removal of the whole tree.
#include "framework/window/WinApp.h"

#include <shlwapi.h>

namespace
{
// The key of a profile section; null when the application has no registry key. The caller closes it.
HKEY OpenSectionKey(const wchar_t* company, const wchar_t* app, const wchar_t* section, bool create)
{
    if (company == nullptr || *company == 0 || app == nullptr || *app == 0 || section == nullptr)
        return nullptr;
    CString path = CString(L"Software\\") + company + L"\\" + app;
    if (*section != 0)
        path += CString(L"\\") + section;
    HKEY hKey = nullptr;
    LONG result = create ? ::RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                             KEY_READ | KEY_WRITE, nullptr, &hKey, nullptr)
                         : ::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey);
    return result == ERROR_SUCCESS ? hKey : nullptr;
}
} // namespace

void CWinApp::SetRegistryKey(const wchar_t* lpszRegistryKey)
{
    // "Company\" and "Company" name the same key: trailing backslashes are not part of the name.
    m_strRegistryKey = lpszRegistryKey != nullptr ? lpszRegistryKey : L"";
    m_strRegistryKey.TrimRight(L'\\');
    m_pszRegistryKey = m_strRegistryKey;
    m_strProfileName = m_pszAppName != nullptr ? m_pszAppName : L"";
    m_pszProfileName = m_strProfileName;
}

UINT CWinApp::GetProfileInt(const wchar_t* lpszSection, const wchar_t* lpszEntry, int nDefault)
{
    HKEY hKey = OpenSectionKey(m_pszRegistryKey, m_pszProfileName, lpszSection, false);
    if (hKey == nullptr)
        return static_cast<UINT>(nDefault);
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof(value);
    const LONG result =
        ::RegQueryValueExW(hKey, lpszEntry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(hKey);
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value))
        return static_cast<UINT>(nDefault);
    return value;
}

BOOL CWinApp::WriteProfileInt(const wchar_t* lpszSection, const wchar_t* lpszEntry, int nValue)
{
    HKEY hKey = OpenSectionKey(m_pszRegistryKey, m_pszProfileName, lpszSection, true);
    if (hKey == nullptr)
        return FALSE;
    const DWORD value = static_cast<DWORD>(nValue);
    const LONG result =
        ::RegSetValueExW(hKey, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    ::RegCloseKey(hKey);
    return result == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(const wchar_t* lpszSection, const wchar_t* lpszEntry, void* pData, UINT nBytes)
{
    HKEY hKey = OpenSectionKey(m_pszRegistryKey, m_pszProfileName, lpszSection, false);
    if (hKey == nullptr)
        return FALSE;
    DWORD type = 0;
    DWORD size = nBytes;
    const LONG result = ::RegQueryValueExW(hKey, lpszEntry, nullptr, &type, static_cast<BYTE*>(pData), &size);
    ::RegCloseKey(hKey);
    return result == ERROR_SUCCESS && type == REG_BINARY && size == nBytes; // only a value of the exact size
}

BOOL CWinApp::WriteProfileBinary(const wchar_t* lpszSection, const wchar_t* lpszEntry, const void* pData,
                                 UINT nBytes)
{
    HKEY hKey = OpenSectionKey(m_pszRegistryKey, m_pszProfileName, lpszSection, true);
    if (hKey == nullptr)
        return FALSE;
    const LONG result =
        ::RegSetValueExW(hKey, lpszEntry, 0, REG_BINARY, static_cast<const BYTE*>(pData), nBytes);
    ::RegCloseKey(hKey);
    return result == ERROR_SUCCESS;
}

BOOL CWinApp::Unregister()
{
    if (m_pszRegistryKey == nullptr || *m_pszRegistryKey == 0 || m_pszProfileName == nullptr ||
        *m_pszProfileName == 0)
        return FALSE;
    const CString company = CString(L"Software\\") + m_pszRegistryKey;
    HKEY hCompany = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, company, 0, KEY_READ | KEY_WRITE, &hCompany) != ERROR_SUCCESS)
        return TRUE; // nothing stored
    const LONG result = ::SHDeleteKeyW(hCompany, m_pszProfileName);
    DWORD nSubKeys = 0;
    DWORD nValues = 0;
    ::RegQueryInfoKeyW(hCompany, nullptr, nullptr, nullptr, &nSubKeys, nullptr, nullptr, &nValues, nullptr,
                       nullptr, nullptr, nullptr);
    ::RegCloseKey(hCompany);
    // The company key goes only when nothing of another program remains under it.
    if (nSubKeys == 0 && nValues == 0)
        ::SHDeleteEmptyKeyW(HKEY_CURRENT_USER, company);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}
