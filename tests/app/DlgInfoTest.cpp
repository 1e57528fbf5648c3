// The information pop-up: the opacity applied at each fade step, the mended step of 0, the modes,
// colours and the volume line.
#include "app/DlgInfo.h"
#include "app/KeystriderApp.h"
#include "app/MainFrame.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
std::vector<int> g_alphas;
HWND g_hLastWindow = nullptr;

BOOL WINAPI RecordAlpha(HWND hWnd, COLORREF, BYTE alpha, DWORD flags)
{
    if (flags == LWA_ALPHA)
        g_alphas.push_back(alpha);
    g_hLastWindow = hWnd;
    return TRUE;
}

class DlgInfoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_alphas.clear();
        g_hLastWindow = nullptr;
        m_pFrame = new CMainFrame;
        m_pFrame->m_pfnSetLayeredWindowAttributes = &RecordAlpha;
        m_pOldMain = theApp.m_pMainWnd;
        theApp.m_pMainWnd = m_pFrame;
        ASSERT_TRUE(m_dlg.Create(IDD_DLG_INFO, nullptr));
    }
    void TearDown() override
    {
        m_dlg.DestroyWindow();
        theApp.m_pMainWnd = m_pOldMain;
        delete m_pFrame;
    }

    // One fade step, as the pop-up's 50 ms timer gives it.
    void Tick(UINT_PTR id) { m_dlg.SendMessage(WM_TIMER, id, 0); }
    bool TimerRunning(UINT_PTR id)
    {
        // Killing reports whether the timer existed; it is set again so the pop-up is left as found.
        if (!::KillTimer(m_dlg.GetSafeHwnd(), id))
            return false;
        ::SetTimer(m_dlg.GetSafeHwnd(), id, 50, nullptr);
        return true;
    }
    std::vector<int> FadeIn(int target, int ticks)
    {
        m_dlg.SetTransparency(target);
        m_dlg.ShowInfo(TRUE);
        for (int i = 0; i < ticks; ++i)
            Tick(IDT_FADE_IN);
        return g_alphas;
    }
    CStaticFocus* Static(int id)
    {
        return static_cast<CStaticFocus*>(CWnd::FromHandlePermanent(::GetDlgItem(m_dlg.GetSafeHwnd(), id)));
    }
    // The control's own visibility (the pop-up itself stays hidden).
    bool Visible(int id)
    {
        return (::GetWindowLongW(::GetDlgItem(m_dlg.GetSafeHwnd(), id), GWL_STYLE) & WS_VISIBLE) != 0;
    }

    CDlgInfo m_dlg;
    CMainFrame* m_pFrame = nullptr;
    CWnd* m_pOldMain = nullptr;
};

int Alpha(int percent)
{
    return static_cast<int>(255.0 * (percent / 100.0));
}
} // namespace

TEST_F(DlgInfoTest, FadeInAppliesAFifthOfTheTargetPerTickAndStopsAtIt)
{
    // Target 80: 0 at the start, then 16, 32, 48, 64, 80, and 80 once more when the timer stops.
    const std::vector<int> expected = {0, Alpha(16), Alpha(32), Alpha(48), Alpha(64), Alpha(80), Alpha(80)};
    EXPECT_EQ(FadeIn(80, 5), std::vector<int>(expected.begin(), expected.end() - 1));
    EXPECT_TRUE(TimerRunning(IDT_FADE_IN));
    Tick(IDT_FADE_IN);
    EXPECT_EQ(g_alphas, expected);
    EXPECT_FALSE(TimerRunning(IDT_FADE_IN));
    EXPECT_EQ(g_hLastWindow, m_dlg.GetSafeHwnd());
    EXPECT_TRUE(m_dlg.IsWindowVisible());
    EXPECT_EQ(m_dlg.GetCurrentOpacity(), 80);
}

TEST_F(DlgInfoTest, FadeInCutsTheLastStepBackToATargetThatIsNoMultipleOfFive)
{
    EXPECT_EQ(FadeIn(83, 6),
              (std::vector<int>{0, Alpha(16), Alpha(32), Alpha(48), Alpha(64), Alpha(80), Alpha(83)}));
    // Full opacity is reached exactly: 255.
    g_alphas.clear();
    EXPECT_EQ(FadeIn(100, 5), (std::vector<int>{0, 51, 102, 153, 204, 255}));
}

TEST_F(DlgInfoTest, AlphaTableOfTheOpacitySteps)
{
    const int expected[] = {0, 25, 51, 76, 102, 127, 153, 178, 204, 229, 255};
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(CDlgInfo::OpacityToAlpha(i * 10), expected[i]) << i * 10;
}

