// CShortCutListCtrl: in-place editing, key capture, conflict questions, context menu and cell looks.
#include "app/ShortCutListCtrl.h"

#include "app/BrowserEdit.h"
#include "app/LabelMessages.h"
#include "engine/KeyNames.h"
#include "engine/ShortCutItem.h"
#include "framework/gdi/GlobalData.h"
#include "framework/controls/HeaderCtrl.h"
#include "framework/controls/Menu.h"
#include "framework/window/MessageBox.h"
#include "framework/window/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CShortCutListCtrl, CMFCListCtrl)

BEGIN_MESSAGE_MAP(CShortCutListCtrl, CMFCListCtrl)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_SYSKEYUP()
ON_WM_SYSKEYDOWN()
ON_NOTIFY_REFLECT(LVN_BEGINLABELEDITW, OnBeginLabelEdit)
ON_NOTIFY_REFLECT(LVN_ENDLABELEDITW, OnEndLabelEdit)
ON_WM_LBUTTONDOWN()
ON_REGISTERED_MESSAGE(WM_LABEL_KILLFOCUS, OnLabelKillFocus)
ON_NOTIFY_REFLECT_EX(NM_DBLCLK, OnDblClk)
ON_WM_CONTEXTMENU()
ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace
{
const COLORREF kOddRowColor = RGB(227, 241, 253);
const COLORREF kEvenRowColor = RGB(255, 255, 255);
const wchar_t kSeparator[] = L" + ";

bool IsKeyDown(int nVirtKey)
{
    return ::GetAsyncKeyState(nVirtKey) < 0;
}

void AppendPart(CString& strText, const wchar_t* pszPart)
{
    if (!strText.IsEmpty())
        strText += kSeparator;
    strText += pszPart;
}
} // namespace

CShortCutListCtrl::CShortCutListCtrl() = default;

CShortCutListCtrl::~CShortCutListCtrl()
{
    delete m_pEditor;
}

BOOL CShortCutListCtrl::IsEditing() const
{
    return m_pEditor != nullptr && m_pEditor->GetSafeHwnd() != nullptr && m_pEditor->IsWindowVisible();
}

void CShortCutListCtrl::HideEditor()
{
    if (m_pEditor != nullptr && m_pEditor->GetSafeHwnd() != nullptr)
        m_pEditor->ShowWindow(SW_HIDE);
}

void CShortCutListCtrl::DeleteAllColumns()
{
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    const int nCount = pHeader != nullptr ? pHeader->GetItemCount() : 0;
    for (int nColumn = nCount - 1; nColumn >= 0; --nColumn)
        DeleteColumn(nColumn);
}

int CShortCutListCtrl::GetSelectedRow() const
{
    return GetNextItem(-1, LVNI_SELECTED);
}

void CShortCutListCtrl::PostLabelEdit()
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->PostMessage(WM_LABEL_EDIT, 0, 0);
}

void CShortCutListCtrl::GetCellRect(int nRow, int nColumn, int nArea, CRect& rect)
{
    GetSubItemRect(nRow, nColumn, nArea, rect);
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (nColumn == 0 && pHeader != nullptr && pHeader->GetItemCount() > 1)
    {
        // Sub-item 0's own rectangle spans the whole row.
        CRect rectNext;
        GetSubItemRect(nRow, 1, nArea, rectNext);
        rect.right = rectNext.left;
    }
}

int CShortCutListCtrl::FindKeyConflict(int nRow, const wchar_t* pszText)
{
    if (nRow < 0 || nRow >= GetItemCount() || pszText == nullptr || pszText[0] == L'\0')
        return -1;
    for (int nOther = GetItemCount() - 1; nOther >= 0; --nOther)
    {
        if (nOther != nRow && GetItemText(nOther, kColumnKey).CompareNoCase(pszText) == 0)
            return nOther;
    }
    return -1;
}

BOOL CShortCutListCtrl::AskKeyConflict(int nConflict)
{
    CString strText;
    strText.Format(
        L"The current accelerator conflict with \"%s %s\".\nYes, apply to the current item and remove "
        L"the conflicted item.\nNo, don't apply to the current item.",
        static_cast<const wchar_t*>(GetItemText(nConflict, kColumnNumber)),
        static_cast<const wchar_t*>(GetItemText(nConflict, kColumnName)));
    return AfxMessageBox(strText, MB_YESNO) == IDYES;
}

