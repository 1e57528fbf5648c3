// CBasePane and CPane: the panes a CFrameWndEx lays out around its view (tool bars, menu bar,
// caption bar, tasks pane). A pane has its own style word (alignment, borders, gripper), a size for
// the layout (CalcFixedLayout) and refreshes its items when the message loop goes idle.
#pragma once

#include "framework/window/Wnd.h"

class CFrameWndEx;

// Pane style bits (the pane's own style word, not the window's).
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ALL 0x0040FFFFL
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)

// Control-bar behaviour flags of a pane.
#define AFX_CBRS_FLOAT 0x1
#define AFX_CBRS_AUTOHIDE 0x2
#define AFX_CBRS_RESIZE 0x4
#define AFX_CBRS_CLOSE 0x8
#define AFX_DEFAULT_PANE_STYLE (AFX_CBRS_FLOAT | AFX_CBRS_CLOSE | AFX_CBRS_RESIZE | AFX_CBRS_AUTOHIDE)

class CBasePane : public CWnd
{
    DECLARE_DYNAMIC(CBasePane)
public:
    CBasePane() = default;
    ~CBasePane() override;

    virtual DWORD GetPaneStyle() const { return m_dwStyle; }
    virtual void SetPaneStyle(DWORD dwNewStyle) { m_dwStyle = dwNewStyle; }
    virtual void SetPaneAlignment(DWORD dwAlignment);
    virtual DWORD GetCurrentAlignment() const { return m_dwStyle & CBRS_ALIGN_ANY; }
    DWORD GetControlBarStyle() const { return m_dwControlBarStyle; }
    void SetControlBarStyle(DWORD dwNewStyle) { m_dwControlBarStyle = dwNewStyle; }
    virtual void EnableDocking(DWORD dwAlignment) { m_dwEnabledAlignment = dwAlignment & CBRS_ALIGN_ANY; }
    DWORD GetEnabledAlignment() const { return m_dwEnabledAlignment; }

    // The pane's size in the frame's layout; the base keeps the window's current size.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // Shows or hides the pane; the frame's layout follows at once unless bDelay.
    virtual void ShowPane(BOOL bShow, BOOL bDelay, BOOL bActivate);
    virtual BOOL IsVisible() const;
    virtual BOOL IsFloating() const { return FALSE; }
    virtual BOOL IsDialogControl() const { return FALSE; }
    // Refreshes the pane's items from pTarget's update handlers (called when the loop goes idle).
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    // Mouse input addressed to the pane or its buttons is dispatched here and reported consumed.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    CFrameWndEx* GetDockSiteFrameWnd() const { return m_pDockSite; }

    // Paints the pane on WM_PAINT; the base fills the background through the visual manager, derived
    // panes draw their content over it.
    virtual void DoPaint(CDC* pDC);

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

private:
    friend class CFrameWndEx;
    DWORD m_dwStyle = 0;
    DWORD m_dwControlBarStyle = AFX_DEFAULT_PANE_STYLE;
    DWORD m_dwEnabledAlignment = 0;
    CFrameWndEx* m_pDockSite = nullptr; // the frame whose layout holds this pane

    DECLARE_MESSAGE_MAP()
};

class CPane : public CBasePane
{
    DECLARE_DYNAMIC(CPane)
public:
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    CRect GetBorders() const
    {
        return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
    }

protected:
    int m_cxLeftBorder = 0;
    int m_cyTopBorder = 0;
    int m_cxRightBorder = 0;
    int m_cyBottomBorder = 0;
};
