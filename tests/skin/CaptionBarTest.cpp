// The caption bar in a frame: its height, the three buttons flush right and without focus rectangle,
// hit-test codes, the system menu's item states, and system commands handed to the frame.
#include "framework/bars/FrameWndEx.h"
#include "framework/controls/Menu.h"
#include "skin/SkinCaptionBar.h"
#include "tests/skin/SkinTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace
{
// A frame whose first pane is the caption bar; it records the system commands that reach it
// instead of acting on them.
class CaptionFrame : public CFrameWndEx
{
public:
    CSkinCaptionBar m_wndCaptionBar;
    std::vector<UINT> sysCommands;

    BOOL Make()
    {
        return Create(nullptr, L"Caption test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 440, 340));
    }
    void PostNcDestroy() override {} // owned by the test

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWndEx::OnCreate(lpCreateStruct) == -1)
            return -1;
        return m_wndCaptionBar.Create(this, 128) ? 0 : -1;
    }
    void OnSysCommand(UINT nID, LPARAM) { sysCommands.push_back(nID); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CaptionFrame, CFrameWndEx)
ON_WM_CREATE()
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

UINT NoMenuChoice(HMENU, UINT, int, int, HWND)
{
    return 0;
}

CRect ScreenRectOf(CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect;
}

class CaptionBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_oldHook = AfxSetTrackPopupMenuHook(NoMenuChoice);
        ASSERT_TRUE(frame.Make());
        frame.RecalcLayout();
        PumpPending();
    }
    void TearDown() override
    {
        if (frame.GetSafeHwnd() != nullptr)
            frame.DestroyWindow();
        AfxSetTrackPopupMenuHook(m_oldHook);
    }

    SkinManagerScope skin;
    CaptionFrame frame;
    CSkinCaptionBar& bar = frame.m_wndCaptionBar;

private:
    AfxTrackPopupMenuHook m_oldHook = nullptr;
};
} // namespace

TEST_F(CaptionBarTest, ButtonsAreEighteenPixelSquaresFlushRightWithOnePixelGaps)
{
    CRect client;
    bar.GetClientRect(&client);
    const CRect rectBar = ScreenRectOf(bar);
    const CRect close = ScreenRectOf(bar.GetCloseButton());
    const CRect maximize = ScreenRectOf(bar.GetMaximizeButton());
    const CRect minimize = ScreenRectOf(bar.GetMinimizeButton());
    for (const CRect& r : {close, maximize, minimize})
        EXPECT_EQ(r.Size(), CSize(18, 18));
    EXPECT_EQ(close.right, rectBar.left + client.right);
    EXPECT_EQ(maximize.right, close.left - 1);
    EXPECT_EQ(minimize.right, maximize.left - 1);
    EXPECT_EQ(close.top - rectBar.top, (client.Height() - 18) / 2);
    EXPECT_EQ(maximize.top, close.top);
    EXPECT_EQ(minimize.top, close.top);
}

TEST_F(CaptionBarTest, HeightIsTheLargestOfStripFontAndIcon)
{
    EXPECT_EQ(bar.GetCaptionHeight(), 20); // the strip's cell height + 2
    TEXTMETRICW tm = {};
    {
        CClientDC dc(nullptr);
        LOGFONTW lf = {};
        NONCLIENTMETRICSW ncm = {};
        ncm.cbSize = sizeof(ncm);
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
        lf = ncm.lfCaptionFont;
        CFont font;
        font.CreateFontIndirect(&lf);
        CFont* pOld = dc.SelectObject(&font);
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOld);
    }
    const CSize size = bar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(size.cx, 32767);
    EXPECT_EQ(size.cy, std::max<int>(20, tm.tmHeight));

    // A much larger caption font makes the bar taller.
    LOGFONTW big = {};
    big.lfHeight = -40;
    wcscpy_s(big.lfFaceName, L"Tahoma");
    bar.SetCaptionFont(&big);
    EXPECT_GT(bar.CalcFixedLayout(FALSE, TRUE).cy, 30);

    // The bar itself is as high as its layout asked.
    CRect client;
    bar.GetClientRect(&client);
    EXPECT_GE(client.Height(), 20);
}

