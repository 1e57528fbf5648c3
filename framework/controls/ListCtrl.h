// CListCtrl: a thin, non-owning wrapper of a list-view control, one message per member.
#pragma once

#include "framework/core/CObList.h"
#include "framework/controls/HeaderCtrl.h"
#include "framework/window/Wnd.h"

#include <commctrl.h>

class CImageList;

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // --- columns ---
    int InsertColumn(int nCol, const wchar_t* lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    BOOL SetColumnOrderArray(int iCount, const int* piArray);
    BOOL GetColumnOrderArray(int* piArray, int iCount) const;
    // The list's own header; the wrapper lives as long as the list object.
    CHeaderCtrl* GetHeaderCtrl();

    // --- rows ---
    int InsertItem(int nItem, const wchar_t* lpszItem);
    int InsertItem(const LVITEMW* pItem);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL SetItemText(int nItem, int nSubItem, const wchar_t* lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, wchar_t* lpszText, int nLen) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const;
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
    // Walks the selected rows: the position of the first, then GetNextSelectedItem gives each row and
    // moves on (null after the last).
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE);
    BOOL GetCheck(int nItem) const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);

    // --- geometry ---
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    int SubItemHitTest(LPLVHITTESTINFO pInfo) const;

    // --- looks ---
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    DWORD GetExtendedStyle() const;
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageListType) const;
    COLORREF GetBkColor() const;
    BOOL SetBkColor(COLORREF cr);
    COLORREF GetTextColor() const;
    BOOL SetTextColor(COLORREF cr);

private:
    CHeaderCtrl m_wndHeader; // not mapped: only a typed view of the list's header window
};
