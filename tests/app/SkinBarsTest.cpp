// The skin's bars in the running frame: the caption bar's buttons, hit test, maximised and active
// states and the frame's reaction to its commands; the category tabs' sizes; the pressed strip.
#include "app/KeystriderApp.h"
#include "app/MainFrame.h"
#include "framework/gdi/GlobalData.h"
#include "framework/gdi/WindowDC.h"
#include "res/resource.h"
#include "skin/SkinLinksBar.h"
#include "skin/SkinVisualManager.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/MainFrameFixture.h"

#include <gtest/gtest.h>

namespace
{
class SkinBarsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = EnsureMainFrame();
        ASSERT_NE(m_pFrame, nullptr);
    }
    CRect ButtonRect(CSkinCaptionBarButton& button)
    {
        CRect rect;
        button.GetWindowRect(&rect);
        m_pFrame->m_wndCaptionBar.ScreenToClient(&rect);
        return rect;
    }
    CPoint CentreOnScreen(CSkinCaptionBarButton& button)
    {
        CRect rect;
        button.GetWindowRect(&rect);
        return rect.CenterPoint();
    }
    CMainFrame* m_pFrame = nullptr;
};
} // namespace

TEST_F(SkinBarsTest, CaptionButtonsStandFromTheRightEdgeOneAfterTheOther)
{
    CSkinCaptionBar& bar = m_pFrame->m_wndCaptionBar;
    ASSERT_TRUE(CMFCVisualManager::GetInstance()->IsKindOf(RUNTIME_CLASS(CSkinVisualManager)));
    EXPECT_EQ(bar.GetCaptionHeight(), 20); // the 18-pixel strip plus 2
    EXPECT_EQ(bar.CalcFixedLayout(FALSE, TRUE).cx, 32767);
    EXPECT_GE(bar.CalcFixedLayout(FALSE, TRUE).cy, 20);
    EXPECT_STREQ(bar.GetCaption(), L"Keystrider");

    CRect client;
    bar.GetClientRect(&client);
    const CRect close = ButtonRect(bar.GetCloseButton());
    const CRect maximize = ButtonRect(bar.GetMaximizeButton());
    const CRect minimize = ButtonRect(bar.GetMinimizeButton());
    EXPECT_EQ(close.Size(), CSize(18, 18));
    EXPECT_EQ(close.right, client.right);
    EXPECT_EQ(close.top, (client.Height() - 18) / 2);
    EXPECT_EQ(maximize.left, close.left - 19);
    EXPECT_EQ(minimize.left, maximize.left - 19);
    EXPECT_EQ(minimize.top, close.top);
    EXPECT_EQ(bar.GetCloseButton().GetCommandId(), static_cast<UINT>(SC_CLOSE));
    EXPECT_EQ(bar.GetMinimizeButton().GetCommandId(), static_cast<UINT>(SC_MINIMIZE));
}

TEST_F(SkinBarsTest, CaptionHitTestNamesTheButtonsTheIconAndTheCaption)
{
    CSkinCaptionBar& bar = m_pFrame->m_wndCaptionBar;
    EXPECT_EQ(bar.HitTest(CentreOnScreen(bar.GetCloseButton())), HTCLOSE);
    EXPECT_EQ(bar.HitTest(CentreOnScreen(bar.GetMaximizeButton())), HTMAXBUTTON);
    EXPECT_EQ(bar.HitTest(CentreOnScreen(bar.GetMinimizeButton())), HTMINBUTTON);
    CRect rect;
    bar.GetWindowRect(&rect);
    const int y = rect.top + rect.Height() / 2;
    EXPECT_EQ(bar.HitTest(CPoint(rect.left + 4, y)), HTSYSMENU);
    EXPECT_EQ(bar.HitTest(CPoint(rect.left + 200, y)), HTCAPTION);
    EXPECT_EQ(bar.HitTest(CPoint(rect.left + 200, rect.bottom + 5)), HTNOWHERE);
}

