// CMFCButton: owner drawing, hover tracking, images and the tool tip.
#include "framework/controls/MFCButton.h"
#include "framework/gdi/GlobalData.h"
#include "framework/controls/TooltipManager.h"
#include "framework/window/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CMFCButton, CButton)

BEGIN_MESSAGE_MAP(CMFCButton, CButton)
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

namespace
{
CSize IconSize(HICON hIcon)
{
    ICONINFO info = {};
    if (hIcon == nullptr || !::GetIconInfo(hIcon, &info))
        return CSize();
    BITMAP bm = {};
    CSize size;
    if (info.hbmColor != nullptr && ::GetObjectW(info.hbmColor, sizeof(bm), &bm))
        size = CSize(bm.bmWidth, bm.bmHeight);
    else if (info.hbmMask != nullptr && ::GetObjectW(info.hbmMask, sizeof(bm), &bm))
        size = CSize(bm.bmWidth, bm.bmHeight / 2); // a monochrome icon: mask and image stacked
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
    return size;
}
} // namespace

CMFCButton::~CMFCButton()
{
    CTooltipManager::DeleteToolTip(m_pToolTip);
    DestroyImages();
}

void CMFCButton::DestroyImages()
{
    if (m_bAutoDestroyImage)
    {
        // The same handle may serve twice (normal and hot): destroyed once.
        if (m_hIconHot != nullptr && m_hIconHot != m_hIcon)
            ::DestroyIcon(m_hIconHot);
        if (m_hIconDisabled != nullptr && m_hIconDisabled != m_hIcon && m_hIconDisabled != m_hIconHot)
            ::DestroyIcon(m_hIconDisabled);
        if (m_hIcon != nullptr)
            ::DestroyIcon(m_hIcon);
    }
    m_hIcon = m_hIconHot = m_hIconDisabled = nullptr;
    m_sizeImage = CSize();
    m_bImageSized = FALSE;
}

void CMFCButton::SetImage(HICON hIcon, BOOL bAutoDestroy, HICON hIconHot, HICON hIconDisabled,
                          BOOL bAlphaBlend)
{
    DestroyImages();
    m_hIcon = hIcon;
    m_hIconHot = hIconHot;
    m_hIconDisabled = hIconDisabled;
    m_bAutoDestroyImage = bAutoDestroy;
    m_bAlphaBlend = bAlphaBlend;
    if (m_hWnd != nullptr)
        Invalidate();
}

void CMFCButton::SetTooltip(const wchar_t* lpszToolTipText)
{
    if (m_hWnd == nullptr)
        return;
    if (lpszToolTipText == nullptr || *lpszToolTipText == L'\0')
    {
        CTooltipManager::DeleteToolTip(m_pToolTip);
        m_strTooltip.Empty();
        return;
    }
    m_strTooltip = lpszToolTipText;
    if (m_pToolTip == nullptr)
        m_pToolTip = CTooltipManager::NewToolTip(AFX_TOOLTIP_TYPE_BUTTON);
    else if (m_pToolTip->GetSafeHwnd() != nullptr)
        m_pToolTip->UpdateTipText(m_strTooltip, this);
}

BOOL CMFCButton::CreateToolTipWindow()
{
    if (m_pToolTip == nullptr || m_hWnd == nullptr)
        return FALSE;
    if (m_pToolTip->GetSafeHwnd() != nullptr)
        return TRUE;
    if (!m_pToolTip->Create(this))
        return FALSE;
    m_pToolTip->AddTool(this, m_strTooltip);
    m_pToolTip->Activate(TRUE);
    return TRUE;
}

CToolTipCtrl* CMFCButton::GetToolTipCtrl()
{
    return CreateToolTipWindow() ? m_pToolTip : nullptr;
}

void CMFCButton::PreSubclassWindow()
{
    // The button paints every state itself: the system hands each paint to DrawItem (through the
    // parent's reflected WM_DRAWITEM).
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

void CMFCButton::OnMouseMove(UINT nFlags, CPoint point)
{
    // The tool tip's window comes with the first hover. From then on it watches the button's mouse
    // messages itself; this first move reaches it by hand, so its delay runs from here as it would
    // have with a window made at start.
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() == nullptr && CreateToolTipWindow())
    {
        MSG msg = {};
        msg.hwnd = m_hWnd;
        msg.message = WM_MOUSEMOVE;
        msg.wParam = nFlags;
        msg.lParam = MAKELPARAM(point.x, point.y);
        msg.time = static_cast<DWORD>(::GetMessageTime());
        const DWORD dwPos = ::GetMessagePos();
        msg.pt.x = static_cast<short>(LOWORD(dwPos));
        msg.pt.y = static_cast<short>(HIWORD(dwPos));
        m_pToolTip->RelayEvent(&msg);
    }
    if (!m_bHighlighted)
    {
        m_bHighlighted = TRUE;
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
        Invalidate(FALSE);
    }
    CButton::OnMouseMove(nFlags, point);
}

