// CBasePane and CPane: the pane's style word, its size and visibility in the frame's layout, and the
// idle refresh of its items.
#include "framework/bars/BasePane.h"
#include "framework/bars/FrameWndEx.h"
#include "framework/window/WndMessageMap.h"
#include "framework/bars/VisualManager.h"
#include "framework/gdi/WindowDC.h"

IMPLEMENT_DYNAMIC(CBasePane, CWnd)
IMPLEMENT_DYNAMIC(CPane, CBasePane)

BEGIN_MESSAGE_MAP(CBasePane, CWnd)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_WM_PAINT()
END_MESSAGE_MAP()

CBasePane::~CBasePane()
{
    if (m_pDockSite != nullptr)
        m_pDockSite->RemovePaneFromDockManager(this);
}

void CBasePane::SetPaneAlignment(DWORD dwAlignment)
{
    m_dwStyle = (m_dwStyle & ~CBRS_ALIGN_ANY) | (dwAlignment & CBRS_ALIGN_ANY);
}

CSize CBasePane::CalcFixedLayout(BOOL, BOOL)
{
    if (m_hWnd == nullptr)
        return CSize(0, 0);
    CRect rect;
    GetWindowRect(&rect);
    return rect.Size();
}

void CBasePane::ShowPane(BOOL bShow, BOOL bDelay, BOOL bActivate)
{
    if (m_hWnd == nullptr)
        return;
    ShowWindow(bShow ? (bActivate ? SW_SHOW : SW_SHOWNOACTIVATE) : SW_HIDE);
    if (!bDelay && m_pDockSite != nullptr)
        m_pDockSite->RecalcLayout();
}

BOOL CBasePane::IsVisible() const
{
    // The pane's own visibility: a pane of a hidden frame still counts in the layout.
    return m_hWnd != nullptr && (GetStyle() & WS_VISIBLE) != 0;
}

void CBasePane::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

LRESULT CBasePane::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!IsVisible())
        return 0;
    CFrameWnd* pTarget = m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
    return 0;
}

BOOL CBasePane::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message < WM_MOUSEFIRST || pMsg->message > WM_MOUSELAST || m_hWnd == nullptr)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    ::DispatchMessageW(pMsg);
    return TRUE;
}

void CBasePane::OnSize(UINT, int, int)
{
    Default();
}

void CPane::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CBasePane::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

void CBasePane::DoPaint(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect rectClip;
    pDC->GetClipBox(&rectClip);
    CMFCVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rectClient, rectClip, FALSE);
}
