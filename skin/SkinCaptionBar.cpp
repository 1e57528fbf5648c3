// CSkinCaptionBar: creation, layout of the three buttons, painting, hit testing and the hand-over of
// caption input and system commands to the frame.
#include "skin/SkinCaptionBar.h"

#include "framework/controls/ContextMenuManager.h"
#include "framework/bars/FrameWndEx.h"
#include "framework/gdi/GlobalData.h"
#include "framework/gdi/MemDC.h"
#include "framework/controls/Menu.h"
#include "framework/bars/VisualManager.h"
#include "framework/bars/WinAppEx.h"
#include "framework/gdi/WindowDC.h"
#include "framework/window/WndMessageMap.h"
#include "skin/SkinVisualManager.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CSkinCaptionBarButton, CMFCButton)
IMPLEMENT_DYNCREATE(CSkinCaptionBar, CPane)

BEGIN_MESSAGE_MAP(CSkinCaptionBar, CPane)
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_WM_SIZE()
ON_WM_CONTEXTMENU()
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

namespace
{
CSkinVisualManager* SkinManager()
{
    return DYNAMIC_DOWNCAST(CSkinVisualManager, CMFCVisualManager::GetInstance());
}
} // namespace

// --- the buttons ---

CSkinCaptionBarButton::CSkinCaptionBarButton()
{
    // Caption buttons never show a focus rectangle, as the system's own caption buttons.
    m_bDrawFocus = FALSE;
}

UINT CSkinCaptionBarButton::GetCommandId() const
{
    return m_hWnd != nullptr ? static_cast<UINT>(::GetWindowLongW(m_hWnd, GWL_ID)) : 0;
}

void CSkinCaptionBarButton::SetCommandId(UINT nId)
{
    if (m_hWnd != nullptr && GetCommandId() != nId)
        ::SetWindowLongW(m_hWnd, GWL_ID, static_cast<LONG>(nId));
}

void CSkinCaptionBarButton::OnDraw(CDC* pDC, const CRect&, UINT uiState)
{
    CSkinVisualManager* pManager = SkinManager();
    const UINT nCommand = GetCommandId();
    if (pManager == nullptr || nCommand == 0)
        return;
    int nState = 0;
    if ((uiState & ODS_SELECTED) != 0)
        nState = 1;
    else if (IsHighlighted())
        nState = 2;
    CRect rectClient;
    GetClientRect(&rectClient);
    pManager->OnDrawCaptionBarButton(pDC, &rectClient, nState, nCommand);
}

// --- the bar ---

CSkinCaptionBar::~CSkinCaptionBar()
{
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
}

BOOL CSkinCaptionBar::Create(CWnd* pParentWnd, UINT nID)
{
    return CreateBar(pParentWnd, nID);
}