LRESULT CMFCButton::OnMouseLeave(WPARAM, LPARAM)
{
    m_bHighlighted = FALSE;
    Invalidate(FALSE);
    return Default();
}

CSize CMFCButton::ImageSize()
{
    if (!m_bImageSized)
    {
        m_sizeImage = IconSize(m_hIcon);
        m_bImageSized = TRUE;
    }
    return m_sizeImage;
}

HICON CMFCButton::IconForState(UINT uiState) const
{
    if ((uiState & ODS_DISABLED) != 0)
        return m_hIconDisabled != nullptr ? m_hIconDisabled : m_hIcon;
    if (m_bHighlighted && m_hIconHot != nullptr)
        return m_hIconHot;
    return m_hIcon;
}

void CMFCButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS == nullptr || lpDIS->hDC == nullptr)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rectClient(lpDIS->rcItem);
    const UINT uiState = lpDIS->itemState;

    const int nSaved = pDC->SaveDC();
    if (HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)))
        ::SelectObject(pDC->GetSafeHdc(), hFont);
    OnFillBackground(pDC, rectClient);
    CRect rectInside = rectClient;
    OnDrawBorder(pDC, rectInside, uiState);
    OnDraw(pDC, rectInside, uiState);
    if ((uiState & ODS_FOCUS) != 0 && m_bDrawFocus)
    {
        CRect rectFocus = rectClient;
        rectFocus.DeflateRect(3, 3);
        OnDrawFocusRect(pDC, rectFocus);
    }
    pDC->RestoreDC(nSaved);
}

void CMFCButton::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    pDC->FillSolidRect(rectClient, afxGlobalData.clrBtnFace);
}

void CMFCButton::OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState)
{
    const UINT nEdge = (uiState & ODS_SELECTED) != 0 ? EDGE_SUNKEN : EDGE_RAISED;
    ::DrawEdge(pDC->GetSafeHdc(), &rectClient, nEdge, BF_RECT | BF_ADJUST);
}

void CMFCButton::OnDraw(CDC* pDC, const CRect& rect, UINT uiState)
{
    CRect rectContent = rect;
    if ((uiState & ODS_SELECTED) != 0)
        rectContent.OffsetRect(1, 1); // a pressed button's content sinks by a pixel

    CString strText;
    GetWindowText(strText);
    HICON hIcon = IconForState(uiState);
    const BOOL bDisabledLook = (uiState & ODS_DISABLED) != 0 && m_hIconDisabled == nullptr;

    // The image is centred; a caption goes to its right (both centred together).
    CSize sizeText;
    if (!strText.IsEmpty())
    {
        CRect rectCalc = rectContent;
        pDC->DrawText(strText, &rectCalc, DT_SINGLELINE | DT_CALCRECT);
        sizeText = rectCalc.Size();
    }
    const int nGap = hIcon != nullptr && !strText.IsEmpty() ? 4 : 0;
    const CSize sizeImage = ImageSize();
    const int cxImage = hIcon != nullptr ? sizeImage.cx : 0;
    const int cxAll = cxImage + nGap + sizeText.cx;
    int x = rectContent.left + (rectContent.Width() - cxAll) / 2;

    if (hIcon != nullptr)
    {
        const int y = rectContent.top + (rectContent.Height() - sizeImage.cy) / 2;
        if (bDisabledLook)
            ::DrawStateW(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, x, y,
                         sizeImage.cx, sizeImage.cy, DST_ICON | DSS_DISABLED);
        else
            ::DrawIconEx(pDC->GetSafeHdc(), x, y, hIcon, sizeImage.cx, sizeImage.cy, 0, nullptr, DI_NORMAL);
        x += cxImage + nGap;
    }
    if (!strText.IsEmpty())
    {
        CRect rectText(x, rectContent.top, x + sizeText.cx, rectContent.bottom);
        OnDrawText(pDC, rectText, strText, DT_SINGLELINE | DT_VCENTER | DT_LEFT, uiState);
    }
}

void CMFCButton::OnDrawText(CDC* pDC, const CRect& rect, const CString& strText, UINT uiDTFlags, UINT uiState)
{
    CRect rectText = rect;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor((uiState & ODS_DISABLED) != 0 ? afxGlobalData.clrGrayedText : afxGlobalData.clrBtnText);
    pDC->DrawText(strText, &rectText, uiDTFlags);
}

void CMFCButton::OnDrawFocusRect(CDC* pDC, const CRect& rectClient)
{
    pDC->DrawFocusRect(rectClient);
}
