// A change of the system colours reaches the visual manager and the frame's bars.
#include "framework/bars/FrameWndEx.h"
#include "framework/bars/ToolBar.h"
#include "framework/bars/VisualManagerOffice2003.h"
#include "tests/bars/BarsTestSupport.h"

#include <gtest/gtest.h>

namespace
{
class CountingManager : public CMFCVisualManagerOffice2003
{
    DECLARE_DYNCREATE(CountingManager)
public:
    static int updates;
    void OnUpdateSystemColors() override
    {
        ++updates;
        CMFCVisualManagerOffice2003::OnUpdateSystemColors();
    }
};
IMPLEMENT_DYNCREATE(CountingManager, CMFCVisualManagerOffice2003)
int CountingManager::updates = 0;

class CountingBar : public CMFCToolBar
{
public:
    int colourChanges = 0;

protected:
    void OnSysColorChange()
    {
        ++colourChanges;
        CMFCToolBar::OnSysColorChange();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CountingBar, CMFCToolBar)
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

class BarFrame : public CFrameWndEx
{
public:
    CountingBar m_wndBar;
};
} // namespace

TEST(SystemChange, NewSystemColoursReachTheVisualManagerAndTheBars)
{
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CountingManager));
    auto* pFrame = new BarFrame; // deletes itself with its window
    ASSERT_TRUE(pFrame->Create(nullptr, L"frame"));
    ASSERT_TRUE(pFrame->m_wndBar.CreateEx(pFrame));
    pFrame->DockPane(&pFrame->m_wndBar);
    CMFCVisualManager::GetInstance();
    CountingManager::updates = 0;

    pFrame->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(CountingManager::updates, 1);
    EXPECT_EQ(pFrame->m_wndBar.colourChanges, 1);

    pFrame->SendMessage(WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(CountingManager::updates, 2);

    pFrame->DestroyWindow();
    PumpPending();
    CMFCVisualManager::SetDefaultManager(nullptr);
}
