// The message loop: pre-translation through the window tree, idle update of the main window, and the
// end of the loop when the main window is destroyed.
#include <gtest/gtest.h>

#include "framework/window/WinThread.h"
#include "framework/window/WndMessageMap.h"
#include "tests/window/WndTestSupport.h"

#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_seen;

class CChildWnd : public CWnd
{
public:
    void OnKeyDown(UINT nChar, UINT, UINT) { g_seen.push_back("child key " + std::to_string(nChar)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CChildWnd, CWnd)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

class CMainWnd : public CWnd
{
public:
    int idleUpdates = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        // Takes F6 like an accelerator; everything else goes on.
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F6)
        {
            g_seen.push_back("main translated F6");
            return TRUE;
        }
        return FALSE;
    }
    LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
    {
        if (++idleUpdates == 1)
            PostMessage(WM_CLOSE); // the first idle ends the test's loop
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMainWnd, CWnd)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

class CLoopThread : public CWinThread
{
public:
    int idleCalls = 0;
    BOOL OnIdle(LONG lCount) override
    {
        ++idleCalls;
        return CWinThread::OnIdle(lCount);
    }
};
} // namespace

TEST(MessageLoopTest, KeysPassThePreTranslateChainAndTheMainWindowsEndEndsTheLoop)
{
    CLoopThread thread;
    CWinThread* previous = AfxGetThread();
    AfxSetThread(&thread);

    CMainWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, L"main", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr));
    CChildWnd child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 50, 50), &main, 1));
    thread.m_pMainWnd = &main;
    HWND hMain = main.m_hWnd;

    g_seen.clear();
    ::PostMessageW(child.m_hWnd, WM_KEYDOWN, VK_F6, 0);
    ::PostMessageW(child.m_hWnd, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(0, thread.Run());

    EXPECT_EQ((std::vector<std::string>{"main translated F6", "child key 65"}), g_seen);
    EXPECT_GE(main.idleUpdates, 1);
    EXPECT_GE(thread.idleCalls, 1);
    EXPECT_FALSE(::IsWindow(hMain));
    EXPECT_EQ(nullptr, thread.m_pMainWnd);
    AfxSetThread(previous);
}
