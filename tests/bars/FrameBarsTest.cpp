// Bars in a frame as the main frame builds them: a hidden menu bar holding the frame's menu, the tool
// bar and a row of text tabs stacked at the top, the tasks pane at the left; commands and idle update
// through the frame's own route.
#include "framework/window/CmdUI.h"
#include "framework/bars/FrameWndEx.h"
#include "framework/controls/Menu.h"
#include "framework/bars/MenuBar.h"
#include "framework/bars/TasksPane.h"
#include "framework/bars/ToolBar.h"
#include "framework/bars/ToolBarMenuButton.h"
#include "res/resource.h"
#include "tests/bars/BarsTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const UINT kFirstTab = 32832;

class BarsFrame : public CFrameWndEx
{
public:
    CMFCMenuBar m_wndMenuBar;
    CMFCToolBar m_wndToolBar;
    CMFCToolBar m_wndTabs;
    CMFCTasksPane m_wndTasksPane;
    std::vector<UINT> commands;
    BOOL bRunning = TRUE;
    UINT nCurrentTab = kFirstTab;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWndEx::OnCreate(lpCreateStruct) == -1)
            return -1;
        if (!m_wndMenuBar.Create(this, AFX_DEFAULT_TOOLBAR_STYLE, AFX_IDW_MENUBAR))
            return -1;
        m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
        EnableDocking(CBRS_ALIGN_ANY);
        DockPane(&m_wndMenuBar);
        m_wndMenuBar.ShowPane(FALSE, FALSE, FALSE);

        if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, 0x5040280A, CRect(1, 1, 1, 1), AFX_IDW_TOOLBAR) ||
            !m_wndToolBar.LoadToolBar(IDR_MAINFRAME, IDB_TOOLBAR_COLD, IDB_TOOLBAR_MENU, FALSE,
                                      IDB_TOOLBAR_DISABLED, 0, IDB_TOOLBAR_HOT))
            return -1;
        DockPane(&m_wndToolBar);

        if (!m_wndTabs.CreateEx(this, TBSTYLE_FLAT, 0x5040280A, CRect(1, 1, 1, 1), 0xE803))
            return -1;
        const wchar_t* texts[] = {L"Shortcut", L"Windows Default", L"Options", L"About"};
        for (UINT i = 0; i < 4; ++i)
        {
            CMFCToolBarButton tab(kFirstTab + i, -1, texts[i]);
            tab.m_bText = TRUE;
            m_wndTabs.InsertButton(tab);
        }
        m_wndTabs.AdjustLayout();
        DockPane(&m_wndTabs);

        m_wndTasksPane.Create(L"", this, CRect(0, 0, 150, 300), FALSE, 129, 0x56001400);
        const int group = m_wndTasksPane.AddGroup(L"");
        m_wndTasksPane.AddTask(group, L"Velmo Software", -1, 1014);
        DockPane(&m_wndTasksPane);
        return 0;
    }
    void OnTab(UINT nID)
    {
        commands.push_back(nID);
        nCurrentTab = nID;
    }
    void OnUpdateTab(CCmdUI* pCmdUI) { pCmdUI->SetCheck(pCmdUI->m_nID == nCurrentTab); }
    void OnPlay() { commands.push_back(ID_TRAY_PLAY); }
    void OnUpdatePlay(CCmdUI* pCmdUI) { pCmdUI->Enable(!bRunning); }
    void OnTask() { commands.push_back(1014); }
    void OnFileOpen() { commands.push_back(ID_FILE_OPEN); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BarsFrame, CFrameWndEx)
ON_WM_CREATE()
ON_COMMAND_RANGE(32832, 32839, OnTab)
ON_UPDATE_COMMAND_UI_RANGE(32832, 32839, OnUpdateTab)
ON_COMMAND(ID_TRAY_PLAY, OnPlay)
ON_UPDATE_COMMAND_UI(ID_TRAY_PLAY, OnUpdatePlay)
ON_COMMAND(1014, OnTask)
ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
END_MESSAGE_MAP()

class FrameBarsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        pFrame = new BarsFrame; // frames delete themselves with their window
        ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
        pFrame->SetWindowPos(nullptr, 0, 0, 753, 570, SWP_NOZORDER | SWP_NOACTIVATE);
        pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        if (::IsWindow(hFrame()))
            pFrame->DestroyWindow();
        PumpPending();
    }
    HWND hFrame() const { return pFrame->GetSafeHwnd(); }
    CRect PaneRect(CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        pFrame->ScreenToClient(&rect);
        return rect;
    }
    void ClickButton(CMFCToolBar& bar, int iButton)
    {
        CRect rect;
        bar.GetItemRect(iButton, &rect);
        const LPARAM pt = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, pt);
        bar.SendMessage(WM_LBUTTONUP, 0, pt);
        PumpPending();
    }

    BarsFrame* pFrame = nullptr;
};
} // namespace

TEST_F(FrameBarsTest, TheMenuBarTakesTheFramesMenuAndStaysHidden)
{
    EXPECT_EQ(::GetMenu(hFrame()), nullptr);
    EXPECT_FALSE(pFrame->m_wndMenuBar.IsVisible());
    ASSERT_EQ(pFrame->m_wndMenuBar.GetCount(), 2);
    auto* pFile = DYNAMIC_DOWNCAST(CMFCToolBarMenuButton, pFrame->m_wndMenuBar.GetButton(0));
    ASSERT_NE(pFile, nullptr);
    EXPECT_EQ(pFile->m_strText, CString(L"&File"));
    EXPECT_FALSE(pFile->IsDroppedDown());
    // Its popup keeps every item: Open, separator, Print, separator, Close and the five edit commands.
    ASSERT_EQ(pFile->GetItemCount(), 10);
    EXPECT_EQ(pFile->GetItem(0).nID, static_cast<UINT>(ID_FILE_OPEN));
    EXPECT_EQ(pFile->GetItem(1).nID, 0u);
    EXPECT_EQ(pFile->GetItem(5).nID, static_cast<UINT>(ID_EDIT_COPY));
}

TEST_F(FrameBarsTest, BarsStackAtTheTopInDockingOrderAndTheTasksPaneFillsTheLeft)
{
    CRect client;
    pFrame->GetClientRect(&client);
    const CRect tools = PaneRect(pFrame->m_wndToolBar);
    const CRect tabs = PaneRect(pFrame->m_wndTabs);
    const CRect tasks = PaneRect(pFrame->m_wndTasksPane);

    // Bars find their frame, as the skin does to cut its background picture.
    EXPECT_EQ(pFrame->m_wndToolBar.GetTopLevelFrame(), pFrame);
    EXPECT_EQ(pFrame->GetTopLevelFrame(), pFrame);

    EXPECT_EQ(tools.top, 0); // the hidden menu bar takes no room
    EXPECT_EQ(tools.Width(), client.Width());
    EXPECT_EQ(tools.Height(), pFrame->m_wndToolBar.CalcFixedLayout(FALSE, TRUE).cy);
    EXPECT_EQ(tabs.top, tools.bottom);
    EXPECT_EQ(tabs.Width(), client.Width());
    EXPECT_EQ(tasks.top, tabs.bottom);
    EXPECT_EQ(tasks.left, 0);
    EXPECT_EQ(tasks.Width(), 150);
    EXPECT_EQ(tasks.bottom, client.bottom);

    // The text tabs are as wide as their labels: the longest is widest.
    CRect shortcut, windowsDefault;
    pFrame->m_wndTabs.GetItemRect(0, &shortcut);
    pFrame->m_wndTabs.GetItemRect(1, &windowsDefault);
    EXPECT_GT(windowsDefault.Width(), shortcut.Width());
}

