// Message maps of command targets: row order, chaining to the base class's map, ranges, and the idle
// update of items through CCmdUI.
#include <gtest/gtest.h>

#include "framework/window/CmdTarget.h"
#include "framework/window/CmdUI.h"

#include <string>
#include <vector>

namespace
{
class CBaseTarget : public CCmdTarget
{
public:
    std::vector<std::string> calls;
    void OnOpen() { calls.push_back("base open"); }
    void OnSave() { calls.push_back("base save"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
ON_COMMAND(100, OnOpen)
ON_COMMAND(101, OnSave)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget
{
public:
    BOOL running = FALSE;
    int page = -1;
    void OnOpenAgain() { calls.push_back("derived open"); }
    void OnFirstOpen() { calls.push_back("first open"); }
    void OnPage(UINT nID) { page = static_cast<int>(nID) - 200; }
    void OnUpdatePage(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetCheck(static_cast<int>(pCmdUI->m_nID) - 200 == page);
    }
    void OnUpdateStop(CCmdUI* pCmdUI) { pCmdUI->Enable(running); }
    void OnStop() {}
    void OnRun() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
ON_COMMAND(100, OnFirstOpen)
ON_COMMAND(100, OnOpenAgain)
ON_COMMAND_RANGE(200, 207, OnPage)
ON_UPDATE_COMMAND_UI_RANGE(200, 207, OnUpdatePage)
ON_COMMAND(300, OnStop)
ON_UPDATE_COMMAND_UI(300, OnUpdateStop)
ON_COMMAND(301, OnRun)
END_MESSAGE_MAP()

// Records what the update handlers decided.
class CRecordingCmdUI : public CCmdUI
{
public:
    int enabled = -1;
    int checked = -1;
    void Enable(BOOL bOn) override
    {
        enabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override { checked = nCheck; }
};
} // namespace

TEST(CmdRoutingTest, FirstRowOfTheMostDerivedMapWinsAndTheBaseMapFollows)
{
    CDerivedTarget target;
    EXPECT_TRUE(target.OnCmdMsg(100, CN_COMMAND, nullptr, nullptr));
    EXPECT_TRUE(target.OnCmdMsg(101, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(102, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ((std::vector<std::string>{"first open", "base save"}), target.calls);
}

TEST(CmdRoutingTest, RangesPassTheIdAndStopAtTheirBounds)
{
    CDerivedTarget target;
    EXPECT_TRUE(target.OnCmdMsg(203, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(3, target.page);
    EXPECT_TRUE(target.OnCmdMsg(207, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(7, target.page);
    EXPECT_FALSE(target.OnCmdMsg(208, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(199, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(7, target.page);
}

TEST(CmdRoutingTest, HandlerQueryFindsTheRowWithoutCallingIt)
{
    CDerivedTarget target;
    AFX_CMDHANDLERINFO info = {nullptr, nullptr};
    EXPECT_TRUE(target.OnCmdMsg(101, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(&target, info.pTarget);
    EXPECT_NE(nullptr, info.pEntry);
    EXPECT_TRUE(target.calls.empty());
}

TEST(CmdRoutingTest, UpdateHandlersSetEnabledAndChecked)
{
    CDerivedTarget target;
    target.OnCmdMsg(202, CN_COMMAND, nullptr, nullptr);

    CRecordingCmdUI current, other;
    current.m_nID = 202;
    other.m_nID = 205;
    EXPECT_TRUE(current.DoUpdate(&target, TRUE));
    EXPECT_TRUE(other.DoUpdate(&target, TRUE));
    EXPECT_EQ(1, current.enabled);
    EXPECT_EQ(1, current.checked);
    EXPECT_EQ(1, other.enabled);
    EXPECT_EQ(0, other.checked);

    CRecordingCmdUI stop;
    stop.m_nID = 300;
    stop.DoUpdate(&target, TRUE);
    EXPECT_EQ(0, stop.enabled);
    target.running = TRUE;
    stop.DoUpdate(&target, TRUE);
    EXPECT_EQ(1, stop.enabled);
}

TEST(CmdRoutingTest, ItemsWithoutUpdateHandlerFollowTheirCommandHandler)
{
    CDerivedTarget target;
    CRecordingCmdUI run, orphan, orphanKept;
    run.m_nID = 301;
    orphan.m_nID = 999;
    orphanKept.m_nID = 999;
    EXPECT_FALSE(run.DoUpdate(&target, TRUE));
    EXPECT_FALSE(orphan.DoUpdate(&target, TRUE));
    EXPECT_FALSE(orphanKept.DoUpdate(&target, FALSE));
    EXPECT_EQ(1, run.enabled);
    EXPECT_EQ(0, orphan.enabled);
    EXPECT_EQ(-1, orphanKept.enabled); // left as it was
}
