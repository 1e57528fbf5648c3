// CMFCToolBar: loading the program's tool bar, clicks, hot and pressed tracking, idle update.
#include "framework/bars/ToolBar.h"
#include "framework/window/CmdUI.h"
#include "res/resource.h"
#include "tests/bars/BarsTestSupport.h"

#include <gtest/gtest.h>

namespace
{
// A parent whose update handlers disable Run and check Stop.
class UpdatingSink : public CommandSink
{
public:
    BOOL bRunEnabled = FALSE;
    int nStopCheck = 1;

protected:
    void OnUpdateRun(CCmdUI* pCmdUI) { pCmdUI->Enable(bRunEnabled); }
    void OnUpdateStop(CCmdUI* pCmdUI) { pCmdUI->SetCheck(nStopCheck); }
    void OnShortcut() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(UpdatingSink, CommandSink)
ON_UPDATE_COMMAND_UI(ID_TRAY_PLAY, OnUpdateRun)
ON_UPDATE_COMMAND_UI(ID_TOOL_STOP, OnUpdateStop)
ON_COMMAND(ID_TOOL_SHORTCUT, OnShortcut)
END_MESSAGE_MAP()

class ToolBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(sink.GetSafeHwnd(), nullptr);
        ASSERT_TRUE(bar.CreateEx(&sink, TBSTYLE_FLAT, 0x5040280A, CRect(1, 1, 1, 1), AFX_IDW_TOOLBAR));
        ASSERT_TRUE(bar.LoadToolBar(IDR_MAINFRAME, IDB_TOOLBAR_COLD, IDB_TOOLBAR_MENU, FALSE,
                                    IDB_TOOLBAR_DISABLED, 0, IDB_TOOLBAR_HOT));
        const CSize size = bar.CalcFixedLayout(FALSE, TRUE);
        bar.MoveWindow(0, 0, size.cx, size.cy);
    }

    CPoint Centre(int iButton)
    {
        CRect rect;
        bar.GetItemRect(iButton, &rect);
        return rect.CenterPoint();
    }
    void Mouse(UINT message, CPoint pt)
    {
        bar.SendMessage(message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(pt.x, pt.y));
    }

    UpdatingSink sink;
    CMFCToolBar bar;
};
} // namespace

TEST_F(ToolBarTest, LoadsTheButtonsImagesAndNamesOfTheToolBarResource)
{
    ASSERT_EQ(bar.GetCount(), 6);
    const UINT ids[] = {ID_TRAY_PLAY, ID_TOOL_STOP, 0, ID_TOOL_SHORTCUT, 0, ID_TOOL_EXIT};
    const int images[] = {0, 1, -1, 2, -1, 3};
    for (int i = 0; i < 6; ++i)
    {
        CMFCToolBarButton* pButton = bar.GetButton(i);
        EXPECT_EQ(pButton->IsSeparator(), ids[i] == 0) << i;
        if (ids[i] != 0)
        {
            EXPECT_EQ(pButton->m_nID, ids[i]);
            EXPECT_EQ(pButton->GetImage(), images[i]);
        }
    }
    EXPECT_EQ(bar.GetButton(0)->m_strText, CString(L"Run"));
    EXPECT_EQ(bar.GetButton(5)->m_strText, CString(L"Exit"));
    EXPECT_EQ(CMFCToolBar::GetImageSize(), CSize(16, 16));
    EXPECT_EQ(bar.GetImages()->GetCount(), 4);
    EXPECT_EQ(bar.CommandToIndex(ID_TOOL_SHORTCUT), 3);

    // Buttons lie side by side, separators between them, all in one row.
    CRect r0, r1, r3;
    bar.GetItemRect(0, &r0);
    bar.GetItemRect(1, &r1);
    bar.GetItemRect(3, &r3);
    EXPECT_EQ(r1.left, r0.right);
    EXPECT_GT(r3.left, r1.right);
    EXPECT_EQ(r0.top, r3.top);
    EXPECT_GE(r0.Width(), 16 + 6);
}

TEST_F(ToolBarTest, MissingResourcesAreRefused)
{
    CMFCToolBar other;
    ASSERT_TRUE(other.CreateEx(&sink));
    EXPECT_FALSE(other.LoadToolBar(4242));
    EXPECT_FALSE(other.LoadToolBar(IDR_MAINFRAME, 4243)); // a requested strip that does not exist
}

