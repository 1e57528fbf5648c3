// CMFCTasksPane: items, their layout and wrapping, and clicks that send a task's command.
#include "framework/bars/TasksPane.h"
#include "tests/bars/BarsTestSupport.h"

#include <gtest/gtest.h>

namespace
{
class TasksPaneTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pane.Create(L"", &sink, CRect(0, 0, 150, 300), FALSE, 129, 0x56001400));
        group = pane.AddGroup(L"");
        label = pane.AddLabel(group, L"December 06, 2026", -1, TRUE);
        pane.AddSeparator(group);
        task = pane.AddTask(group, L"Velmo Software", -1, 1014, 0);
    }
    void Click(CPoint pt)
    {
        pane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        pane.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        PumpPending();
    }

    CommandSink sink;
    CMFCTasksPane pane;
    int group = -1, label = -1, task = -1;
};
} // namespace

TEST_F(TasksPaneTest, ItemsAreAddedToTheirGroupAndLaidOutTopToBottom)
{
    EXPECT_EQ(group, 0);
    EXPECT_EQ(label, 0);
    EXPECT_EQ(task, 2);
    EXPECT_EQ(pane.AddTask(5, L"no such group"), -1);
    EXPECT_EQ(pane.CalcFixedLayout(FALSE, FALSE), CSize(150, 300));
    EXPECT_EQ(pane.GetPaneStyle() & CBRS_ALIGN_ANY, static_cast<DWORD>(CBRS_ALIGN_LEFT));

    CMFCTasksPaneTask* pLabel = pane.GetTask(group, label);
    CMFCTasksPaneTask* pSeparator = pane.GetTask(group, 1);
    CMFCTasksPaneTask* pTask = pane.GetTask(group, task);
    ASSERT_TRUE(pLabel != nullptr && pSeparator != nullptr && pTask != nullptr);
    EXPECT_TRUE(pLabel->IsLabel());
    EXPECT_TRUE(pLabel->m_bIsBold);
    EXPECT_TRUE(pSeparator->m_bIsSeparator);
    EXPECT_FALSE(pTask->IsLabel());
    EXPECT_FALSE(pLabel->m_rect.IsRectEmpty());
    EXPECT_LE(pLabel->m_rect.bottom, pSeparator->m_rect.top);
    EXPECT_LE(pSeparator->m_rect.bottom, pTask->m_rect.top);
    EXPECT_LE(pTask->m_rect.right, 150);
}

TEST_F(TasksPaneTest, WrappingGivesLongTextsMoreLines)
{
    const int longLabel =
        pane.AddLabel(group, L"a label far too long for one line of this narrow pane", -1, FALSE);
    const int oneLine = pane.GetTask(group, longLabel)->m_rect.Height();
    pane.SetWrapLabels(TRUE);
    EXPECT_GT(pane.GetTask(group, longLabel)->m_rect.Height(), oneLine);
    EXPECT_TRUE(pane.GetTask(group, longLabel)->IsWrapped());
    // Tasks have their own switch.
    EXPECT_FALSE(pane.GetTask(group, task)->IsWrapped());
    pane.SetWrapTasks(TRUE);
    EXPECT_TRUE(pane.GetTask(group, task)->IsWrapped());
}

TEST_F(TasksPaneTest, AClickOnATaskSendsItsCommandAndLabelsDoNotClick)
{
    Click(pane.GetTask(group, label)->m_rect.CenterPoint());
    EXPECT_TRUE(sink.commands.empty());

    const CPoint pt = pane.GetTask(group, task)->m_rect.TopLeft();
    pane.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x + 2, pt.y + 2));
    Click(CPoint(pt.x + 2, pt.y + 2));
    ASSERT_EQ(sink.commands.size(), 1u);
    EXPECT_EQ(sink.commands[0], 1014u);

    // Pressed on the task but released on the label: no command.
    pane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x + 2, pt.y + 2));
    const CPoint ptLabel = pane.GetTask(group, label)->m_rect.CenterPoint();
    pane.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptLabel.x, ptLabel.y));
    PumpPending();
    EXPECT_EQ(sink.commands.size(), 1u);
}
