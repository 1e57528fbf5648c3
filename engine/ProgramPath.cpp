// Paths: this program's own path and the file-name pieces of a path.
#include "engine/SystemActions.h"

#include <cwctype>

CString GetProgramPath()
{
    wchar_t szPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    szPath[MAX_PATH - 1] = 0; // an over-long path is cut, never left unterminated
    CString path(szPath);
    if (!path.IsEmpty())
        path.SetAt(0, static_cast<wchar_t>(towupper(path[0])));
    return path;
}

const wchar_t* FindFileNamePart(const wchar_t* pszPath)
{
    if (pszPath == nullptr || *pszPath == 0)
        return nullptr;
    const wchar_t* pszName = pszPath;
    for (const wchar_t* p = pszPath; *p != 0; ++p)
    {
        if (*p == L'\\' || *p == L'/')
            pszName = p + 1;
    }
    return pszName;
}

CString GetFileNameOfPath(const wchar_t* pszPath)
{
    CString path(pszPath != nullptr ? pszPath : L"");
    path.Trim();
    while (!path.IsEmpty() && (path[path.GetLength() - 1] == L'\\' || path[path.GetLength() - 1] == L'/'))
        path.Delete(path.GetLength() - 1);
    int nSep = path.ReverseFind(L'\\');
    int nSlash = path.ReverseFind(L'/');
    if (nSlash > nSep)
        nSep = nSlash;
    if (nSep < 0)
        return path;
    return path.Mid(nSep + 1);
}