TEST_F(ToolBarTest, AClickSendsTheButtonsCommandToTheParent)
{
    Mouse(WM_MOUSEMOVE, Centre(3));
    Mouse(WM_LBUTTONDOWN, Centre(3));
    Mouse(WM_LBUTTONUP, Centre(3));
    PumpPending();
    ASSERT_EQ(sink.commands.size(), 1u);
    EXPECT_EQ(sink.commands[0], static_cast<UINT>(ID_TOOL_SHORTCUT));

    // Released elsewhere, or on a separator: no command.
    Mouse(WM_LBUTTONDOWN, Centre(3));
    Mouse(WM_LBUTTONUP, Centre(5));
    Mouse(WM_LBUTTONDOWN, Centre(2));
    Mouse(WM_LBUTTONUP, Centre(2));
    PumpPending();
    EXPECT_EQ(sink.commands.size(), 1u);
}

TEST_F(ToolBarTest, TheIdleUpdateDisablesAndChecksButtonsAndDisabledButtonsDoNotClick)
{
    bar.OnUpdateCmdUI(nullptr, TRUE);
    EXPECT_NE(bar.GetButton(0)->m_nStyle & TBBS_DISABLED, 0u);
    EXPECT_NE(bar.GetButton(1)->m_nStyle & TBBS_CHECKED, 0u);
    EXPECT_EQ(bar.GetButton(3)->m_nStyle & TBBS_DISABLED, 0u); // has a command handler
    EXPECT_NE(bar.GetButton(5)->m_nStyle & TBBS_DISABLED, 0u); // no handler at all

    Mouse(WM_LBUTTONDOWN, Centre(0));
    Mouse(WM_LBUTTONUP, Centre(0));
    PumpPending();
    EXPECT_TRUE(sink.commands.empty());

    sink.bRunEnabled = TRUE;
    sink.nStopCheck = 0;
    bar.OnUpdateCmdUI(nullptr, TRUE);
    EXPECT_EQ(bar.GetButton(0)->m_nStyle & TBBS_DISABLED, 0u);
    EXPECT_EQ(bar.GetButton(1)->m_nStyle & TBBS_CHECKED, 0u);
    sink.nStopCheck = 2;
    bar.OnUpdateCmdUI(nullptr, TRUE);
    EXPECT_NE(bar.GetButton(1)->m_nStyle & TBBS_INDETERMINATE, 0u);
}

TEST_F(ToolBarTest, HotAndPressedStatesFollowTheMouse)
{
    Mouse(WM_MOUSEMOVE, Centre(1));
    EXPECT_EQ(bar.GetHighlightedButton(), 1);
    Mouse(WM_MOUSEMOVE, Centre(2)); // a separator is never hot
    EXPECT_EQ(bar.GetHighlightedButton(), -1);

    Mouse(WM_LBUTTONDOWN, Centre(1));
    EXPECT_NE(bar.GetButton(1)->m_nStyle & TBBS_PRESSED, 0u);
    EXPECT_EQ(::GetCapture(), bar.GetSafeHwnd());
    // Held and moved off: it pops up; moved back: pressed again. Only the held button is ever hot.
    Mouse(WM_MOUSEMOVE, Centre(3));
    EXPECT_EQ(bar.GetButton(1)->m_nStyle & TBBS_PRESSED, 0u);
    EXPECT_EQ(bar.GetHighlightedButton(), -1);
    Mouse(WM_MOUSEMOVE, Centre(1));
    EXPECT_NE(bar.GetButton(1)->m_nStyle & TBBS_PRESSED, 0u);
    EXPECT_EQ(bar.GetHighlightedButton(), 1);

    // The capture taken away abandons the press.
    ::ReleaseCapture();
    EXPECT_EQ(bar.GetButton(1)->m_nStyle & TBBS_PRESSED, 0u);
    Mouse(WM_LBUTTONUP, Centre(1));
    PumpPending();
    EXPECT_TRUE(sink.commands.empty());

    bar.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(bar.GetHighlightedButton(), -1);
}

TEST_F(ToolBarTest, ButtonsAreCopiedThroughTheirRunTimeClass)
{
    bar.RemoveAllButtons();
    CMFCToolBarButton button(77, -1, L"text");
    button.m_bText = TRUE;
    EXPECT_EQ(bar.InsertButton(button), 0);
    EXPECT_EQ(bar.InsertButton(button, 0), 0);
    EXPECT_EQ(bar.GetCount(), 2);
    EXPECT_NE(bar.GetButton(0), &button);
    EXPECT_EQ(bar.GetButton(0)->m_strText, CString(L"text"));
    EXPECT_TRUE(bar.GetButton(1)->m_bText);
    EXPECT_EQ(bar.GetButton(0)->GetParentWnd(), &bar);
    EXPECT_TRUE(bar.GetButton(0)->IsKindOf(RUNTIME_CLASS(CMFCToolBarButton)));
}
