// CMFCLinkCtrl: link drawing, sizing and opening.
#include "framework/controls/MFCLinkCtrl.h"
#include "framework/gdi/GlobalData.h"
#include "framework/gdi/WindowDC.h"
#include "framework/window/ShellOpen.h"
#include "framework/window/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CMFCLinkCtrl, CMFCButton)

BEGIN_MESSAGE_MAP(CMFCLinkCtrl, CMFCButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
END_MESSAGE_MAP()

namespace
{
// Room around the text for the focus rectangle.
const int kMargin = 2;
} // namespace

void CMFCLinkCtrl::SetURL(const wchar_t* lpszURL)
{
    m_strURL = lpszURL != nullptr ? lpszURL : L"";
}

CString CMFCLinkCtrl::GetTarget() const
{
    if (!m_strURL.IsEmpty())
        return m_strURL;
    CString strText;
    GetWindowText(strText);
    return strText;
}

HFONT CMFCLinkCtrl::UnderlinedFont()
{
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (hFont == nullptr)
        hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (m_fontUnderline.GetSafeHandle() == nullptr || hFont != m_hFontUnderlinedFrom)
    {
        LOGFONTW lf = {};
        if (!::GetObjectW(hFont, sizeof(lf), &lf))
            return hFont;
        lf.lfUnderline = TRUE;
        m_fontUnderline.DeleteObject();
        if (!m_fontUnderline.CreateFontIndirect(&lf))
            return hFont;
        m_hFontUnderlinedFrom = hFont;
    }
    return m_fontUnderline;
}

CSize CMFCLinkCtrl::SizeToContent(BOOL bVCenter, BOOL bHCenter)
{
    if (m_hWnd == nullptr)
        return CSize();
    CString strText;
    GetWindowText(strText);

    CSize sizeText;
    {
        CClientDC dc(this);
        // The underlined font has the plain font's metrics: either measures the same.
        HGDIOBJ hOld = ::SelectObject(dc, UnderlinedFont());
        CRect rectCalc(0, 0, 0, 0);
        dc.DrawText(strText.IsEmpty() ? CString(L" ") : strText, &rectCalc, DT_SINGLELINE | DT_CALCRECT);
        sizeText = rectCalc.Size();
        ::SelectObject(dc, hOld);
    }
    const CSize size(sizeText.cx + 2 * kMargin, sizeText.cy + 2 * kMargin);

    CRect rectWindow;
    GetWindowRect(&rectWindow);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rectWindow);
    int x = rectWindow.left;
    int y = rectWindow.top;
    if (bHCenter)
        x += (rectWindow.Width() - size.cx) / 2;
    if (bVCenter)
        y += (rectWindow.Height() - size.cy) / 2;
    SetWindowPos(nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}

void CMFCLinkCtrl::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    // A link sits on its parent's background.
    HWND hParent = ::GetParent(m_hWnd);
    HBRUSH hBrush = nullptr;
    if (hParent != nullptr)
        hBrush = reinterpret_cast<HBRUSH>(::SendMessageW(hParent, WM_CTLCOLORBTN,
                                                         reinterpret_cast<WPARAM>(pDC->GetSafeHdc()),
                                                         reinterpret_cast<LPARAM>(m_hWnd)));
    if (hBrush != nullptr)
        ::FillRect(pDC->GetSafeHdc(), &rectClient, hBrush);
    else
        pDC->FillSolidRect(rectClient, afxGlobalData.clrBtnFace);
}

void CMFCLinkCtrl::OnDrawBorder(CDC*, CRect&, UINT) {}

void CMFCLinkCtrl::OnDraw(CDC* pDC, const CRect& rect, UINT uiState)
{
    CString strText;
    GetWindowText(strText);
    HFONT hFont = m_bHighlighted ? UnderlinedFont() : reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (hFont != nullptr)
        ::SelectObject(pDC->GetSafeHdc(), hFont);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor((uiState & ODS_DISABLED) != 0 ? afxGlobalData.clrGrayedText
                                                    : afxGlobalData.clrHotLinkNormalText);
    CRect rectText = rect;
    rectText.DeflateRect(kMargin, 0);
    pDC->DrawText(strText, &rectText, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

void CMFCLinkCtrl::OnDrawFocusRect(CDC* pDC, const CRect& rectClient)
{
    CMFCButton::OnDrawFocusRect(pDC, rectClient);
}

BOOL CMFCLinkCtrl::OnClicked()
{
    const CString strTarget = GetTarget();
    // The address may come from the network: one longer than the shell takes is not opened at all.
    if (!strTarget.IsEmpty())
        OpenWithShell(L"open", strTarget, nullptr, SW_SHOWNORMAL);
    return FALSE; // the parent hears of the click as well
}

LRESULT CMFCLinkCtrl::OnSetCursor(WPARAM, LPARAM)
{
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
}
