// The pane layout of a frame: docked panes top to bottom in docking order over the whole width,
// left-docked panes beside the rest, the view in what remains; hidden panes take no room; a pane
// refreshes its items from the frame when the loop goes idle.
#include <gtest/gtest.h>

#include "framework/bars/BasePane.h"
#include "framework/window/CmdUI.h"
#include "framework/bars/FrameWndEx.h"
#include "framework/window/WinThread.h"
#include "framework/window/WndMessageMap.h"

namespace
{
// A pane of fixed thickness.
class CTestPane : public CPane
{
public:
    CSize size;
    int updates = 0;
    BOOL lastDisableIfNoHandler = FALSE;
    BOOL Make(CWnd* pParent, UINT nID, DWORD alignment, CSize fixed)
    {
        size = fixed;
        SetPaneAlignment(alignment);
        return Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pParent, nID);
    }
    CSize CalcFixedLayout(BOOL, BOOL) override { return size; }
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override
    {
        ++updates;
        lastDisableIfNoHandler = bDisableIfNoHndler;
        CCmdUI item;
        item.m_nID = 32881;
        item.m_pOther = this;
        item.DoUpdate(pTarget, bDisableIfNoHndler);
    }
};

// A frame without document: its view is a plain child with the view's id.
class CLayoutFrame : public CFrameWndEx
{
public:
    BOOL running = FALSE;
    void OnStop() {}
    void OnUpdateStop(CCmdUI* pCmdUI) { pCmdUI->Enable(running); }
    void PostNcDestroy() override {} // owned by the test
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLayoutFrame, CFrameWndEx)
ON_COMMAND(32881, OnStop)
ON_UPDATE_COMMAND_UI(32881, OnUpdateStop)
END_MESSAGE_MAP()

CRect ClientRectOf(CWnd& frame, CWnd& child)
{
    CRect rect;
    child.GetWindowRect(&rect);
    frame.ScreenToClient(&rect);
    return rect;
}
} // namespace

TEST(FrameLayoutTest, PanesStackInDockingOrderAndTheViewTakesTheRest)
{
    CLayoutFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, L"layout", WS_POPUP, CRect(0, 0, 753, 570)));
    frame.ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    CWnd view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 1, 1), &frame, AFX_IDW_PANE_FIRST));

    CTestPane caption, menu, tools, tasks, category, status;
    ASSERT_TRUE(caption.Make(&frame, 128, CBRS_ALIGN_TOP, CSize(32767, 20)));
    ASSERT_TRUE(menu.Make(&frame, AFX_IDW_MENUBAR, CBRS_ALIGN_TOP, CSize(500, 19)));
    ASSERT_TRUE(tools.Make(&frame, AFX_IDW_TOOLBAR, CBRS_ALIGN_TOP, CSize(300, 40)));
    ASSERT_TRUE(tasks.Make(&frame, 129, CBRS_ALIGN_LEFT, CSize(150, 300)));
    ASSERT_TRUE(category.Make(&frame, 0xE803, CBRS_ALIGN_TOP, CSize(400, 30)));
    ASSERT_TRUE(status.Make(&frame, 0xE801, CBRS_ALIGN_BOTTOM, CSize(400, 22)));
    frame.EnableDocking(CBRS_ALIGN_ANY);
    frame.AddPane(&caption);
    frame.DockPane(&menu);
    menu.ShowPane(FALSE, FALSE, FALSE); // the hidden menu bar takes no room
    frame.DockPane(&tools);
    frame.DockPane(&category);
    frame.DockPane(&tasks); // docked before its top neighbours' turn is over: still only at the side
    frame.DockPane(&status);

    CRect client;
    frame.GetClientRect(&client);
    const int width = client.Width();
    EXPECT_EQ(CRect(0, 0, width, 20), ClientRectOf(frame, caption));
    EXPECT_EQ(CRect(0, 20, width, 60), ClientRectOf(frame, tools));
    EXPECT_EQ(CRect(0, 60, width, 90), ClientRectOf(frame, category));
    EXPECT_EQ(CRect(0, client.bottom - 22, width, client.bottom), ClientRectOf(frame, status));
    EXPECT_EQ(CRect(0, 90, 150, client.bottom - 22), ClientRectOf(frame, tasks));
    EXPECT_EQ(CRect(150, 90, width, client.bottom - 22), ClientRectOf(frame, view));

    // Showing the menu bar again puts it back in its docking place.
    menu.ShowPane(TRUE, FALSE, FALSE);
    EXPECT_EQ(CRect(0, 20, width, 39), ClientRectOf(frame, menu));
    EXPECT_EQ(CRect(0, 39, width, 79), ClientRectOf(frame, tools));
    EXPECT_EQ(CRect(150, 109, width, client.bottom - 22), ClientRectOf(frame, view));

    frame.DestroyWindow();
}

TEST(FrameLayoutTest, PanesRefreshTheirItemsFromTheFrameWhenIdle)
{
    CLayoutFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, L"idle", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200)));
    CTestPane tools;
    ASSERT_TRUE(tools.Make(&frame, AFX_IDW_TOOLBAR, CBRS_ALIGN_TOP, CSize(300, 30)));
    frame.DockPane(&tools);

    CWinThread thread;
    thread.m_pMainWnd = &frame;
    thread.OnIdle(0);
    EXPECT_EQ(1, tools.updates);
    EXPECT_TRUE(tools.lastDisableIfNoHandler);
    EXPECT_FALSE(tools.IsWindowEnabled()); // "Stop" is disabled while not running
    frame.running = TRUE;
    thread.OnIdle(0);
    EXPECT_TRUE(tools.IsWindowEnabled());

    tools.ShowPane(FALSE, FALSE, FALSE); // hidden panes are not refreshed
    thread.OnIdle(0);
    EXPECT_EQ(2, tools.updates);
    thread.m_pMainWnd = nullptr;
    frame.DestroyWindow();
}

TEST(FrameLayoutTest, APaneDestroyedBeforeItsFrameLeavesTheLayout)
{
    CLayoutFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, L"gone", WS_POPUP, CRect(0, 0, 300, 200)));
    {
        CTestPane shortLived;
        ASSERT_TRUE(shortLived.Make(&frame, 1, CBRS_ALIGN_TOP, CSize(300, 30)));
        frame.DockPane(&shortLived);
        EXPECT_EQ(1u, frame.GetPanes().size());
    }
    EXPECT_TRUE(frame.GetPanes().empty());
    frame.RecalcLayout(); // no dangling pane is touched
    frame.DestroyWindow();
}
