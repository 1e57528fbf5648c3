// Menus: the tray menu registered with the context-menu manager from the program's resources, shown
// with its items' states asked from the owner's update handlers and its command reaching the owner
// (chosen through the pop-up hook); a real pop-up that is dismissed; menu ownership.
#include <gtest/gtest.h>

#include "framework/controls/ContextMenuManager.h"
#include "framework/controls/Menu.h"
#include "framework/window/CmdUI.h"
#include "res/resource.h"
#include "tests/controls/ControlTestSupport.h"

namespace
{
// An owner with the tray's commands: Play disabled, Stop checked by their update handlers.
class MenuOwner : public HostWnd
{
public:
    UINT m_nLastCommand = 0;
    void OnExit() { m_nLastCommand = ID_TRAY_EXIT; }
    void OnShow() { m_nLastCommand = ID_TRAY_SHOW_WINDOW; }
    void OnPlay() { m_nLastCommand = ID_TRAY_PLAY; }
    void OnUpdatePlay(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateStop(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuOwner, HostWnd)
ON_COMMAND(ID_TRAY_EXIT, OnExit)
ON_COMMAND(ID_TRAY_SHOW_WINDOW, OnShow)
ON_COMMAND(ID_TRAY_PLAY, OnPlay)
ON_UPDATE_COMMAND_UI(ID_TRAY_PLAY, OnUpdatePlay)
ON_UPDATE_COMMAND_UI(ID_TRAY_STOP, OnUpdateStop)
END_MESSAGE_MAP()

struct Shown
{
    int nCalls = 0;
    UINT nFlags = 0;
    int x = 0, y = 0;
    HWND hOwner = nullptr;
    UINT nPlayState = 0, nStopState = 0, nExitState = 0;
    UINT nAnswer = 0;
};
Shown g_shown;

UINT ChooseFromMenu(HMENU hMenu, UINT nFlags, int x, int y, HWND hOwner)
{
    ++g_shown.nCalls;
    g_shown.nFlags = nFlags;
    g_shown.x = x;
    g_shown.y = y;
    g_shown.hOwner = hOwner;
    g_shown.nPlayState = ::GetMenuState(hMenu, ID_TRAY_PLAY, MF_BYCOMMAND);
    g_shown.nStopState = ::GetMenuState(hMenu, ID_TRAY_STOP, MF_BYCOMMAND);
    g_shown.nExitState = ::GetMenuState(hMenu, ID_TRAY_EXIT, MF_BYCOMMAND);
    return g_shown.nAnswer;
}
} // namespace

TEST(ContextMenu, TrayMenuCommandReachesItsOwnerWithItemStatesUpdated)
{
    CContextMenuManager manager;
    ASSERT_TRUE(manager.AddMenu(L"Tray Popup Menu", IDR_TRAY_MENU));
    EXPECT_FALSE(manager.AddMenu(L"Tray Popup Menu", IDR_TRAY_MENU)); // the name is taken
    EXPECT_FALSE(manager.AddMenu(L"Missing", 4242));
    HMENU hBar = manager.GetMenuById(IDR_TRAY_MENU);
    ASSERT_NE(nullptr, hBar);
    EXPECT_EQ(hBar, manager.GetMenuByName(L"Tray Popup Menu"));
    EXPECT_EQ(nullptr, manager.GetMenuById(128));
    CMenu* pPopup = CMenu::FromHandle(hBar)->GetSubMenu(0);
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(6u, pPopup->GetMenuItemCount());
    EXPECT_EQ(static_cast<UINT>(ID_TRAY_SHOW_WINDOW), pPopup->GetMenuItemID(0));

    MenuOwner owner;
    const AfxTrackPopupMenuHook previous = AfxSetTrackPopupMenuHook(&ChooseFromMenu);
    g_shown = Shown();
    g_shown.nAnswer = ID_TRAY_EXIT;
    EXPECT_EQ(nullptr, manager.ShowPopupMenu(pPopup->GetSafeHmenu(), 300, 200, &owner, TRUE, TRUE, FALSE));
    EXPECT_EQ(1, g_shown.nCalls);
    EXPECT_EQ(owner.GetSafeHwnd(), g_shown.hOwner);
    EXPECT_EQ(300, g_shown.x);
    EXPECT_EQ(200, g_shown.y);
    EXPECT_EQ(0u, g_shown.nFlags & TPM_RIGHTALIGN);
    EXPECT_NE(0u, g_shown.nPlayState & MF_GRAYED);  // its update handler disabled it
    EXPECT_NE(0u, g_shown.nStopState & MF_CHECKED); // and checked this one
    EXPECT_EQ(0u, g_shown.nStopState & MF_GRAYED);  // its handler only checked it
    EXPECT_EQ(0u, g_shown.nExitState & MF_GRAYED);  // no update handler, but a command one

    // The command waits in the owner's queue, as from a real menu.
    EXPECT_EQ(0u, owner.m_nLastCommand);
    PumpPending();
    EXPECT_EQ(static_cast<UINT>(ID_TRAY_EXIT), owner.m_nLastCommand);

    // Dismissed: nothing arrives. Right-aligned menus say so.
    owner.m_nLastCommand = 0;
    g_shown.nAnswer = 0;
    manager.ShowPopupMenu(pPopup->GetSafeHmenu(), 10, 10, &owner, TRUE, TRUE, TRUE);
    EXPECT_NE(0u, g_shown.nFlags & TPM_RIGHTALIGN);
    PumpPending();
    EXPECT_EQ(0u, owner.m_nLastCommand);

    // The manager's menu survives being shown.
    EXPECT_TRUE(::IsMenu(hBar));
    AfxSetTrackPopupMenuHook(previous);
}

namespace
{
void CALLBACK DismissMenu(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(nullptr, nID);
    ::EndMenu();
}
} // namespace

TEST(ContextMenu, RealPopupReturnsWhenDismissed)
{
    MenuOwner owner;
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_FALSE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, ID_TRAY_SHOW_WINDOW, L"Show Window"));
    ASSERT_TRUE(menu.AppendMenu(MF_SEPARATOR));
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, ID_TRAY_EXIT, L"Exit"));
    EXPECT_EQ(3u, menu.GetMenuItemCount());

    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 200, &DismissMenu);
    CContextMenuManager manager;
    EXPECT_EQ(0u, manager.TrackPopupMenu(menu, 100, 100, &owner));
    ::KillTimer(nullptr, nTimer);
    PumpPending();
    EXPECT_EQ(0u, owner.m_nLastCommand);
}