TEST_F(DlgInfoTest, FadeOutStepsDownFromTheTargetAndHidesAtZero)
{
    FadeIn(80, 6);
    g_alphas.clear();
    m_dlg.ShowInfo(FALSE);
    EXPECT_TRUE(g_alphas.empty()); // nothing is applied before the first step
    EXPECT_FALSE(TimerRunning(IDT_FADE_IN));
    for (int i = 0; i < 5; ++i)
        Tick(IDT_FADE_OUT);
    EXPECT_EQ(g_alphas, (std::vector<int>{Alpha(64), Alpha(48), Alpha(32), Alpha(16), 0}));
    EXPECT_TRUE(m_dlg.IsWindowVisible());
    Tick(IDT_FADE_OUT);
    EXPECT_FALSE(m_dlg.IsWindowVisible());
    EXPECT_FALSE(TimerRunning(IDT_FADE_OUT));
}

TEST_F(DlgInfoTest, FadeOutDuringAFadeInStartsFromTheTarget)
{
    FadeIn(80, 2); // two steps in: the pop-up stands at 32 of its 80
    g_alphas.clear();
    m_dlg.ShowInfo(FALSE);
    Tick(IDT_FADE_OUT);
    EXPECT_EQ(g_alphas, (std::vector<int>{Alpha(64)}));
}

TEST_F(DlgInfoTest, TargetZeroStaysTransparentAndHidesAtTheFirstFadeOutTick)
{
    EXPECT_EQ(FadeIn(0, 1), (std::vector<int>{0, 0}));
    EXPECT_FALSE(TimerRunning(IDT_FADE_IN));
    m_dlg.ShowInfo(FALSE);
    Tick(IDT_FADE_OUT);
    EXPECT_FALSE(m_dlg.IsWindowVisible());
}

TEST_F(DlgInfoTest, ATargetBelowFiveStillEndsBothFades)
{
    // A step of 0 would never reach the target nor zero; it is taken as 1.
    EXPECT_EQ(CDlgInfo::FadeStep(3), 1);
    EXPECT_EQ(CDlgInfo::FadeStep(4), 1);
    FadeIn(3, 4);
    EXPECT_EQ(m_dlg.GetCurrentOpacity(), 3);
    EXPECT_FALSE(TimerRunning(IDT_FADE_IN));
    m_dlg.ShowInfo(FALSE);
    for (int i = 0; i < 4 && m_dlg.IsWindowVisible(); ++i)
        Tick(IDT_FADE_OUT);
    EXPECT_FALSE(m_dlg.IsWindowVisible());
    EXPECT_FALSE(TimerRunning(IDT_FADE_OUT));
}

TEST_F(DlgInfoTest, TargetsOutsideZeroToHundredStillEndBothFades)
{
    for (int target : {-11, -1, 250, 2147483647, -2147483647 - 1})
    {
        g_alphas.clear();
        FadeIn(target, 7);
        EXPECT_FALSE(TimerRunning(IDT_FADE_IN)) << target;
        EXPECT_EQ(m_dlg.GetCurrentOpacity(), target < 0 ? 0 : 100) << target;
        EXPECT_EQ(g_alphas.back(), target < 0 ? 0 : 255) << target;
        m_dlg.ShowInfo(FALSE);
        for (int i = 0; i < 7 && m_dlg.IsWindowVisible(); ++i)
            Tick(IDT_FADE_OUT);
        EXPECT_FALSE(m_dlg.IsWindowVisible()) << target;
        EXPECT_FALSE(TimerRunning(IDT_FADE_OUT)) << target;
    }
}

TEST_F(DlgInfoTest, RealTimersFadeInWithoutTakingTheFocus)
{
    HWND hFocusBefore = ::GetForegroundWindow();
    m_dlg.SetTransparency(80);
    m_dlg.ShowInfo(TRUE);
    PumpFor(600);
    EXPECT_EQ(m_dlg.GetCurrentOpacity(), 80);
    EXPECT_EQ(g_alphas.back(), Alpha(80));
    EXPECT_NE(::GetForegroundWindow(), m_dlg.GetSafeHwnd());
    EXPECT_EQ(::GetForegroundWindow(), hFocusBefore);
    EXPECT_TRUE((m_dlg.GetExStyle() & WS_EX_LAYERED) != 0);
}

