// CStaticFocus: border 0xC8C8C8, the back colour inside it, the text centred on one line.
#include "app/StaticFocus.h"

#include "framework/gdi/WindowDC.h"
#include "framework/window/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CStaticFocus, CStatic)

BEGIN_MESSAGE_MAP(CStaticFocus, CStatic)
ON_WM_PAINT()
END_MESSAGE_MAP()

void CStaticFocus::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);

    dc.Draw3dRect(&rect, 0xC8C8C8, 0xC8C8C8);
    const COLORREF clrOldText = dc.SetTextColor(m_clrText);
    const int nOldBkMode = dc.SetBkMode(TRANSPARENT);
    rect.DeflateRect(1, 1);
    dc.FillSolidRect(&rect, m_clrBack);

    CFont* pFont = GetFont();
    CFont* pOldFont = pFont != nullptr ? dc.SelectObject(pFont) : nullptr;
    CString strText;
    GetWindowText(strText);
    dc.DrawText(strText, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    dc.SetTextColor(clrOldText);
    dc.SetBkMode(nOldBkMode);
}
