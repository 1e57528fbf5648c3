// CHeaderCtrl: a thin, non-owning wrapper of a header control (the column headings of a list).
#pragma once

#include "framework/window/Wnd.h"

#include <commctrl.h>

class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() = default;
    // Wraps a header window without mapping or subclassing it (the list's own header).
    explicit CHeaderCtrl(HWND hWnd) : CWnd(hWnd) {}

    int GetItemCount() const;
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    BOOL GetItem(int nPos, HDITEMW* pHeaderItem) const;
    BOOL SetItem(int nPos, HDITEMW* pHeaderItem);
};