void CShortCutListCtrl::EndEdit()
{
    if (m_bReadOnly || m_nEditRow < 0 || m_nEditColumn < 0 || !IsEditing())
        return;
    m_pEditor->ShowWindow(SW_HIDE);
    CString strText;
    m_pEditor->GetWindowText(strText);

    if (m_nEditColumn == kColumnKey)
    {
        ShortCutItem item;
        item.ParseHotKey(strText);
        const CString strCanonical = item.FormatHotKey();
        const int nConflict = FindKeyConflict(m_nEditRow, strCanonical);
        if (nConflict < 0)
            SetItemText(m_nEditRow, m_nEditColumn, strCanonical);
        else if (AskKeyConflict(nConflict))
        {
            SetItemText(nConflict, kColumnKey, L"");
            SetItemText(m_nEditRow, m_nEditColumn, strCanonical);
        }
    }
    else
        SetItemText(m_nEditRow, m_nEditColumn, strText);

    PostLabelEdit();
    m_nEditColumn = -1;
}

LRESULT CShortCutListCtrl::OnLabelKillFocus(WPARAM wParam, LPARAM)
{
    if (wParam != 0)
        HideEditor();
    else
        EndEdit();
    return 0;
}

void CShortCutListCtrl::OnBeginLabelEdit(NMHDR*, LRESULT* pResult)
{
    // The list view's own label editor is refused: cells are edited by our editor.
    *pResult = 1;
}

void CShortCutListCtrl::OnEndLabelEdit(NMHDR*, LRESULT* pResult)
{
    EndEdit();
    *pResult = 1;
}

void CShortCutListCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsEditing())
        EndEdit();
    CMFCListCtrl::OnLButtonDown(nFlags, point);
}

BOOL CShortCutListCtrl::OnDblClk(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* pActivate = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR);
    m_nEditRow = pActivate->iItem;
    m_nEditColumn = pActivate->iSubItem;
    if (m_bReadOnly)
        return FALSE;
    *pResult = 0;
    // Under the last row or on the row number the view decides (execute or new).
    if (m_nEditRow < 0 || m_nEditColumn < 0 || m_nEditColumn == kColumnNumber)
        return FALSE;

    delete m_pEditor;
    m_pEditor = new CBrowserEdit(this);
    if (m_pEditor->GetSafeHwnd() == nullptr)
        return FALSE;

    CRect rect;
    GetCellRect(m_nEditRow, m_nEditColumn, LVIR_BOUNDS, rect);
    m_pEditor->MoveWindow(&rect, TRUE);
    const CString strText = GetItemText(m_nEditRow, m_nEditColumn);
    m_pEditor->SetWindowText(strText);
    m_pEditor->ShowWindow(SW_SHOW);
    m_pEditor->SetFocus();
    m_pEditor->SetSel(strText.GetLength(), strText.GetLength());
    if (m_nEditColumn == kColumnCommand || m_nEditColumn == kColumnSound)
        m_pEditor->EnableFileBrowseButton(nullptr, nullptr);
    return TRUE;
}

BOOL CShortCutListCtrl::CaptureKey(UINT nChar, BOOL bWithWin, BOOL bSaveText)
{
    const int nRow = GetSelectedRow();
    if (nRow < 0)
        return FALSE;
    const bool bCtrl = IsKeyDown(VK_CONTROL);
    const bool bAlt = IsKeyDown(VK_MENU);
    const bool bShift = IsKeyDown(VK_SHIFT);

    // Win, Ctrl, Shift, Alt: the apply that WM_LABEL_EDIT triggers rewrites it canonically.
    CString strText;
    if (bWithWin && m_bWinKeyDown)
        AppendPart(strText, L"Win");
    if (bCtrl)
        AppendPart(strText, L"Ctrl");
    if (bShift)
        AppendPart(strText, L"Shift");
    if (bAlt)
        AppendPart(strText, L"Alt");
    if (strText.IsEmpty())
        strText = VirtualKeyToKeyName(nChar);
    else
    {
        strText += kSeparator;
        strText += VirtualKeyToKeyName(nChar);
    }

    if (bSaveText)
        m_strSavedKey = GetItemText(nRow, kColumnKey);
    SetItemText(nRow, kColumnKey, strText);
    PostLabelEdit();
    return TRUE;
}

void CShortCutListCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bReadOnly)
    {
        CMFCListCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    if (nChar == VK_LWIN || nChar == VK_RWIN)
    {
        m_bWinKeyDown = TRUE;
        return;
    }
    if (nChar == VK_CONTROL || nChar == VK_MENU || nChar == VK_SHIFT)
        return;
    // Every other key, arrows included, is captured and never moves the selection. A held key repeats
    // its key-down, by then over the row's own capture: only the first press keeps the text that a "No"
    // to the conflict question puts back.
    CaptureKey(nChar, TRUE, (nFlags & KF_REPEAT) == 0);
}

void CShortCutListCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bReadOnly)
    {
        CMFCListCtrl::OnSysKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    if (nChar == VK_MENU)
        return;
    // Alt+F4 and the like are captured (or dropped without a selection), never passed on.
    CaptureKey(nChar, FALSE, FALSE);
}

void CShortCutListCtrl::CheckKeyConflictOnKeyUp(const wchar_t* pszRestore)
{
    const int nRow = GetSelectedRow();
    if (nRow < 0)
        return;
    const CString strText = GetItemText(nRow, kColumnKey);
    const int nConflict = FindKeyConflict(nRow, strText);
    if (nConflict < 0)
        return;
    if (AskKeyConflict(nConflict))
        SetItemText(nConflict, kColumnKey, L"");
    else
        SetItemText(nRow, kColumnKey, pszRestore);
    // The capture's own WM_LABEL_EDIT has already carried the combination into the store and the
    // file; the answer must follow it there, or the store keeps what the list no longer shows.
    PostLabelEdit();
}

void CShortCutListCtrl::OnKeyUp(UINT nChar, UINT, UINT)
{
    CheckKeyConflictOnKeyUp(m_strSavedKey);
    if (nChar == VK_LWIN || nChar == VK_RWIN)
        m_bWinKeyDown = FALSE;
}

void CShortCutListCtrl::OnSysKeyUp(UINT, UINT, UINT)
{
    // An Alt capture saves no text: No leaves the key empty.
    CheckKeyConflictOnKeyUp(L"");
}

void CShortCutListCtrl::OnKillFocus(CWnd* pNewWnd)
{
    // A Windows key released while another window has the focus (Win+D, the Start menu) never sends
    // its key-up here: the next capture must not start with a Win nobody holds any more.
    m_bWinKeyDown = FALSE;
    CMFCListCtrl::OnKillFocus(pNewWnd);
}

void CShortCutListCtrl::OnContextMenu(CWnd*, CPoint point)
{
    if (m_bReadOnly)
        return;
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    if (GetSelectedRow() >= 0)
    {
        menu.AppendMenu(MF_STRING, kCmdExecute, L"Execute");
        menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_STRING, kCmdNew, L"New");
        menu.AppendMenu(MF_STRING, kCmdDelete, L"Delete");
        menu.AppendMenu(MF_STRING, kCmdEmptyKey, L"Empty key");
    }
    else
        menu.AppendMenu(MF_STRING, kCmdNew, L"New");
    menu.TrackPopupMenu(0, point.x, point.y, GetParent());
    menu.DestroyMenu();
}

BOOL CShortCutListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHEADERW*>(lParam);
    if (pHeader != nullptr &&
        (pHeader->hdr.code == HDN_BEGINTRACKW || pHeader->hdr.code == HDN_DIVIDERDBLCLICKW) &&
        pHeader->iItem == 0)
    {
        // Column 0 (the check boxes) keeps the width the view gave it.
        if (pResult != nullptr)
            *pResult = 1;
        return TRUE;
    }
    return CMFCListCtrl::OnNotify(wParam, lParam, pResult);
}

LRESULT CShortCutListCtrl::OnGetDlgCode(WPARAM, LPARAM)
{
    const LRESULT nCode = Default();
    return m_bReadOnly ? nCode : nCode | DLGC_WANTALLKEYS;
}

void CShortCutListCtrl::Sort(int, BOOL, BOOL) {}

int CShortCutListCtrl::OnCompareItems(LPARAM, LPARAM, int)
{
    return 0;
}

COLORREF CShortCutListCtrl::OnGetCellBkColor(int nRow, int)
{
    return nRow % 2 != 0 ? kOddRowColor : kEvenRowColor;
}

HFONT CShortCutListCtrl::OnGetCellFont(int, int nColumn, DWORD)
{
    // Null: the list's own font.
    return nColumn == kColumnKey ? static_cast<HFONT>(afxGlobalData.fontBold.GetSafeHandle()) : nullptr;
}
