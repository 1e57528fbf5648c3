// CBrowserEdit: the in-place cell editor of the shortcut list and the sound-file field.
#include "app/BrowserEdit.h"

#include "app/LabelMessages.h"
#include "engine/SystemActions.h"
#include "framework/controls/FileDialog.h"
#include "framework/gdi/GdiObject.h"
#include "framework/window/WndMessageMap.h"

#include <cwchar>

IMPLEMENT_DYNAMIC(CBrowserEdit, CMFCEditBrowseCtrl)

BEGIN_MESSAGE_MAP(CBrowserEdit, CMFCEditBrowseCtrl)
ON_WM_KILLFOCUS()
ON_WM_KEYUP()
END_MESSAGE_MAP()

namespace
{
// The longest file name (last path component) that file systems accept.
const size_t kMaxFileNameLength = 255;

// Whether the text names a file: a part behind the last separator (or a drive's colon) that is not blank
// and no longer than any file name can be. Any length of text is taken.
bool HasFileNamePart(const CString& strPath)
{
    const wchar_t* pszName = FindFileNamePart(strPath);
    if (pszName == nullptr)
        return false;
    if (pszName == static_cast<const wchar_t*>(strPath) && strPath.GetLength() >= 2 && strPath[1] == L':')
        pszName += 2; // "C:name": the drive is no part of the name
    if (wcslen(pszName) > kMaxFileNameLength)
        return false;
    CString strName(pszName);
    strName.Trim();
    return !strName.IsEmpty();
}
} // namespace

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
        // Only a text with a file-name part is offered as the initial file name.
        if (!strText.IsEmpty() && !HasFileNamePart(strText))
            strText.Empty();

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
