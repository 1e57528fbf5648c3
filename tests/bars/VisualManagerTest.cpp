// The visual manager: one instance of the installed class, made on first use, and the hooks through
// which bars and the tasks pane paint.
#include "framework/bars/VisualManagerOffice2003.h"
#include "framework/bars/ToolBarButton.h"
#include "framework/bars/TasksPane.h"
#include "framework/bars/ToolBar.h"
#include "tests/bars/BarsTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Records which hooks were called, on top of the Office 2003 look.
class RecordingManager : public CMFCVisualManagerOffice2003
{
    DECLARE_DYNCREATE(RecordingManager)
public:
    static std::vector<std::string> calls;
    static int colourUpdates;

    void OnUpdateSystemColors() override
    {
        ++colourUpdates;
        CMFCVisualManagerOffice2003::OnUpdateSystemColors();
    }
    void OnFillBarBackground(CDC* pDC, CBasePane* pBar, CRect rectClient, CRect rectClip,
                             BOOL bNCArea) override
    {
        calls.push_back(pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CMFCToolBar)) ? "bar" : "other");
        CMFCVisualManagerOffice2003::OnFillBarBackground(pDC, pBar, rectClient, rectClip, bNCArea);
    }
    void OnDrawSeparator(CDC* pDC, CBasePane* pBar, CRect rect, BOOL bIsHoriz) override
    {
        calls.push_back(bIsHoriz ? "separator" : "separator-vertical");
        CMFCVisualManagerOffice2003::OnDrawSeparator(pDC, pBar, rect, bIsHoriz);
    }
    void OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea) override
    {
        calls.push_back("tasks-background");
        CMFCVisualManagerOffice2003::OnFillTasksPaneBackground(pDC, rectWorkArea);
    }
    void OnFillTasksGroupInterior(CDC*, CRect, BOOL) override { calls.push_back("group-interior"); }
    void OnDrawTasksGroupAreaBorder(CDC*, CRect, BOOL, BOOL) override { calls.push_back("group-border"); }
    void OnDrawTask(CDC* pDC, CMFCTasksPaneTask* pTask, CImageList* pIcons, BOOL bHot,
                    BOOL bSelected) override
    {
        calls.push_back("task:" + std::string(pTask->m_strName.IsEmpty() ? "" : "text"));
        CMFCVisualManagerOffice2003::OnDrawTask(pDC, pTask, pIcons, bHot, bSelected);
    }
};
IMPLEMENT_DYNCREATE(RecordingManager, CMFCVisualManagerOffice2003)
std::vector<std::string> RecordingManager::calls;
int RecordingManager::colourUpdates = 0;

bool Called(const std::string& name)
{
    for (const std::string& call : RecordingManager::calls)
    {
        if (call == name)
            return true;
    }
    return false;
}

class VisualManagerTest : public testing::Test
{
protected:
    void TearDown() override { CMFCVisualManager::SetDefaultManager(nullptr); }
};
} // namespace

TEST_F(VisualManagerTest, TheInstanceIsMadeOnceFromTheInstalledClass)
{
    RecordingManager::colourUpdates = 0;
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(RecordingManager));
    CMFCVisualManager* pFirst = CMFCVisualManager::GetInstance();
    ASSERT_NE(pFirst, nullptr);
    EXPECT_TRUE(pFirst->IsKindOf(RUNTIME_CLASS(RecordingManager)));
    EXPECT_TRUE(pFirst->IsKindOf(RUNTIME_CLASS(CMFCVisualManagerOfficeXP)));
    EXPECT_EQ(CMFCVisualManager::GetInstance(), pFirst);
    // The colours are computed once, when the instance is made.
    EXPECT_EQ(RecordingManager::colourUpdates, 1);
    EXPECT_NE(pFirst->m_brBarBkgnd.GetSafeHandle(), nullptr);
    EXPECT_NE(pFirst->m_brHighlight.GetSafeHandle(), nullptr);
    EXPECT_EQ(pFirst->m_clrBarBkgnd, ::GetSysColor(COLOR_BTNFACE));

    // A class that is no visual manager is ignored.
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CMFCToolBar));
    EXPECT_TRUE(CMFCVisualManager::GetInstance()->IsKindOf(RUNTIME_CLASS(RecordingManager)));

    CMFCVisualManager::SetDefaultManager(nullptr);
    CMFCVisualManager* pPlain = CMFCVisualManager::GetInstance();
    EXPECT_EQ(pPlain->GetRuntimeClass(), RUNTIME_CLASS(CMFCVisualManager));
}

