// CShortCutListCtrl: the report list of the shortcut and Windows Default pages, with in-place cell
// editing, key-combination capture, the key-conflict question and the row context menu.
#pragma once

#include "framework/controls/MFCListCtrl.h"

class CBrowserEdit;

// The list only changes cell texts; it posts WM_LABEL_EDIT to its parent (the view), which carries the
// rows into the store. It owns its in-place editor.
class CShortCutListCtrl : public CMFCListCtrl
{
    DECLARE_DYNAMIC(CShortCutListCtrl)
public:
    // Sub-items of the shortcut page.
    enum
    {
        kColumnCheck = 0,
        kColumnNumber = 1,
        kColumnName = 2,
        kColumnCommand = 3,
        kColumnKey = 4,
        kColumnSound = 5,
    };
    // Commands of the context menu, handled by the parent.
    enum
    {
        kCmdNew = 1007,
        kCmdDelete = 1008,
        kCmdEmptyKey = 1026,
        kCmdExecute = 1043,
    };

    CShortCutListCtrl();
    ~CShortCutListCtrl() override;

    // The Windows Default page is read-only: no editing, key capture or context menu.
    void SetReadOnly(BOOL bReadOnly) { m_bReadOnly = bReadOnly; }
    BOOL IsReadOnly() const { return m_bReadOnly; }
    // TRUE while the in-place editor exists and is visible.
    BOOL IsEditing() const;
    // The in-place editor (null before the first edit); the frame sends it clipboard and undo messages.
    CBrowserEdit* GetEditor() const { return m_pEditor; }
    // Hides the editor without changing the cell or posting anything (Escape).
    void HideEditor();
    // Deletes every column, the last one first.
    void DeleteAllColumns();
    // Commits the running in-place edit into its cell and posts WM_LABEL_EDIT to the parent.
    void EndEdit();
    // The highest other row whose key text equals pszText (case-insensitive); -1 when none.
    int FindKeyConflict(int nRow, const wchar_t* pszText);
    // One cell's rectangle; column 0 ends where column 1 begins.
    void GetCellRect(int nRow, int nColumn, int nArea, CRect& rect);

    // Rows keep the order in which the view inserted them.
    void Sort(int iColumn, BOOL bAscending = TRUE, BOOL bAdd = FALSE) override;
    int OnCompareItems(LPARAM lParam1, LPARAM lParam2, int iColumn) override;
    COLORREF OnGetCellBkColor(int nRow, int nColumn) override;
    HFONT OnGetCellFont(int nRow, int nColumn, DWORD dwData = 0) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnBeginLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnLButtonDown(UINT nFlags, CPoint point);
    LRESULT OnLabelKillFocus(WPARAM wParam, LPARAM lParam);
    BOOL OnDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnKillFocus(CWnd* pNewWnd);
    // The list sits on a form with dialog keyboard handling: it asks for every key, so that Tab,
    // Enter, Escape and the arrows can be captured as combinations too.
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);

    int m_nEditRow = -1;
    int m_nEditColumn = -1;
    CString m_strSavedKey;             // the key text before the last capture by OnKeyDown
    CBrowserEdit* m_pEditor = nullptr; // owned
    BOOL m_bWinKeyDown = FALSE;
    BOOL m_bReadOnly = FALSE;

    DECLARE_MESSAGE_MAP()

private:
    // The capture of OnKeyDown (bWithWin) and OnSysKeyDown; FALSE when no row is selected.
    BOOL CaptureKey(UINT nChar, BOOL bWithWin, BOOL bSaveText);
    // The conflict question about row nConflict; TRUE for Yes.
    BOOL AskKeyConflict(int nConflict);
    // Run first by both key-up handlers: on a conflict, Yes empties the other row's key, No puts
    // pszRestore into the selected row's key.
    void CheckKeyConflictOnKeyUp(const wchar_t* pszRestore);
    int GetSelectedRow() const;
    void PostLabelEdit();
};