TEST_F(CaptionBarTest, HitTestNamesTheButtonsTheIconAndTheCaption)
{
    const CRect rectBar = ScreenRectOf(bar);
    EXPECT_EQ(bar.HitTest(ScreenRectOf(bar.GetCloseButton()).CenterPoint()), HTCLOSE);
    EXPECT_EQ(bar.HitTest(ScreenRectOf(bar.GetMaximizeButton()).CenterPoint()), HTMAXBUTTON);
    EXPECT_EQ(bar.HitTest(ScreenRectOf(bar.GetMinimizeButton()).CenterPoint()), HTMINBUTTON);
    EXPECT_EQ(bar.HitTest(CPoint(rectBar.left + 150, rectBar.top + 5)), HTCAPTION);
    EXPECT_EQ(bar.HitTest(CPoint(rectBar.left + 150, rectBar.bottom + 5)), HTNOWHERE);

    // The icon column answers for the system menu once an icon with colours is set.
    HICON hIcon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128),
                                                  IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    ASSERT_NE(hIcon, nullptr);
    bar.SetCaptionIcon(hIcon); // the bar owns it from now on
    EXPECT_EQ(bar.HitTest(CPoint(rectBar.left + 3, rectBar.top + 3)), HTSYSMENU);

    // Maximised, the middle button still answers as the maximise button.
    bar.SetMaximized(TRUE);
    EXPECT_EQ(bar.GetMaximizeButton().GetCommandId(), static_cast<UINT>(SC_RESTORE));
    EXPECT_EQ(bar.HitTest(ScreenRectOf(bar.GetMaximizeButton()).CenterPoint()), HTMAXBUTTON);

    // While a button holds the capture, it answers for any point of the bar.
    ::SetCapture(bar.GetCloseButton().GetSafeHwnd());
    EXPECT_EQ(bar.HitTest(CPoint(rectBar.left + 150, rectBar.top + 5)), HTCLOSE);
    ::ReleaseCapture();
}

TEST_F(CaptionBarTest, SystemMenuStatesFollowTheMaximisedState)
{
    auto state = [this](UINT nID)
    {
        HMENU hMenu = ::GetSystemMenu(frame.GetSafeHwnd(), FALSE);
        return ::GetMenuState(hMenu, nID, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED);
    };
    const CPoint pt = ScreenRectOf(bar).TopLeft();
    bar.SetMaximized(TRUE);
    bar.ShowSysMenu(pt);
    EXPECT_NE(state(SC_SIZE), 0u);
    EXPECT_NE(state(SC_MOVE), 0u);
    EXPECT_NE(state(SC_MAXIMIZE), 0u);
    EXPECT_EQ(state(SC_RESTORE), 0u);
    EXPECT_EQ(::GetMenuDefaultItem(::GetSystemMenu(frame.GetSafeHwnd(), FALSE), FALSE, 0),
              static_cast<UINT>(SC_CLOSE));

    bar.SetMaximized(FALSE);
    EXPECT_EQ(bar.GetMaximizeButton().GetCommandId(), static_cast<UINT>(SC_MAXIMIZE));
    bar.ShowSysMenu(pt);
    EXPECT_EQ(state(SC_SIZE), 0u);
    EXPECT_EQ(state(SC_MOVE), 0u);
    EXPECT_EQ(state(SC_MAXIMIZE), 0u);
    EXPECT_NE(state(SC_RESTORE), 0u);
}

TEST_F(CaptionBarTest, SystemCommandRangeGoesToTheFrameBothEndsIncluded)
{
    for (UINT id : {0xEFFFu, 0xF000u, 0xF060u, 0xF180u, 0xF181u})
        bar.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    PumpPending();
    EXPECT_EQ(frame.sysCommands, (std::vector<UINT>{0xF000u, 0xF060u, 0xF180u}));

    // A click on a caption button arrives as its command and goes the same way.
    frame.sysCommands.clear();
    bar.GetMinimizeButton().SendMessage(BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_EQ(frame.sysCommands, (std::vector<UINT>{static_cast<UINT>(SC_MINIMIZE)}));
}

TEST_F(CaptionBarTest, AFocusedButtonDrawsNoFocusRectangle)
{
    // The focus rectangle would be drawn over the picture; a focused button looks as an unfocused one.
    CSkinCaptionBarButton& button = bar.GetCloseButton();
    EXPECT_EQ(DrawnButtonPixels(button, 0, 18, 18), DrawnButtonPixels(button, ODS_FOCUS, 18, 18));
}
