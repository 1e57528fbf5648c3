// CFileDialog: the Open and Save As dialogs. DoModal is the one road to a file dialog in the
// program, so a test can answer every file dialog (AfxSetFileDialogHook) without a modal window
// blocking a headless run.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "framework/core/CString.h"

class CWnd;

// Receives the dialog's set-up (open or save, flags, filter, default extension, initial file name,
// owner) and answers as the dialog would: IDOK with the chosen full path in rPath, or IDCANCEL.
using AfxFileDialogHook = INT_PTR (*)(BOOL bOpenFileDialog, const OPENFILENAMEW& ofn, CString& rPath);

// Installs a hook (null restores the real dialogs); returns the previous one.
AfxFileDialogHook AfxSetFileDialogHook(AfxFileDialogHook hook);

class CFileDialog
{
public:
    // lpszFilter in the form "Ini File|*.ini|All Files|*.*||"; lpszDefExt with or without "*." or "."
    // in front ("ini", ".ini" and "*.ini" all give ".ini" to a name typed without extension).
    explicit CFileDialog(BOOL bOpenFileDialog, const wchar_t* lpszDefExt = nullptr,
                         const wchar_t* lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         const wchar_t* lpszFilter = nullptr, CWnd* pParentWnd = nullptr, DWORD dwSize = 0,
                         BOOL bVistaStyle = TRUE);
    virtual ~CFileDialog() = default;
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK with a chosen file, IDCANCEL otherwise (also when the dialog could not be shown).
    virtual INT_PTR DoModal();
    CString GetPathName() const;
    CString GetFileName() const;

    OPENFILENAMEW m_ofn = {};

protected:
    BOOL m_bOpenFileDialog;
    BOOL m_bVistaStyle;
    CString m_strFilter;             // the filter with NULs in place of the bars
    CString m_strDefExt;             // the bare extension
    wchar_t m_szFileName[4096] = {}; // the chosen path
    wchar_t m_szFileTitle[MAX_PATH] = {};
};
