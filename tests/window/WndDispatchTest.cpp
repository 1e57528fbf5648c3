// Window-message dispatch: chaining to the base class's map, typed parameters, registered messages,
// the default procedure for what no row takes, and no exception leaving a window procedure.
#include <gtest/gtest.h>

#include "framework/window/WndMessageMap.h"
#include "tests/window/WndTestSupport.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace
{
const UINT WM_TEST_REGISTERED = ::RegisterWindowMessageW(L"Ks Test Registered");

class CBaseWnd : public CWnd
{
public:
    std::vector<std::string> log;
    void OnSize(UINT nType, int cx, int cy)
    {
        log.push_back("base size " + std::to_string(nType) + " " + std::to_string(cx) + "x" +
                      std::to_string(cy));
    }
    void OnTimer(UINT_PTR nIDEvent) { log.push_back("base timer " + std::to_string(nIDEvent)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
ON_WM_SIZE()
ON_WM_TIMER()
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd
{
public:
    BOOL throwOnTimer = FALSE;
    void OnTimer(UINT_PTR nIDEvent)
    {
        if (throwOnTimer)
            throw std::runtime_error("handler failure");
        log.push_back("derived timer " + std::to_string(nIDEvent));
        CBaseWnd::OnTimer(nIDEvent);
    }
    void OnHotKey(UINT nHotKeyId, UINT nKey1, UINT nKey2)
    {
        log.push_back("hotkey " + std::to_string(nHotKeyId) + " " + std::to_string(nKey1) + " " +
                      std::to_string(nKey2));
    }
    void OnContextMenu(CWnd* pWnd, CPoint pos)
    {
        log.push_back("context " + std::to_string(pWnd == this) + " " + std::to_string(pos.x) + "," +
                      std::to_string(pos.y));
    }
    LRESULT OnRegistered(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }
    LRESULT OnUser(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam * 2); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
ON_WM_TIMER()
ON_WM_HOTKEY()
ON_WM_CONTEXTMENU()
ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, OnRegistered)
ON_MESSAGE(WM_USER + 11, OnUser)
END_MESSAGE_MAP()

class CThrowingCreate : public CWnd
{
public:
    int OnCreate(LPCREATESTRUCT) { throw std::runtime_error("cannot create"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingCreate, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

struct DerivedWindow
{
    CDerivedWnd wnd;
    DerivedWindow() { wnd.CreateEx(0, nullptr, L"dispatch", WS_POPUP, 0, 0, 120, 80, nullptr, nullptr); }
    ~DerivedWindow() { wnd.DestroyWindow(); }
};
} // namespace

TEST(WndDispatchTest, DerivedRowsComeFirstAndTheBaseMapTakesTheRest)
{
    DerivedWindow w;
    ASSERT_NE(nullptr, w.wnd.m_hWnd);
    w.wnd.log.clear();
    w.wnd.SendMessage(WM_TIMER, 1000);
    w.wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(753, 570));
    EXPECT_EQ((std::vector<std::string>{"derived timer 1000", "base timer 1000", "base size 0 753x570"}),
              w.wnd.log);
}

TEST(WndDispatchTest, ParametersAreCrackedFromTheMessage)
{
    DerivedWindow w;
    w.wnd.log.clear();
    w.wnd.SendMessage(WM_HOTKEY, 3, MAKELPARAM(MOD_ALT, VK_UP));
    w.wnd.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w.wnd.m_hWnd), MAKELPARAM(-5, 40));
    EXPECT_EQ((std::vector<std::string>{"hotkey 3 1 38", "context 1 -5,40"}), w.wnd.log);
    EXPECT_EQ(7, w.wnd.SendMessage(WM_TEST_REGISTERED, 3, 4));
    EXPECT_EQ(42, w.wnd.SendMessage(WM_USER + 11, 21));
}

TEST(WndDispatchTest, MessagesWithoutRowReachTheDefaultProcedure)
{
    DerivedWindow w;
    w.wnd.SetWindowText(L"Keystrider");
    CString text;
    w.wnd.GetWindowText(text);
    EXPECT_STREQ(L"Keystrider", text);
    EXPECT_EQ(10, w.wnd.GetWindowTextLength());
    // WM_USER+12 has no row: the default procedure answers 0.
    EXPECT_EQ(0, w.wnd.SendMessage(WM_USER + 12, 5, 5));
}

TEST(WndDispatchTest, NoExceptionLeavesTheWindowProcedure)
{
    DerivedWindow w;
    w.wnd.throwOnTimer = TRUE;
    w.wnd.log.clear();
    EXPECT_EQ(0, w.wnd.SendMessage(WM_TIMER, 7));
    EXPECT_TRUE(w.wnd.log.empty());
    w.wnd.throwOnTimer = FALSE;
    w.wnd.SendMessage(WM_TIMER, 8); // the window goes on working
    EXPECT_EQ("base timer 8", w.wnd.log.back());

    CThrowingCreate failing;
    EXPECT_FALSE(failing.CreateEx(0, nullptr, L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(nullptr, failing.m_hWnd);
}

TEST(WndDispatchTest, StyleWrappersChangeOnlyTheGivenBits)
{
    DerivedWindow w;
    EXPECT_TRUE(w.wnd.ModifyStyle(0, WS_CLIPCHILDREN | WS_CAPTION));
    EXPECT_EQ(static_cast<DWORD>(WS_CLIPCHILDREN | WS_CAPTION),
              w.wnd.GetStyle() & (WS_CLIPCHILDREN | WS_CAPTION));
    EXPECT_TRUE(w.wnd.ModifyStyle(WS_CAPTION, 0, SWP_FRAMECHANGED));
    EXPECT_EQ(0u, w.wnd.GetStyle() & WS_CAPTION);
    EXPECT_NE(0u, w.wnd.GetStyle() & WS_CLIPCHILDREN);
    EXPECT_FALSE(w.wnd.ModifyStyle(WS_CAPTION, 0)); // nothing to change
    EXPECT_TRUE(w.wnd.ModifyStyleEx(0, WS_EX_TOOLWINDOW));
    EXPECT_NE(0u, w.wnd.GetExStyle() & WS_EX_TOOLWINDOW);
}
