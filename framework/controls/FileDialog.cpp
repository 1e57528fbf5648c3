// CFileDialog and its test hook.
#include "framework/controls/FileDialog.h"
#include "framework/window/Wnd.h"

namespace
{
AfxFileDialogHook g_hook = nullptr;

// "*.ini", ".ini" and "ini" all mean the extension "ini" (the system wants it bare).
CString BareExtension(const wchar_t* lpszDefExt)
{
    CString ext(lpszDefExt != nullptr ? lpszDefExt : L"");
    ext.TrimLeft(L"*.");
    // A wildcard extension ("*.*") names no extension to add.
    return ext.FindOneOf(L"*?") >= 0 ? CString() : ext;
}
} // namespace

AfxFileDialogHook AfxSetFileDialogHook(AfxFileDialogHook hook)
{
    AfxFileDialogHook old = g_hook;
    g_hook = hook;
    return old;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const wchar_t* lpszDefExt, const wchar_t* lpszFileName,
                         DWORD dwFlags, const wchar_t* lpszFilter, CWnd* pParentWnd, DWORD, BOOL bVistaStyle)
    : m_bOpenFileDialog(bOpenFileDialog), m_bVistaStyle(bVistaStyle)
{
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr;
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = static_cast<DWORD>(sizeof(m_szFileName) / sizeof(m_szFileName[0]));
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = static_cast<DWORD>(sizeof(m_szFileTitle) / sizeof(m_szFileTitle[0]));

    if (lpszFileName != nullptr)
        ::lstrcpynW(m_szFileName, lpszFileName, static_cast<int>(m_ofn.nMaxFile));

    m_strDefExt = BareExtension(lpszDefExt);
    if (!m_strDefExt.IsEmpty())
        m_ofn.lpstrDefExt = m_strDefExt;

    if (lpszFilter != nullptr && *lpszFilter != L'\0')
    {
        // "A|*.a|B|*.*||" -> "A\0*.a\0B\0*.*\0\0": the CString keeps its length across the NULs.
        m_strFilter = lpszFilter;
        if (m_strFilter.Right(1) != L"|")
            m_strFilter += L"|";
        m_strFilter += L"|";
        m_strFilter.Replace(L'|', L'\0');
        m_ofn.lpstrFilter = m_strFilter;
    }
}

INT_PTR CFileDialog::DoModal()
{
    if (g_hook != nullptr)
    {
        CString strPath;
        const INT_PTR nResult = g_hook(m_bOpenFileDialog, m_ofn, strPath);
        if (nResult != IDOK || strPath.IsEmpty())
            return IDCANCEL;
        ::lstrcpynW(m_szFileName, strPath, static_cast<int>(m_ofn.nMaxFile));
        return IDOK;
    }
    const BOOL bChosen = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    return bChosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return CString(m_szFileName);
}

CString CFileDialog::GetFileName() const
{
    CString path(m_szFileName);
    return path.Mid(path.ReverseFind(L'\\') + 1);
}