TEST_F(DlgInfoTest, WithoutTheEntryPointTheStepsRunButNothingIsApplied)
{
    m_pFrame->m_pfnSetLayeredWindowAttributes = nullptr;
    FadeIn(80, 6);
    EXPECT_TRUE(g_alphas.empty());
    EXPECT_EQ(m_dlg.GetCurrentOpacity(), 80);
    m_dlg.ShowInfo(FALSE);
    for (int i = 0; i < 6; ++i)
        Tick(IDT_FADE_OUT);
    EXPECT_FALSE(m_dlg.IsWindowVisible());
}

TEST_F(DlgInfoTest, ModesShowTheirControlsAndColourTheCaption)
{
    EXPECT_EQ(m_dlg.GetMode(), 1u);
    EXPECT_TRUE(Visible(IDC_INFO_CAPTION));
    EXPECT_FALSE(Visible(IDC_INFO_PROGRESS));
    EXPECT_EQ(Static(IDC_INFO_CAPTION)->m_clrText, 0x995531u);
    for (int id : {IDC_INFO_CAPTION, IDC_INFO_VOLUME_TEXT, IDC_INFO_BOTTOM_LINE})
        EXPECT_EQ(Static(id)->m_clrBack, 0xFCE5CCu) << id;

    m_dlg.SetMode(0);
    EXPECT_FALSE(Visible(IDC_INFO_CAPTION));
    EXPECT_TRUE(Visible(IDC_INFO_VOLUME_TEXT));
    EXPECT_TRUE(Visible(IDC_INFO_PROGRESS));
    EXPECT_TRUE(Visible(IDC_INFO_BOTTOM_LINE));

    m_dlg.SetMode(2);
    EXPECT_TRUE(Visible(IDC_INFO_CAPTION));
    EXPECT_FALSE(Visible(IDC_INFO_VOLUME_TEXT));
    EXPECT_EQ(Static(IDC_INFO_CAPTION)->m_clrText, 0x4CB122u);
    m_dlg.SetMode(1);
    EXPECT_EQ(Static(IDC_INFO_CAPTION)->m_clrText, 0x995531u);
    m_dlg.SetMode(7); // any other mode behaves as 2
    EXPECT_EQ(Static(IDC_INFO_CAPTION)->m_clrText, 0x4CB122u);
    EXPECT_FALSE(m_dlg.IsWindowVisible()); // modes never show the pop-up
}

TEST_F(DlgInfoTest, InfoTextGoesToTheCaptionOrInModeZeroToTheVolumeLine)
{
    CString text;
    m_dlg.SetInfoText(L"Notepad");
    Static(IDC_INFO_CAPTION)->GetWindowText(text);
    EXPECT_STREQ(text, L"Notepad");
    m_dlg.SetMode(0);
    m_dlg.SetInfoText(L"Volume");
    Static(IDC_INFO_VOLUME_TEXT)->GetWindowText(text);
    EXPECT_STREQ(text, L"Volume");
    Static(IDC_INFO_CAPTION)->GetWindowText(text);
    EXPECT_STREQ(text, L"Notepad");
}

TEST_F(DlgInfoTest, VolumeLevelSetsBarTextAndTheUnderlinedFontWhileMuted)
{
    auto underlined = [this]()
    {
        LOGFONT lf = {};
        HFONT hFont = reinterpret_cast<HFONT>(Static(IDC_INFO_VOLUME_TEXT)->SendMessage(WM_GETFONT));
        ::GetObjectW(hFont, sizeof(lf), &lf);
        return lf.lfUnderline != 0 && lf.lfHeight == 20;
    };
    m_dlg.ShowVolumeLevel(L"Volume Up", 35, FALSE);
    CString text;
    Static(IDC_INFO_VOLUME_TEXT)->GetWindowText(text);
    EXPECT_STREQ(text, L"Volume Up (35%)");
    EXPECT_EQ(::SendDlgItemMessageW(m_dlg.GetSafeHwnd(), IDC_INFO_PROGRESS, PBM_GETPOS, 0, 0), 35);
    EXPECT_FALSE(underlined());

    m_dlg.ShowVolumeLevel(L"Mute", 0, TRUE);
    EXPECT_TRUE(underlined());
    m_dlg.ShowVolumeLevel(L"Mute", 0, TRUE);
    EXPECT_TRUE(underlined());
    m_dlg.ShowVolumeLevel(L"Mute", 40, FALSE);
    EXPECT_FALSE(underlined());
    EXPECT_EQ(m_dlg.GetMode(), 1u); // the mode is the view's business
}
