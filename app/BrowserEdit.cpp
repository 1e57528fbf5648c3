// CBrowserEdit: the in-place cell editor of the shortcut list and the sound-file field.
#include "app/BrowserEdit.h"

#include "app/LabelMessages.h"
#include "framework/FileDialog.h"
#include "framework/GdiObject.h"
#include "framework/WndMessageMap.h"

#include <stdlib.h>

IMPLEMENT_DYNAMIC(CBrowserEdit, CMFCEditBrowseCtrl)

BEGIN_MESSAGE_MAP(CBrowserEdit, CMFCEditBrowseCtrl)
ON_WM_KILLFOCUS()
ON_WM_KEYUP()
END_MESSAGE_MAP()

CBrowserEdit::CBrowserEdit(CWnd* pParent)
{
    if (pParent == nullptr)
        return;
    if (Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(0, 0, 0, 0), pParent, kEditorId))
        SetFont(pParent->GetFont(), TRUE);
}

CBrowserEdit::~CBrowserEdit() = default;

void CBrowserEdit::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
    {
        if (nChar == VK_ESCAPE)
            pParent->PostMessage(WM_LABEL_KILLFOCUS, 1, 0);
        else if (nChar == VK_RETURN)
            pParent->PostMessage(WM_LABEL_KILLFOCUS, 0, 0);
    }
    CMFCEditBrowseCtrl::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CBrowserEdit::OnKillFocus(CWnd* pNewWnd)
{
    CMFCEditBrowseCtrl::OnKillFocus(pNewWnd);
    if (m_bBrowsing)
        return;
    // An editor its list has already hidden (after Escape or a commit) reports nothing more.
    CWnd* pParent = GetParent();
    if (pParent != nullptr && IsWindowVisible())
        pParent->PostMessage(WM_LABEL_KILLFOCUS, 0, 0);
}

void CBrowserEdit::OnBrowse()
{
    // The dialog has no owner, so the main window stays usable while it is open: a second click on
    // the button would open a second dialog over the first.
    if (m_bBrowsing)
        return;
    m_bBrowsing = TRUE;
    if (m_Mode == BrowseMode_File)
    {
        CString strText;
        GetWindowText(strText);
        if (!strText.IsEmpty())
        {
            // Only a text with a file-name part is offered as the initial file name.
            wchar_t szName[256] = {};
            wchar_t szExt[256] = {};
            CString strName;
            if (_wsplitpath_s(strText, nullptr, 0, nullptr, 0, szName, 256, szExt, 256) == 0)
            {
                strName = szName;
                strName += szExt;
            }
            strName.Trim();
            if (strName.IsEmpty())
                strText.Empty();
        }

        CFileDialog dlg(
            TRUE, m_strDefFileExt.IsEmpty() ? nullptr : static_cast<const wchar_t*>(m_strDefFileExt), strText,
            0, m_strFileFilter.IsEmpty() ? nullptr : static_cast<const wchar_t*>(m_strFileFilter), nullptr, 0,
            TRUE);
        const HWND hWnd = m_hWnd;
        const INT_PTR nResult = dlg.DoModal();
        // Meanwhile the user may have started another in-place edit (which deletes this editor) or
        // ended the program: then nothing of this object is left to touch.
        if (!::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd) != this)
            return;
        if (nResult == IDOK)
        {
            CString strPath = dlg.GetPathName();
            if (strPath.Compare(strText) != 0)
            {
                CString strQuoted = L"\"" + strPath + L"\"";
                SetWindowText(strQuoted);
                const int nEnd = strQuoted.GetLength();
                SetSel(nEnd, nEnd);
                SetModify(TRUE);
                OnAfterUpdate();
            }
        }
        CWnd* pParent = GetParent();
        if (pParent != nullptr)
            pParent->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME);
    }
    SetFocus();
    m_bBrowsing = FALSE;
}
