// The pop-up through the view: shown at the bottom right from hidden, changed in place while shown, and
// faded out by the display time-out.
#include "tests/view/ViewFixture.h"

#include "app/DlgInfo.h"

namespace
{
class PopupTest : public ViewTest
{
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        m_pInfo = m_pView->GetDlgInfo();
        ASSERT_NE(m_pInfo, nullptr);
        m_pInfo->ShowWindow(SW_HIDE);
        m_nInfoTime = Store().m_nInfoTime;
    }
    void TearDown() override
    {
        Store().m_nInfoTime = m_nInfoTime;
        m_pInfo->ShowWindow(SW_HIDE);
        ViewTest::TearDown();
    }
    CString Caption()
    {
        wchar_t szText[64] = {};
        ::GetDlgItemTextW(m_pInfo->GetSafeHwnd(), 1012, szText, 64);
        return szText;
    }
    RECT Place()
    {
        RECT rc = {};
        m_pInfo->GetWindowRect(&rc);
        return rc;
    }
    bool WaitHidden(DWORD ms)
    {
        const DWORD start = ::GetTickCount();
        while (m_pInfo->IsWindowVisible() && ::GetTickCount() - start < ms)
            PumpFor(20);
        return !m_pInfo->IsWindowVisible();
    }

    CDlgInfo* m_pInfo = nullptr;
    int m_nInfoTime = 0;
};
} // namespace

TEST_F(PopupTest, ASecondRequestChangesThePopUpInPlace)
{
    Store().m_nInfoTime = 60000;
    m_pView->PopupInfo(1, L"First");
    ASSERT_TRUE(m_pInfo->IsWindowVisible());
    EXPECT_EQ(Place().left, ::GetSystemMetrics(SM_CXSCREEN) - 450);
    EXPECT_EQ(Caption(), L"First");

    // Moved away while shown: a second request leaves it where it is and changes mode and text.
    m_pInfo->SetWindowPos(nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pView->PopupInfo(2, L"09 : 00");
    EXPECT_EQ(Place().left, 10);
    EXPECT_EQ(Place().top, 20);
    EXPECT_EQ(m_pInfo->GetMode(), 2u);
    EXPECT_EQ(Caption(), L"09 : 00");
}

TEST_F(PopupTest, TheDisplayTimeOutFadesThePopUpOut)
{
    Store().m_nInfoTime = 200;
    m_pView->PopupInfo(1, L"Fading");
    ASSERT_TRUE(m_pInfo->IsWindowVisible());
    EXPECT_TRUE(WaitHidden(5000)) << "the pop-up stayed after its display time";

    // The time-out starts a fade-out, it does not hide at once.
    Store().m_nInfoTime = 60000;
    m_pView->PopupInfo(1, L"Again");
    PumpFor(400);
    m_pView->SendMessage(WM_TIMER, IDT_INFO_TIMEOUT, 0);
    EXPECT_TRUE(m_pInfo->IsWindowVisible());
    EXPECT_TRUE(WaitHidden(5000));

    // A negative display time from a hand-edited file is no time, not weeks.
    Store().m_nInfoTime = -1;
    m_pView->PopupInfo(1, L"Negative");
    ASSERT_TRUE(m_pInfo->IsWindowVisible());
    EXPECT_TRUE(WaitHidden(5000)) << "a negative display time kept the pop-up";
}
