// CFrameWndEx: the pane layout and the application's stored window placement.
#include "framework/bars/FrameWndEx.h"
#include "framework/bars/WinAppEx.h"
#include "framework/window/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CFrameWndEx, CFrameWnd)

BEGIN_MESSAGE_MAP(CFrameWndEx, CFrameWnd)
ON_WM_CLOSE()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

namespace
{
// The application object when it keeps the framework's state and pFrame is (or becomes) its main window.
CWinAppEx* StateKeeper(CFrameWnd* pFrame)
{
    auto* pApp = dynamic_cast<CWinAppEx*>(AfxGetApp());
    if (pApp == nullptr || (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd != pFrame))
        return nullptr;
    return pApp;
}
} // namespace

CFrameWndEx::~CFrameWndEx()
{
    for (CBasePane* pPane : m_panes)
        pPane->m_pDockSite = nullptr;
}

BOOL CFrameWndEx::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                            CCreateContext* pContext)
{
    m_bCreatingFrame = TRUE;
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE; // the frame has deleted itself
    m_bCreatingFrame = FALSE;
    if (m_bLayoutPending)
        RecalcLayout();
    BOOL bPlaced = FALSE;
    if (CWinAppEx* pApp = StateKeeper(this))
    {
        pApp->LoadState(this);
        CRect rect;
        int nFlags = 0;
        int nShowCmd = SW_SHOWNORMAL;
        // A stored place on a monitor that is gone is not restored: the window would be out of reach.
        if (pApp->IsLoadWindowPlacementEnabled() && pApp->LoadWindowPlacement(rect, nFlags, nShowCmd) &&
            !rect.IsRectEmpty() && ::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr)
            bPlaced = SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!bPlaced)
    {
        // The default size was chosen before the frame's bars existed: sizing again lets the frame's
        // own tracking limits (WM_GETMINMAXINFO) apply to its first size too.
        CRect rect;
        GetWindowRect(&rect);
        SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

void CFrameWndEx::DockPane(CBasePane* pBar, UINT, LPCRECT)
{
    if (pBar == nullptr)
        return;
    if (pBar->GetCurrentAlignment() == 0)
        pBar->SetPaneAlignment(CBRS_ALIGN_TOP);
    AddPane(pBar, TRUE);
}

BOOL CFrameWndEx::AddPane(CBasePane* pControlBar, BOOL bTail)
{
    if (pControlBar == nullptr)
        return FALSE;
    if (std::find(m_panes.begin(), m_panes.end(), pControlBar) == m_panes.end())
    {
        if (bTail)
            m_panes.push_back(pControlBar);
        else
            m_panes.insert(m_panes.begin(), pControlBar);
    }
    pControlBar->m_pDockSite = this;
    if (m_hWnd != nullptr && m_bCreatingFrame)
        m_bLayoutPending = TRUE;
    else if (m_hWnd != nullptr)
        RecalcLayout();
    return TRUE;
}

void CFrameWndEx::RemovePaneFromDockManager(CBasePane* pBar)
{
    m_panes.erase(std::remove(m_panes.begin(), m_panes.end(), pBar), m_panes.end());
}

void CFrameWndEx::RecalcLayout(BOOL)
{
    if (m_hWnd == nullptr || IsIconic())
        return;
    m_bLayoutPending = FALSE;
    CRect rest;
    GetClientRect(&rest);

    // Top and bottom panes take the whole width, in docking order.
    for (CBasePane* pPane : m_panes)
    {
        if (pPane->m_hWnd == nullptr || !pPane->IsVisible() || pPane->IsFloating())
            continue;
        const DWORD align = pPane->GetCurrentAlignment();
        if ((align & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) == 0)
            continue;
        const int cy = std::max(0L, std::min<LONG>(pPane->CalcFixedLayout(FALSE, TRUE).cy, rest.Height()));
        const int y = (align & CBRS_ALIGN_TOP) ? rest.top : rest.bottom - cy;
        pPane->SetWindowPos(nullptr, rest.left, y, rest.Width(), cy, SWP_NOZORDER | SWP_NOACTIVATE);
        if (align & CBRS_ALIGN_TOP)
            rest.top += cy;
        else
            rest.bottom -= cy;
    }
    // Side panes share the height that is left.
    for (CBasePane* pPane : m_panes)
    {
        if (pPane->m_hWnd == nullptr || !pPane->IsVisible() || pPane->IsFloating())
            continue;
        const DWORD align = pPane->GetCurrentAlignment();
        if ((align & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0 ||
            (align & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) == 0)
            continue;
        const int cx = std::max(0L, std::min<LONG>(pPane->CalcFixedLayout(FALSE, FALSE).cx, rest.Width()));
        const int x = (align & CBRS_ALIGN_LEFT) ? rest.left : rest.right - cx;
        pPane->SetWindowPos(nullptr, x, rest.top, cx, rest.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        if (align & CBRS_ALIGN_LEFT)
            rest.left += cx;
        else
            rest.right -= cx;
    }
    if (CWnd* pView = GetViewWindow())
        pView->MoveWindow(&rest);
}

void CFrameWndEx::OnClose()
{
    if (CWinAppEx* pApp = StateKeeper(this))
        pApp->SaveState(this);
    CFrameWnd::OnClose();
}
