// CMFCMenuBar: the frame's menu as menu buttons.
#include "framework/bars/MenuBar.h"
#include "framework/bars/ToolBarMenuButton.h"
#include "framework/controls/ContextMenuManager.h"
#include "framework/controls/Menu.h"
#include "framework/docview/FrameWnd.h"
#include "framework/window/WndMessageMap.h"

IMPLEMENT_DYNCREATE(CMFCMenuBar, CMFCToolBar)

BEGIN_MESSAGE_MAP(CMFCMenuBar, CMFCToolBar)
ON_WM_CREATE()
END_MESSAGE_MAP()

BOOL CMFCMenuBar::m_bMenuShadows = TRUE;

CMFCMenuBar::CMFCMenuBar() = default;
CMFCMenuBar::~CMFCMenuBar() = default;

BOOL CMFCMenuBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, TBSTYLE_FLAT, dwStyle, CRect(1, 1, 1, 1), nID);
}

BOOL CMFCMenuBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    return CMFCToolBar::CreateEx(pParentWnd, dwCtrlStyle, dwStyle, rcBorders, nID);
}

int CMFCMenuBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMFCToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    // The frame's menu: the one its window shows, else the one loaded with its resources. The window
    // gives it up, so the frame has no second menu bar of the system's.
    HWND hWndFrame = ::GetParent(m_hWnd);
    HMENU hMenu = hWndFrame != nullptr ? ::GetMenu(hWndFrame) : nullptr;
    auto* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(hWndFrame));
    if (hMenu == nullptr && pFrame != nullptr)
        hMenu = pFrame->m_hMenuDefault;
    CreateFromMenu(hMenu);
    if (hWndFrame != nullptr && ::GetMenu(hWndFrame) != nullptr)
        ::SetMenu(hWndFrame, nullptr); // the frame keeps (and later destroys) its menu handle
    return 0;
}

void CMFCMenuBar::CreateFromMenu(HMENU hMenu)
{
    RemoveAllButtons();
    const int count = hMenu != nullptr ? ::GetMenuItemCount(hMenu) : 0;
    for (int i = 0; i < count; ++i)
    {
        wchar_t text[256] = {};
        ::GetMenuStringW(hMenu, static_cast<UINT>(i), text,
                         static_cast<int>(sizeof(text) / sizeof(text[0]) - 1), MF_BYPOSITION);
        HMENU hSubMenu = ::GetSubMenu(hMenu, i);
        const UINT nID = hSubMenu != nullptr ? 0 : ::GetMenuItemID(hMenu, i);
        CMFCToolBarMenuButton button(nID, hSubMenu, -1, text);
        InsertButton(button);
    }
    AdjustLayout();
}

void CMFCMenuBar::OnClickButton(int iButton)
{
    auto* pButton = DYNAMIC_DOWNCAST(CMFCToolBarMenuButton, GetButton(iButton));
    if (pButton == nullptr)
        return;
    HMENU hMenu = pButton->CreateMenu();
    if (hMenu == nullptr)
    {
        CMFCToolBar::OnClickButton(iButton); // a plain command item
        return;
    }
    CRect rect = pButton->Rect();
    ClientToScreen(&rect);
    HWND hWndFrame = ::GetParent(m_hWnd);
    // Through the application's menu manager when there is one (its items then take their states from
    // the frame's update handlers); through CMenu otherwise. Either way tests can answer the menu.
    CWnd* pFrame = CWnd::FromHandlePermanent(hWndFrame);
    UINT nCmd = 0;
    if (afxContextMenuManager != nullptr && pFrame != nullptr)
        nCmd = afxContextMenuManager->TrackPopupMenu(hMenu, rect.left, rect.bottom, pFrame, FALSE);
    else
    {
        CMenu menu;
        menu.Attach(hMenu);
        nCmd = static_cast<UINT>(
            menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, rect.left, rect.bottom, this));
        menu.Detach();
    }
    ::DestroyMenu(hMenu);
    if (nCmd != 0 && hWndFrame != nullptr)
        ::PostMessageW(hWndFrame, WM_COMMAND, MAKEWPARAM(nCmd, 0), 0);
}