TEST_F(SkinBarsTest, MaximisedStateSwapsTheMiddleButtonAndActivationFollowsTheFrame)
{
    CSkinCaptionBar& bar = m_pFrame->m_wndCaptionBar;
    bar.SetMaximized(TRUE);
    EXPECT_TRUE(bar.IsMaximized());
    EXPECT_EQ(bar.GetMaximizeButton().GetCommandId(), static_cast<UINT>(SC_RESTORE));
    EXPECT_EQ(bar.HitTest(CentreOnScreen(bar.GetMaximizeButton())), HTMAXBUTTON);
    bar.SetMaximized(FALSE);
    EXPECT_EQ(bar.GetMaximizeButton().GetCommandId(), static_cast<UINT>(SC_MAXIMIZE));

    m_pFrame->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(bar.IsActive());
    m_pFrame->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(bar.IsActive());
}

TEST_F(SkinBarsTest, CaptionMinimizeAndCloseReachTheFrameAsSystemCommands)
{
    CSkinCaptionBar& bar = m_pFrame->m_wndCaptionBar;
    // A click on Minimize arrives at the bar as its command; the frame minimises, which hides it.
    bar.SendMessage(WM_COMMAND, SC_MINIMIZE, 0);
    PumpPending();
    EXPECT_FALSE(m_pFrame->IsWindowVisible());
    m_pFrame->SendMessage(WM_COMMAND, ID_TRAY_SHOW_WINDOW, 0);
    EXPECT_TRUE(m_pFrame->IsWindowVisible());

    theApp.m_ShortCutConfig.m_nGeneralCloseToTray = 1;
    bar.SendMessage(WM_COMMAND, SC_CLOSE, 0);
    PumpPending();
    ASSERT_TRUE(::IsWindow(m_pFrame->GetSafeHwnd()));
    EXPECT_FALSE(m_pFrame->IsWindowVisible());
    theApp.m_ShortCutConfig.m_nGeneralCloseToTray = 0;
}

TEST_F(SkinBarsTest, TabsAreAsWideAsTheirBoldLabelPlus24)
{
    CSkinCategoryBar& bar = m_pFrame->m_wndCategoryBar;
    CClientDC dc(&bar);
    CFont* pOld = dc.SelectObject(&afxGlobalData.fontBold);
    int previousWidth = -1;
    bool widthsDiffer = false;
    for (int i = 0; i < bar.GetCount(); ++i)
    {
        CMFCToolBarButton* pTab = bar.GetButton(i);
        CRect text(0, 0, 1000, 100);
        dc.DrawText(pTab->m_strText, &text, DT_CALCRECT | DT_CENTER);
        EXPECT_EQ(pTab->Rect().Width(), text.Width() + 24) << i;
        EXPECT_EQ(pTab->m_sizeText.cy + 11, text.Height() + 11) << i;
        widthsDiffer = widthsDiffer || (previousWidth >= 0 && previousWidth != pTab->Rect().Width());
        previousWidth = pTab->Rect().Width();
    }
    dc.SelectObject(pOld);
    EXPECT_TRUE(widthsDiffer);
}

TEST_F(SkinBarsTest, PressedToolBarButtonsHaveTheirOwnStrip)
{
    ASSERT_TRUE(m_pFrame->m_bHighColor);
    EXPECT_EQ(g_SkinToolBarImages.GetCount(), 4); // Run, Stop, Shortcut, Exit
}

TEST_F(SkinBarsTest, LinkButtonsAreTheirBoldLabelPlusSixByPlusTwelve)
{
    CSkinLinksBarButton link;
    link.m_strText = L"Windows Default";
    CClientDC dc(nullptr);
    CFont* pOld = dc.SelectObject(&afxGlobalData.fontBold);
    CRect text(0, 0, 1000, 100);
    dc.DrawText(link.m_strText, &text, DT_CALCRECT | DT_CENTER);
    dc.SelectObject(pOld);
    const CSize size = link.OnCalculateSize(&dc, CSize(23, 22), TRUE);
    EXPECT_EQ(size.cx, text.Width() + 6);
    EXPECT_EQ(size.cy, text.Height() + 12);
    link.SetVisible(FALSE);
    EXPECT_EQ(CSize(link.OnCalculateSize(&dc, CSize(23, 22), TRUE)), CSize(0, 0));
}
