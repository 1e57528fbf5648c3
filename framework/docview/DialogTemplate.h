// Dialog template resources: finding one, and a patched copy of one (window style changed).
#pragma once

#include <windows.h>

#include <vector>

// The template resource nID of the running module, or null.
LPCDLGTEMPLATE AfxFindDialogTemplate(UINT nID);

// A copy of a template (classic or extended) with its window style changed; empty when the
// template is missing.
std::vector<BYTE> AfxCopyDialogTemplate(LPCDLGTEMPLATE lpTemplate, DWORD dwRemoveStyle, DWORD dwAddStyle);

// The window procedure of dialogs and form views (WM_INITDIALOG calls CDialog::OnInitDialog).
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
