// CFrameWndEx: a frame with panes. Docked panes stand top to bottom in docking order over the whole
// width (bottom-docked ones from the bottom up), left- and right-docked panes at the sides of what
// remains, and the view fills the rest. Restores and saves the application's window placement.
#pragma once

#include "framework/bars/BasePane.h"
#include "framework/docview/FrameWnd.h"

#include <vector>

class CFrameWndEx : public CFrameWnd
{
    DECLARE_DYNCREATE(CFrameWndEx)
public:
    CFrameWndEx() = default;
    ~CFrameWndEx() override;

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

    // The sides on which panes may dock.
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }
    // Docks a pane at its alignment (top when it has none), after the panes docked before it.
    void DockPane(CBasePane* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    // Puts a pane into the layout without docking: at the end of the order (bTail) or at its start.
    // While LoadFrame creates the frame, the layout waits for the frame's creation to end (its bars
    // come one after another there, and each new one would move all the others again).
    BOOL AddPane(CBasePane* pControlBar, BOOL bTail = TRUE);
    void RemovePaneFromDockManager(CBasePane* pBar);
    const std::vector<CBasePane*>& GetPanes() const { return m_panes; }

    void RecalcLayout(BOOL bNotify = TRUE) override;

protected:
    void OnClose();
    // New system colours or settings: the global colours and fonts, the visual manager and the bars
    // (which see no such message of their own) follow (framework/bars/FrameWndExSystemChange.cpp).
    void OnSysColorChange();
    void OnSettingChange(UINT uFlags, const wchar_t* lpszSection);

private:
    DWORD m_dwDockStyle = 0;
    BOOL m_bCreatingFrame = FALSE;   // inside LoadFrame: AddPane leaves the layout for later
    BOOL m_bLayoutPending = FALSE;   // a pane was added since the last layout
    std::vector<CBasePane*> m_panes; // layout order; not owned

    DECLARE_MESSAGE_MAP()
};