TEST_F(VisualManagerTest, MenuShadowDepthIsKeptAndNeverNegative)
{
    CMFCVisualManager* pManager = CMFCVisualManager::GetInstance();
    pManager->SetMenuShadowDepth(0);
    EXPECT_EQ(pManager->GetMenuShadowDepth(), 0);
    pManager->SetMenuShadowDepth(-3);
    EXPECT_EQ(pManager->GetMenuShadowDepth(), 0);
    pManager->SetMenuShadowDepth(4);
    EXPECT_EQ(pManager->GetMenuShadowDepth(), 4);
}

TEST_F(VisualManagerTest, BarsAndTheTasksPanePaintThroughTheHooks)
{
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(RecordingManager));
    RecordingManager::calls.clear();

    CommandSink sink;
    CMFCToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&sink));
    bar.InsertButton(CMFCToolBarButton(10, -1));
    bar.InsertSeparator();
    bar.InsertButton(CMFCToolBarButton(11, -1));
    bar.MoveWindow(0, 0, 200, 30);

    CMFCTasksPane pane;
    ASSERT_TRUE(pane.Create(L"", &sink, CRect(0, 40, 150, 300), FALSE, 129, 0x56001400));
    const int group = pane.AddGroup(L"");
    pane.AddLabel(group, L"Label", -1, TRUE);
    pane.AddSeparator(group);
    pane.AddTask(group, L"Task", -1, 1014);

    sink.ShowWindow(SW_SHOWNOACTIVATE);
    sink.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);

    EXPECT_TRUE(Called("bar"));
    EXPECT_TRUE(Called("separator"));
    EXPECT_TRUE(Called("tasks-background"));
    EXPECT_TRUE(Called("group-interior"));
    EXPECT_TRUE(Called("group-border"));
    EXPECT_TRUE(Called("task:text"));
    EXPECT_TRUE(Called("task:")); // the separator is an item too
}

namespace
{
// Records the brush that the Office XP look hands to OnFillHighlightedArea.
class BrushRecorder : public CMFCVisualManagerOfficeXP
{
public:
    CBrush* pLastBrush = nullptr;
    CRect lastRect;
    void OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush, CMFCToolBarButton* pButton) override
    {
        pLastBrush = pBrush;
        lastRect = rect;
        CMFCVisualManagerOfficeXP::OnFillHighlightedArea(pDC, rect, pBrush, pButton);
    }
};
} // namespace

TEST(OfficeXPLook, HighlightedPressedAndCheckedButtonsAreFilledThroughOnFillHighlightedArea)
{
    BrushRecorder manager;
    manager.OnUpdateSystemColors();
    PixelCanvas canvas(40, 40);
    CMFCToolBarButton button(1, -1);
    const CRect rect(0, 0, 30, 30);

    manager.OnFillButtonInterior(&canvas.dc, &button, rect, ButtonsIsHighlighted);
    EXPECT_EQ(manager.pLastBrush, &manager.m_brHighlight);
    manager.OnFillButtonInterior(&canvas.dc, &button, rect, ButtonsIsPressed);
    EXPECT_EQ(manager.pLastBrush, &manager.m_brHighlightDn);
    manager.pLastBrush = nullptr;
    manager.OnFillButtonInterior(&canvas.dc, &button, rect, ButtonsIsRegular);
    EXPECT_EQ(manager.pLastBrush, nullptr); // a plain button keeps the bar's background
    button.m_nStyle |= TBBS_CHECKED;
    manager.OnFillButtonInterior(&canvas.dc, &button, rect, ButtonsIsRegular);
    EXPECT_EQ(manager.pLastBrush, &manager.m_brHighlightChecked);
    EXPECT_EQ(canvas.At(5, 5), manager.m_clrHighlightChecked);
}

TEST(OfficeXPLook, AHighlightedMenuItemIsNarrowedFilledFramedAndGetsTheHighlightTextColour)
{
    BrushRecorder manager;
    manager.OnUpdateSystemColors();
    PixelCanvas canvas(60, 20);
    canvas.Fill(RGB(1, 2, 3));
    COLORREF clrText = 0;
    manager.OnHighlightMenuItem(&canvas.dc, nullptr, CRect(0, 0, 50, 20), clrText);
    EXPECT_EQ(manager.pLastBrush, &manager.m_brHighlight);
    EXPECT_EQ(manager.lastRect, CRect(1, 0, 49, 20));
    EXPECT_EQ(canvas.At(0, 10), RGB(1, 2, 3));
    EXPECT_EQ(canvas.At(1, 10), manager.m_clrMenuItemBorder);
    EXPECT_EQ(canvas.At(20, 10), manager.m_clrHighlight);
    EXPECT_EQ(clrText, ::GetSysColor(COLOR_MENUTEXT));
}
