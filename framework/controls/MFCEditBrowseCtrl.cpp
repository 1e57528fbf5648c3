// CMFCEditBrowseCtrl: the non-client browse button and the default file browse.
#include "framework/controls/MFCEditBrowseCtrl.h"
#include "framework/controls/FileDialog.h"
#include "framework/gdi/GlobalData.h"
#include "framework/gdi/WindowDC.h"
#include "framework/window/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CMFCEditBrowseCtrl, CEdit)

BEGIN_MESSAGE_MAP(CMFCEditBrowseCtrl, CEdit)
ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
ON_MESSAGE(WM_NCPAINT, OnNcPaint)
ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
ON_MESSAGE(WM_NCLBUTTONDBLCLK, OnNcLButtonDown)
ON_MESSAGE(WM_LBUTTONUP, OnLButtonUpBrowse)
ON_MESSAGE(WM_MOUSEMOVE, OnMouseMoveBrowse)
ON_MESSAGE(WM_CANCELMODE, OnCancelModeBrowse)
END_MESSAGE_MAP()

void CMFCEditBrowseCtrl::EnableBrowseButton(BOOL bEnable, const wchar_t* szLabel)
{
    m_Mode = bEnable ? BrowseMode_Default : BrowseMode_None;
    m_strLabel = szLabel != nullptr ? szLabel : L"...";
    m_strDefFileExt.Empty();
    m_strFileFilter.Empty();
    RecalcFrame();
}

void CMFCEditBrowseCtrl::EnableFileBrowseButton(const wchar_t* lpszDefExt, const wchar_t* lpszFilter)
{
    m_Mode = BrowseMode_File;
    m_strLabel = L"...";
    m_strDefFileExt = lpszDefExt != nullptr ? lpszDefExt : L"";
    m_strFileFilter = lpszFilter != nullptr ? lpszFilter : L"";
    RecalcFrame();
}

void CMFCEditBrowseCtrl::RecalcFrame()
{
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMFCEditBrowseCtrl::OnBrowse()
{
    if (m_Mode != BrowseMode_File)
        return;
    CString strFile;
    GetWindowText(strFile);
    CFileDialog dlg(TRUE, m_strDefFileExt.IsEmpty() ? nullptr : m_strDefFileExt.GetString(), strFile,
                    OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                    m_strFileFilter.IsEmpty() ? nullptr : m_strFileFilter.GetString(), this);
    if (dlg.DoModal() == IDOK && dlg.GetPathName() != strFile)
    {
        SetWindowText(dlg.GetPathName());
        SetModify(TRUE);
        OnAfterUpdate();
    }
    SetFocus();
}

void CMFCEditBrowseCtrl::OnAfterUpdate() {}

LRESULT CMFCEditBrowseCtrl::OnNcCalcSize(WPARAM wParam, LPARAM lParam)
{
    // On entry the rectangle is the (new) window rectangle, on return the client rectangle, both in
    // the same coordinates (the parent's for a child): the button is placed relative to the former.
    auto* pRect = reinterpret_cast<RECT*>(lParam);
    if (wParam != 0)
        pRect = &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0];
    const RECT rectWindow = *pRect;
    LRESULT lResult = Default();
    m_rectBtn.SetRectEmpty();
    if (m_Mode == BrowseMode_None)
        return lResult;

    // The client area gives up a strip at its right, about as wide as it is high, for the button.
    const int cyClient = pRect->bottom - pRect->top;
    const int cxButton = std::max(::GetSystemMetrics(SM_CXVSCROLL), cyClient);
    if (pRect->right - pRect->left <= cxButton)
        return lResult; // too narrow: no button
    pRect->right -= cxButton;
    m_rectBtn.SetRect(pRect->right - rectWindow.left, pRect->top - rectWindow.top,
                      pRect->right - rectWindow.left + cxButton, pRect->bottom - rectWindow.top);
    return lResult;
}

LRESULT CMFCEditBrowseCtrl::OnNcPaint(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    if (m_Mode != BrowseMode_None && !m_rectBtn.IsRectEmpty())
    {
        CWindowDC dc(this);
        POINT pt;
        ::GetCursorPos(&pt);
        OnDrawBrowseButton(&dc, m_rectBtn, m_bIsButtonPressed, IsOnButton(pt));
    }
    return lResult;
}

void CMFCEditBrowseCtrl::OnDrawBrowseButton(CDC* pDC, CRect rect, BOOL bIsButtonPressed, BOOL)
{
    pDC->FillSolidRect(rect, afxGlobalData.clrBtnFace);
    CRect rectEdge = rect;
    ::DrawEdge(pDC->GetSafeHdc(), &rectEdge, bIsButtonPressed ? EDGE_SUNKEN : EDGE_RAISED,
               BF_RECT | BF_ADJUST);
    if (bIsButtonPressed)
        rectEdge.OffsetRect(1, 1);
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ hOld = hFont != nullptr ? ::SelectObject(pDC->GetSafeHdc(), hFont) : nullptr;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(IsWindowEnabled() ? afxGlobalData.clrBtnText : afxGlobalData.clrGrayedText);
    pDC->DrawText(m_strLabel, &rectEdge, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    if (hOld != nullptr)
        ::SelectObject(pDC->GetSafeHdc(), hOld);
}

BOOL CMFCEditBrowseCtrl::IsOnButton(POINT ptScreen) const
{
    if (m_Mode == BrowseMode_None || m_rectBtn.IsRectEmpty())
        return FALSE;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectScreen = m_rectBtn;
    rectScreen.OffsetRect(rectWindow.left, rectWindow.top);
    return rectScreen.PtInRect(ptScreen);
}

void CMFCEditBrowseCtrl::RedrawButton()
{
    RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT CMFCEditBrowseCtrl::OnNcHitTest(WPARAM, LPARAM lParam)
{
    if (IsOnButton(CPoint(lParam)))
        return AFX_HTBROWSEBUTTON;
    return Default();
}

LRESULT CMFCEditBrowseCtrl::OnNcLButtonDown(WPARAM, LPARAM lParam)
{
    if (!IsOnButton(CPoint(lParam)) || !IsWindowEnabled())
        return Default();
    // The browse runs when the button is released over it (WM_LBUTTONUP while captured).
    SetCapture(m_hWnd);
    m_bIsButtonCaptured = TRUE;
    m_bIsButtonPressed = TRUE;
    RedrawButton();
    return 0;
}

void CMFCEditBrowseCtrl::EndButtonCapture()
{
    m_bIsButtonCaptured = FALSE;
    m_bIsButtonPressed = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    RedrawButton();
}

LRESULT CMFCEditBrowseCtrl::OnLButtonUpBrowse(WPARAM, LPARAM lParam)
{
    if (!m_bIsButtonCaptured)
        return Default();
    CPoint pt(lParam);
    ClientToScreen(&pt);
    const BOOL bOnButton = IsOnButton(pt);
    EndButtonCapture();
    if (bOnButton)
        OnBrowse();
    return 0;
}

LRESULT CMFCEditBrowseCtrl::OnMouseMoveBrowse(WPARAM, LPARAM lParam)
{
    if (!m_bIsButtonCaptured)
        return Default();
    CPoint pt(lParam);
    ClientToScreen(&pt);
    const BOOL bPressed = IsOnButton(pt);
    if (bPressed != m_bIsButtonPressed)
    {
        m_bIsButtonPressed = bPressed;
        RedrawButton();
    }
    return 0;
}

LRESULT CMFCEditBrowseCtrl::OnCancelModeBrowse(WPARAM, LPARAM)
{
    if (m_bIsButtonCaptured)
        EndButtonCapture();
    return Default();
}