BOOL CSkinCaptionBar::CreateBar(CWnd* pParentWnd, UINT nID)
{
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
    SetPaneAlignment(dwStyle & CBRS_ALL);
    SetPaneStyle(GetPaneStyle() | (dwStyle & CBRS_ALL));
    const wchar_t* pszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                                  reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    SetControlBarStyle(GetControlBarStyle() &
                       ~(AFX_CBRS_FLOAT | AFX_CBRS_CLOSE | AFX_CBRS_RESIZE | AFX_CBRS_AUTOHIDE));
    const BOOL bToolWindow = pParentWnd != nullptr && (pParentWnd->GetExStyle() & WS_EX_TOOLWINDOW) != 0;

    // Pane bits are not window styles: the window gets child, visible and clip-siblings only.
    if (!CWnd::Create(pszClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, CRect(0, 0, 0, 0),
                      pParentWnd, nID))
        return FALSE;
    CFrameWndEx* pFrame = DYNAMIC_DOWNCAST(CFrameWndEx, pParentWnd);
    if (pFrame == nullptr)
        return FALSE;
    pFrame->AddPane(this, TRUE);

    HINSTANCE hRes = AfxGetResourceHandle();
    if (hRes != nullptr)
    {
        HICON hIcon = static_cast<HICON>(::LoadImageW(hRes, MAKEINTRESOURCEW(nID), IMAGE_ICON,
                                                      ::GetSystemMetrics(SM_CXSMICON),
                                                      ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
        if (hIcon != nullptr)
            SetCaptionIcon(hIcon);
    }

    CString strText;
    pParentWnd->GetWindowText(strText);
    if (strText.IsEmpty())
    {
        wchar_t szText[256] = {};
        if (hRes != nullptr && ::LoadStringW(hRes, nID, szText, 256) > 0)
            strText = szText;
    }
    if (!strText.IsEmpty())
        SetWindowText(strText);

    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
    m_nSysCaptionHeight = ::GetSystemMetrics(bToolWindow ? SM_CYSMCAPTION : SM_CYCAPTION);
    m_nCaptionHeight = m_nSysCaptionHeight;
    SetCaptionFont(bToolWindow ? &ncm.lfSmCaptionFont : &ncm.lfCaptionFont);

    CRect rectButton(0, 0, bToolWindow ? ncm.iSmCaptionWidth : ncm.iCaptionWidth,
                     bToolWindow ? ncm.iSmCaptionHeight : ncm.iCaptionHeight);
    if (CSkinVisualManager* pManager = SkinManager())
    {
        if (pManager->LoadBitmapWithTransparency(L"IDB_SKIN_CAPTION_BTNS"))
        {
            rectButton.right = pManager->GetCaptionButtonSize().cx;
            rectButton.bottom = pManager->GetCaptionButtonSize().cx;
        }
        m_nCaptionHeight = rectButton.bottom + 2;
    }

    m_btnClose.Create(L"", WS_CHILD | WS_VISIBLE, rectButton, this, SC_CLOSE);
    m_btnClose.SetTooltip(L"Close");
    m_btnMaximize.Create(L"", WS_CHILD | WS_VISIBLE, rectButton, this, SC_MAXIMIZE);
    m_btnMaximize.SetTooltip(L"Maximize");
    m_btnMinimize.Create(L"", WS_CHILD | WS_VISIBLE, rectButton, this, SC_MINIMIZE);
    m_btnMinimize.SetTooltip(L"Minimize");
    return TRUE;
}

void CSkinCaptionBar::SetCaptionIcon(HICON hIcon)
{
    m_sizeIcon = CSize(0, 0);
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
    if (hIcon == nullptr)
        return;
    ICONINFO info = {};
    if (!::GetIconInfo(hIcon, &info))
        return;
    if (info.hbmColor != nullptr)
    {
        BITMAP bm = {};
        ::GetObjectW(info.hbmColor, sizeof(bm), &bm);
        m_sizeIcon = CSize(bm.bmWidth, bm.bmHeight);
        ::DeleteObject(info.hbmColor);
    }
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
}

COLORREF CSkinCaptionBar::GetCaptionTextColor() const
{
    return m_bActive ? afxGlobalData.clrCaptionText : afxGlobalData.clrInactiveCaptionText;
}

void CSkinCaptionBar::SetCaptionFont(const LOGFONT* plf)
{
    m_fontCaption.DeleteObject();
    m_fontCaption.CreateFontIndirect(plf);
}

void CSkinCaptionBar::SetActive(BOOL bActive)
{
    if (bActive == m_bActive)
        return;
    m_bActive = bActive;
    Invalidate(TRUE);
}

void CSkinCaptionBar::SetMaximized(BOOL bMaximized)
{
    if (m_btnMaximize.GetSafeHwnd() != nullptr)
    {
        m_btnMaximize.SetCommandId(bMaximized ? SC_RESTORE : SC_MAXIMIZE);
        m_btnMaximize.SetTooltip(bMaximized ? L"Restore down" : L"Maximize");
    }
    if (bMaximized == m_bMaximized)
        return;
    m_bMaximized = bMaximized;
    Invalidate(TRUE);
}

BOOL CSkinCaptionBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if ((GetPaneStyle() & 0xFF00) == (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM))
        SetPaneStyle(GetPaneStyle() & ~(CBRS_BORDER_ANY | CBRS_BORDER_3D));
    return CWnd::PreCreateWindow(cs);
}

CSize CSkinCaptionBar::CalcFixedLayout(BOOL, BOOL)
{
    int nHeight = m_nCaptionHeight;
    CClientDC dc(nullptr);
    TEXTMETRICW tm = {};
    CFont* pOldFont = m_fontCaption.GetSafeHandle() != nullptr ? dc.SelectObject(&m_fontCaption) : nullptr;
    if (dc.GetTextMetrics(&tm))
        nHeight = std::max<int>(nHeight, static_cast<int>(tm.tmHeight));
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    nHeight = std::max<int>(nHeight, static_cast<int>(m_sizeIcon.cy));
    return CSize(32767, nHeight);
}

void CSkinCaptionBar::OnSize(UINT nType, int cx, int cy)
{
    CPane::OnSize(nType, cx, cy);
    if (m_btnClose.GetSafeHwnd() == nullptr || m_btnMaximize.GetSafeHwnd() == nullptr ||
        m_btnMinimize.GetSafeHwnd() == nullptr)
        return;
    CRect r;
    m_btnClose.GetWindowRect(&r);
    r.MoveToXY(0, 0);
    CSize size(0, 0);
    if (CSkinVisualManager* pManager = SkinManager())
        size = pManager->GetCaptionButtonSize();
    if (size == CSize(0, 0))
        size = r.Size();
    if (size.cy > cy)
    {
        r = CRect(0, 0, size.cy, size.cy);
        r.DeflateRect(1, 1);
    }
    else
    {
        r.right = size.cx;
        r.top = (cy - size.cy) / 2;
        r.bottom = r.top + size.cy;
    }
    r.OffsetRect(cx - r.Width(), 0);
    const UINT nFlags = SWP_NOZORDER | SWP_NOOWNERZORDER;
    m_btnClose.SetWindowPos(nullptr, r.left, r.top, r.Width(), r.Height(), nFlags);
    r.OffsetRect(-(r.Width() + 1), 0);
    m_btnMaximize.SetWindowPos(nullptr, r.left, r.top, r.Width(), r.Height(), nFlags);
    r.OffsetRect(-(r.Width() + 1), 0);
    m_btnMinimize.SetWindowPos(nullptr, r.left, r.top, r.Width(), r.Height(), nFlags);
}

void CSkinCaptionBar::DoPaint(CDC* pDC)
{
    CRect rectClip;
    pDC->GetClipBox(&rectClip);
    CRect rectClient;
    GetClientRect(&rectClient);
    CMemDC memDC(pDC, this);
    CDC& dc = memDC.GetDC();

    if (CMFCVisualManager* pManager = CMFCVisualManager::GetInstance())
        pManager->OnFillBarBackground(&dc, this, rectClient, rectClip, FALSE);

    CFont* pOldFont = m_fontCaption.GetSafeHandle() != nullptr ? dc.SelectObject(&m_fontCaption) : nullptr;
    const int nOldBkMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF clrOldText = dc.SetTextColor(GetCaptionTextColor());
    const COLORREF clrOldBk = dc.SetBkColor(afxGlobalData.clrBtnFace);

    if (m_hIcon != nullptr && m_sizeIcon != CSize(0, 0))
    {
        const int nColumn = m_nSysCaptionHeight;
        const int x = std::max(0, static_cast<int>((nColumn - m_sizeIcon.cx) / 2));
        const int y = std::max(0, static_cast<int>((rectClient.Height() - m_sizeIcon.cy) / 2));
        ::DrawIconEx(dc.GetSafeHdc(), x, y, m_hIcon, m_sizeIcon.cx, m_sizeIcon.cy, 0, nullptr, DI_NORMAL);
        rectClient.left += m_nSysCaptionHeight;
        if (m_btnMinimize.GetSafeHwnd() != nullptr)
        {
            CRect rectMin;
            m_btnMinimize.GetWindowRect(&rectMin);
            ScreenToClient(&rectMin);
            rectClient.right = rectMin.left - 1;
        }
    }
    if (!m_strCaption.IsEmpty())
        dc.DrawText(m_strCaption, &rectClient, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);

    dc.SetTextColor(clrOldText);
    dc.SetBkColor(clrOldBk);
    dc.SetBkMode(nOldBkMode);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
}

LRESULT CSkinCaptionBar::OnSetText(WPARAM, LPARAM lParam)
{
    m_strCaption = lParam != 0 ? reinterpret_cast<const wchar_t*>(lParam) : L"";
    Invalidate(TRUE);
    return TRUE;
}

int CSkinCaptionBar::HitTest(CPoint ptScreen)
{
    CPoint pt = ptScreen;
    ScreenToClient(&pt);
    CRect rectClient;
    GetClientRect(&rectClient);
    if (!rectClient.PtInRect(pt))
        return HTNOWHERE;
    int nCode = HTCAPTION;
    if (m_hIcon != nullptr && m_sizeIcon != CSize(0, 0) &&
        CRect(0, 0, m_nSysCaptionHeight, GetCaptionHeight()).PtInRect(pt))
        nCode = HTSYSMENU;
    if (nCode != HTCAPTION)
        return nCode;

    HWND hCapture = ::GetCapture();
    for (CSkinCaptionBarButton* pButton : {&m_btnClose, &m_btnMaximize, &m_btnMinimize})
    {
        if (pButton->GetSafeHwnd() == nullptr || !pButton->IsWindowVisible())
            continue;
        CRect rectButton;
        pButton->GetWindowRect(&rectButton);
        if (!rectButton.PtInRect(ptScreen) && hCapture != pButton->GetSafeHwnd())
            continue;
        switch (pButton->GetCommandId())
        {
        case SC_MINIMIZE:
            return HTMINBUTTON;
        case SC_MAXIMIZE:
        case SC_RESTORE:
            return HTMAXBUTTON;
        case SC_CLOSE:
            return HTCLOSE;
        case SC_CONTEXTHELP:
            return HTHELP;
        default:
            return HTCAPTION;
        }
    }
    return nCode;
}

BOOL CSkinCaptionBar::PreTranslateMessage(MSG* pMsg)
{
    if (!CPane::PreTranslateMessage(pMsg))
        return FALSE;
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return TRUE;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    const int nCode = HitTest(ptCursor);
    if (nCode != HTCAPTION && nCode != HTSYSMENU)
        return TRUE;
    UINT nMessage = 0;
    switch (pMsg->message)
    {
    case WM_LBUTTONDOWN:
        nMessage = WM_NCLBUTTONDOWN;
        break;
    case WM_LBUTTONUP:
        nMessage = WM_NCLBUTTONUP;
        break;
    case WM_LBUTTONDBLCLK:
        nMessage = WM_NCLBUTTONDBLCLK;
        break;
    default:
        return TRUE;
    }
    if (nMessage == WM_NCLBUTTONDOWN && nCode == HTSYSMENU)
    {
        CRect rectWindow;
        GetWindowRect(&rectWindow);
        ShowSysMenu(CPoint(rectWindow.left, rectWindow.bottom));
        return TRUE;
    }
    pParent->SendMessage(nMessage, static_cast<WPARAM>(nCode), MAKELPARAM(ptCursor.x, ptCursor.y));
    return TRUE;
}

void CSkinCaptionBar::ShowSysMenu(CPoint ptScreen)
{
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return;
    CMenu* pMenu = pParent->GetSystemMenu(FALSE);
    if (pMenu == nullptr || pMenu->GetSafeHmenu() == nullptr)
        return;
    pMenu->SetDefaultItem(SC_CLOSE);
    const UINT nOff = MF_GRAYED | MF_DISABLED;
    if (m_bMaximized)
    {
        pMenu->EnableMenuItem(SC_SIZE, nOff);
        pMenu->EnableMenuItem(SC_MOVE, nOff);
        pMenu->EnableMenuItem(SC_MAXIMIZE, nOff);
        pMenu->EnableMenuItem(SC_RESTORE, MF_ENABLED);
    }
    else
    {
        pMenu->EnableMenuItem(SC_RESTORE, nOff);
        pMenu->EnableMenuItem(SC_SIZE, MF_ENABLED);
        pMenu->EnableMenuItem(SC_MOVE, MF_ENABLED);
        pMenu->EnableMenuItem(SC_MAXIMIZE, MF_ENABLED);
    }
    CWinAppEx* pApp = DYNAMIC_DOWNCAST(CWinAppEx, AfxGetApp());
    if (pApp != nullptr)
        pApp->GetContextMenuManager()->ShowPopupMenu(pMenu->GetSafeHmenu(), ptScreen.x, ptScreen.y, this,
                                                     TRUE, TRUE, FALSE);
}

void CSkinCaptionBar::OnContextMenu(CWnd*, CPoint point)
{
    const int nCode = HitTest(point);
    if (nCode == HTCAPTION || nCode == HTSYSMENU)
        ShowSysMenu(point);
}

BOOL CSkinCaptionBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nId = LOWORD(wParam);
    if (nId >= SC_SIZE && nId <= SC_CONTEXTHELP)
    {
        OnSysCommand(nId, 0);
        return TRUE;
    }
    return CPane::OnCommand(wParam, lParam);
}

void CSkinCaptionBar::OnSysCommand(UINT nID, LPARAM lParam)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->PostMessage(WM_SYSCOMMAND, nID, lParam);
}