TEST(Menu, OwnershipAndTemporaryWrappers)
{
    HMENU hMenu = nullptr;
    {
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_TRAY_MENU));
        hMenu = menu.GetSafeHmenu();
        CMenu* pSub = menu.GetSubMenu(0);
        ASSERT_NE(nullptr, pSub);
        CString text;
        pSub->GetMenuString(ID_TRAY_EXIT, text, MF_BYCOMMAND);
        EXPECT_EQ(CString(L"Exit"), text);
        EXPECT_TRUE(pSub->SetDefaultItem(ID_TRAY_SHOW_WINDOW));
        EXPECT_EQ(static_cast<UINT>(ID_TRAY_SHOW_WINDOW),
                  ::GetMenuDefaultItem(pSub->GetSafeHmenu(), FALSE, 0));
        pSub->EnableMenuItem(ID_TRAY_PLAY, MF_BYCOMMAND | MF_GRAYED | MF_DISABLED);
        EXPECT_NE(0u, pSub->GetMenuState(ID_TRAY_PLAY, MF_BYCOMMAND) & MF_GRAYED);
        AfxDeleteTempMaps(); // the sub-menu's wrapper goes, the menu stays
        EXPECT_TRUE(::IsMenu(hMenu));
    }
    EXPECT_FALSE(::IsMenu(hMenu)); // the loaded menu went with its object

    CMenu kept;
    ASSERT_TRUE(kept.LoadMenu(IDR_TRAY_MENU));
    hMenu = kept.Detach();
    EXPECT_FALSE(kept.DestroyMenu());
    EXPECT_TRUE(::IsMenu(hMenu));
    ::DestroyMenu(hMenu);
}
