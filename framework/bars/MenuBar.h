// CMFCMenuBar: a tool bar whose buttons are the top-level popups of the frame's menu. It takes the
// menu over from the frame's window (the frame then shows no system menu bar); a click on a button
// opens its popup below it and the chosen command goes to the frame.
#pragma once

#include "framework/bars/ToolBar.h"

class CMFCMenuBar : public CMFCToolBar
{
    DECLARE_DYNCREATE(CMFCMenuBar)
public:
    CMFCMenuBar();
    ~CMFCMenuBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = AFX_DEFAULT_TOOLBAR_STYLE,
                UINT nID = AFX_IDW_MENUBAR) override;
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = AFX_DEFAULT_TOOLBAR_STYLE, CRect rcBorders = CRect(1, 1, 1, 1),
                  UINT nID = AFX_IDW_MENUBAR) override;

    // Replaces the buttons by the top-level items of hMenu (copied: the caller keeps the menu).
    void CreateFromMenu(HMENU hMenu);

    // Class-wide: menus cast a drop shadow.
    static void EnableMenuShadows(BOOL bEnable = TRUE) { m_bMenuShadows = bEnable; }
    static BOOL IsMenuShadows() { return m_bMenuShadows; }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClickButton(int iButton) override;

private:
    static BOOL m_bMenuShadows;

    DECLARE_MESSAGE_MAP()
};
