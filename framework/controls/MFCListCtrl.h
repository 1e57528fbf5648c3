// CMFCListCtrl: a list control whose cells take their colours and fonts from virtuals (applied while
// the list draws, through its reflected NM_CUSTOMDRAW), and whose header clicks sort the rows through
// the virtuals Sort and OnCompareItems.
#pragma once

#include "framework/controls/ListCtrl.h"

class CMFCListCtrl : public CListCtrl
{
    DECLARE_DYNAMIC(CMFCListCtrl)
public:
    // The colours and font of one cell; the defaults are the list's own (null font: the list's font).
    virtual COLORREF OnGetCellTextColor(int nRow, int nColumn);
    virtual COLORREF OnGetCellBkColor(int nRow, int nColumn);
    virtual HFONT OnGetCellFont(int nRow, int nColumn, DWORD dwData = 0);

    // Sorts by a column (called when its heading is clicked); the rows are compared by OnCompareItems
    // with their item data, reversed for a descending sort.
    virtual void Sort(int iColumn, BOOL bAscending = TRUE, BOOL bAdd = FALSE);
    virtual int OnCompareItems(LPARAM lParam1, LPARAM lParam2, int iColumn);

    // Whether the sorted column is shaded.
    void EnableMarkSortedColumn(BOOL bMark = TRUE, BOOL bRedraw = TRUE);
    int GetSortColumn() const { return m_iSortedColumn; }
    BOOL IsAscending() const { return m_bAscending; }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);

    int m_iSortedColumn = -1;
    BOOL m_bAscending = TRUE;
    BOOL m_bMarkSortedColumn = TRUE;

    DECLARE_MESSAGE_MAP()

private:
    static int CALLBACK CompareProc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
};