// The layout waits while the frame creates its bars one after another: once LoadFrame returns, every
// bar docked during the creation stands in its place, with no layout asked for by the frame.
TEST(FrameWndExCreation, BarsDockedWhileTheFrameIsCreatedAreInPlaceWhenItIsLoaded)
{
    auto* pFrame = new BarsFrame; // deletes itself with its window
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    auto paneRect = [pFrame](CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        pFrame->ScreenToClient(&rect);
        return rect;
    };
    CRect client;
    pFrame->GetClientRect(&client);
    const CRect tools = paneRect(pFrame->m_wndToolBar);
    const CRect tabs = paneRect(pFrame->m_wndTabs);
    const CRect tasks = paneRect(pFrame->m_wndTasksPane);
    EXPECT_EQ(tools.top, 0);
    EXPECT_EQ(tools.Height(), pFrame->m_wndToolBar.CalcFixedLayout(FALSE, TRUE).cy);
    EXPECT_EQ(tools.Width(), client.Width());
    EXPECT_EQ(tabs.top, tools.bottom);
    EXPECT_EQ(tasks.top, tabs.bottom);
    EXPECT_EQ(tasks.bottom, client.bottom);

    // Once created, a pane added later takes its place at once.
    {
        CMFCToolBar extra;
        ASSERT_TRUE(extra.CreateEx(pFrame, TBSTYLE_FLAT, 0x5040280A, CRect(1, 1, 1, 1), 0xE804));
        CMFCToolBarButton button(ID_TRAY_PLAY, -1, L"Run");
        button.m_bText = TRUE;
        extra.InsertButton(button);
        extra.AdjustLayout();
        pFrame->DockPane(&extra);
        const CRect rectExtra = paneRect(extra);
        EXPECT_EQ(rectExtra.top, tabs.bottom);
        EXPECT_GT(rectExtra.Height(), 0);
        EXPECT_EQ(paneRect(pFrame->m_wndTasksPane).top, rectExtra.bottom);
        pFrame->RemovePaneFromDockManager(&extra);
        extra.DestroyWindow();
    }
    pFrame->DestroyWindow();
    PumpPending();
}

TEST_F(FrameBarsTest, ClicksReachTheFrameAndTheIdleUpdateSetsTheButtonStates)
{
    pFrame->m_wndTabs.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    pFrame->m_wndToolBar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_NE(pFrame->m_wndTabs.GetButton(0)->m_nStyle & TBBS_CHECKED, 0u);
    EXPECT_EQ(pFrame->m_wndTabs.GetButton(2)->m_nStyle & TBBS_CHECKED, 0u);
    EXPECT_NE(pFrame->m_wndToolBar.GetButton(0)->m_nStyle & TBBS_DISABLED, 0u); // Run while running

    ClickButton(pFrame->m_wndTabs, 2);
    ASSERT_EQ(pFrame->commands.size(), 1u);
    EXPECT_EQ(pFrame->commands[0], kFirstTab + 2);
    pFrame->m_wndTabs.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(pFrame->m_wndTabs.GetButton(0)->m_nStyle & TBBS_CHECKED, 0u);
    EXPECT_NE(pFrame->m_wndTabs.GetButton(2)->m_nStyle & TBBS_CHECKED, 0u);

    ClickButton(pFrame->m_wndToolBar, 0); // disabled: nothing
    EXPECT_EQ(pFrame->commands.size(), 1u);
    pFrame->bRunning = FALSE;
    pFrame->m_wndToolBar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    ClickButton(pFrame->m_wndToolBar, 0);
    ASSERT_EQ(pFrame->commands.size(), 2u);
    EXPECT_EQ(pFrame->commands[1], static_cast<UINT>(ID_TRAY_PLAY));

    CMFCTasksPaneTask* pTask = pFrame->m_wndTasksPane.GetTask(0, 0);
    const LPARAM pt = MAKELPARAM(pTask->m_rect.left + 2, pTask->m_rect.top + 2);
    pFrame->m_wndTasksPane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, pt);
    pFrame->m_wndTasksPane.SendMessage(WM_LBUTTONUP, 0, pt);
    PumpPending();
    ASSERT_EQ(pFrame->commands.size(), 3u);
    EXPECT_EQ(pFrame->commands[2], 1014u);
}

namespace
{
HMENU g_hShownMenu = nullptr;
UINT AnswerOpen(HMENU hMenu, UINT, int, int, HWND)
{
    g_hShownMenu = hMenu;
    return ::GetMenuItemID(hMenu, 0);
}
} // namespace

TEST_F(FrameBarsTest, AMenuBarButtonOpensItsPopupAndTheChosenCommandReachesTheFrame)
{
    pFrame->m_wndMenuBar.ShowPane(TRUE, FALSE, FALSE);
    AfxTrackPopupMenuHook previous = AfxSetTrackPopupMenuHook(&AnswerOpen);
    ClickButton(pFrame->m_wndMenuBar, 0);
    AfxSetTrackPopupMenuHook(previous);
    EXPECT_NE(g_hShownMenu, nullptr);
    ASSERT_EQ(pFrame->commands.size(), 1u);
    EXPECT_EQ(pFrame->commands[0], static_cast<UINT>(ID_FILE_OPEN));
}
