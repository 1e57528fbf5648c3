// The shell's Open behind its length guard.
#include "framework/window/ShellOpen.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <wininet.h>

#include <cwchar>
#include <vector>

namespace
{
ShellExecuteFunc g_pfnShellExecute = ShellExecuteW;
UINT g_nUrlLimit = 0; // 0: the platform's own bound

// Under Wine the shell copies the name into a buffer of about a thousand characters: stay well below.
const UINT kWineUrlLimit = 900;

bool RunsUnderWine()
{
    HMODULE hNtdll = ::GetModuleHandleW(L"ntdll.dll");
    return hNtdll != nullptr && ::GetProcAddress(hNtdll, "wine_get_version") != nullptr;
}

UINT PlatformUrlLimit()
{
    // INTERNET_MAX_URL_LENGTH counts the terminating zero.
    static const UINT nLimit = RunsUnderWine() ? kWineUrlLimit : INTERNET_MAX_URL_LENGTH - 1;
    return nLimit;
}

// A name with a scheme, as the shell tells addresses from paths; a file address becomes a path.
bool HasAddressScheme(const wchar_t* pszName)
{
    return ::PathIsURLW(pszName) && !::UrlIsFileUrlW(pszName);
}

// A path below MAX_PATH, the limit of the shell's file argument; a web address up to nUrlLimit.
bool FitsAsShellName(const wchar_t* pszName, size_t nLength, UINT nUrlLimit)
{
    return nLength < MAX_PATH || (nLength <= nUrlLimit && HasAddressScheme(pszName));
}
} // namespace

ShellExecuteFunc SetShellExecuteFunc(ShellExecuteFunc pfn)
{
    ShellExecuteFunc pfnPrevious = g_pfnShellExecute;
    g_pfnShellExecute = pfn != nullptr ? pfn : ShellExecuteW;
    return pfnPrevious;
}

UINT GetShellUrlLimit()
{
    return g_nUrlLimit != 0 ? g_nUrlLimit : PlatformUrlLimit();
}

UINT SetShellUrlLimit(UINT nLimit)
{
    const UINT nPrevious = GetShellUrlLimit();
    g_nUrlLimit = nLimit;
    return nPrevious;
}

BOOL FitsShellFile(const wchar_t* pszFile)
{
    if (pszFile == nullptr)
        return TRUE;
    // No name is measured beyond the longest that could fit.
    const UINT nUrlLimit = GetShellUrlLimit();
    const size_t nLongest = nUrlLimit > MAX_PATH - 1 ? nUrlLimit : MAX_PATH - 1;
    if (!FitsAsShellName(pszFile, wcsnlen(pszFile, nLongest + 1), nUrlLimit))
        return FALSE;

    // The shell expands environment references before it uses the name: the expansion must fit as well.
    // The size reported counts the terminating zero; 0 is a failure, a larger one than given is too long.
    std::vector<wchar_t> expanded(nLongest + 1, L'\0');
    const DWORD nSize =
        ::ExpandEnvironmentStringsW(pszFile, expanded.data(), static_cast<DWORD>(expanded.size()));
    if (nSize == 0 || nSize > expanded.size())
        return FALSE;
    return FitsAsShellName(expanded.data(), wcsnlen(expanded.data(), nSize), nUrlLimit);
}

BOOL OpenWithShell(const wchar_t* pszVerb, const wchar_t* pszFile, const wchar_t* pszParameters, int nShow)
{
    if (!FitsShellFile(pszFile))
        return FALSE;
    g_pfnShellExecute(nullptr, pszVerb, pszFile, pszParameters, nullptr, nShow);
    return TRUE;
}
