// CMFCListCtrl: cell colours and fonts by custom draw, sorting by header clicks.
#include "framework/controls/MFCListCtrl.h"

IMPLEMENT_DYNAMIC(CMFCListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CMFCListCtrl, CListCtrl)
ON_NOTIFY_REFLECT_EX(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

namespace
{
// The sorted column's shade: the background a little darker.
COLORREF ShadeOf(COLORREF clr)
{
    return RGB(GetRValue(clr) * 94 / 100, GetGValue(clr) * 94 / 100, GetBValue(clr) * 94 / 100);
}

COLORREF ActualColor(COLORREF clr, int nSysColor)
{
    return clr == CLR_DEFAULT || clr == CLR_NONE ? ::GetSysColor(nSysColor) : clr;
}
} // namespace

COLORREF CMFCListCtrl::OnGetCellTextColor(int, int)
{
    return ActualColor(GetTextColor(), COLOR_WINDOWTEXT);
}

COLORREF CMFCListCtrl::OnGetCellBkColor(int, int nColumn)
{
    const COLORREF clrBk = ActualColor(GetBkColor(), COLOR_WINDOW);
    return m_bMarkSortedColumn && nColumn == m_iSortedColumn ? ShadeOf(clrBk) : clrBk;
}

HFONT CMFCListCtrl::OnGetCellFont(int, int, DWORD)
{
    return nullptr;
}

void CMFCListCtrl::Sort(int iColumn, BOOL bAscending, BOOL)
{
    m_iSortedColumn = iColumn;
    m_bAscending = bAscending;
    SendMessage(LVM_SORTITEMS, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(&CompareProc));
    Invalidate();
}

int CMFCListCtrl::OnCompareItems(LPARAM, LPARAM, int)
{
    return 0;
}

int CALLBACK CMFCListCtrl::CompareProc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    auto* pList = reinterpret_cast<CMFCListCtrl*>(lParamSort);
    const int nResult = pList->OnCompareItems(lParam1, lParam2, pList->m_iSortedColumn);
    return pList->m_bAscending ? nResult : -nResult;
}

void CMFCListCtrl::EnableMarkSortedColumn(BOOL bMark, BOOL bRedraw)
{
    m_bMarkSortedColumn = bMark;
    if (bRedraw && m_hWnd != nullptr)
        Invalidate();
}

BOOL CMFCListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHEADERW*>(lParam);
    if (pHeader != nullptr && pHeader->hdr.code == HDN_ITEMCLICKW && pHeader->iItem >= 0)
    {
        // A second click on the sorted column reverses the order.
        const BOOL bAscending = pHeader->iItem == m_iSortedColumn ? !m_bAscending : TRUE;
        Sort(pHeader->iItem, bAscending);
        if (pResult != nullptr)
            *pResult = 0;
        return TRUE;
    }
    return CListCtrl::OnNotify(wParam, lParam, pResult);
}

BOOL CMFCListCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    switch (pDraw->nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        return TRUE;
    case CDDS_ITEMPREPAINT:
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
        return TRUE;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
    {
        const int nRow = static_cast<int>(pDraw->nmcd.dwItemSpec);
        const int nColumn = pDraw->iSubItem;
        pDraw->clrText = OnGetCellTextColor(nRow, nColumn);
        pDraw->clrTextBk = OnGetCellBkColor(nRow, nColumn);
        // Every cell selects its font: a bold cell must not leave its font to the next one.
        HFONT hFont = OnGetCellFont(nRow, nColumn, static_cast<DWORD>(pDraw->nmcd.lItemlParam));
        if (hFont == nullptr)
            hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
        if (hFont != nullptr)
            ::SelectObject(pDraw->nmcd.hdc, hFont);
        *pResult = CDRF_NEWFONT;
        return TRUE;
    }
    default:
        *pResult = CDRF_DODEFAULT;
        return TRUE;
    }
}
