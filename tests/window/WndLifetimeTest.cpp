// Window objects: binding at creation, unbinding at WM_NCDESTROY, subclassing existing windows,
// temporary wrappers, and destruction of an object whose window still exists.
#include <gtest/gtest.h>

#include "framework/window/WndMessageMap.h"
#include "tests/window/WndTestSupport.h"

#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_log;

class CLifeWnd : public CWnd
{
public:
    BOOL failCreate = FALSE;
    BOOL deleteSelf = FALSE;
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        g_log.push_back("create " +
                        std::to_string(m_hWnd != nullptr && CWnd::FromHandlePermanent(m_hWnd) == this));
        if (failCreate)
            return -1;
        return CWnd::OnCreate(lpcs);
    }
    void OnDestroy()
    {
        g_log.push_back("destroy");
        CWnd::OnDestroy();
    }

protected:
    void PostNcDestroy() override
    {
        g_log.push_back("postncdestroy " + std::to_string(m_hWnd == nullptr));
        if (deleteSelf)
            delete this;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLifeWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

// Counts the keys its window receives; used to subclass a system edit control.
class CKeyCounter : public CWnd
{
public:
    int chars = 0;
    LRESULT OnChar(WPARAM, LPARAM)
    {
        ++chars;
        return Default(); // the edit control still types the character
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeyCounter, CWnd)
ON_MESSAGE(WM_CHAR, OnChar)
END_MESSAGE_MAP()

HWND CreatePopup(CWnd& wnd)
{
    wnd.CreateEx(0, nullptr, L"test", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr);
    return wnd.m_hWnd;
}
} // namespace

TEST(WndLifetimeTest, CreationBindsFromTheFirstMessageAndNcDestroyUnbinds)
{
    g_log.clear();
    auto* pWnd = new CLifeWnd;
    pWnd->deleteSelf = TRUE;
    HWND hWnd = CreatePopup(*pWnd);
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(pWnd, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(pWnd, CWnd::FromHandle(hWnd));

    EXPECT_TRUE(pWnd->DestroyWindow()); // PostNcDestroy deletes the object
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ((std::vector<std::string>{"create 1", "destroy", "postncdestroy 1"}), g_log);
}

TEST(WndLifetimeTest, FailedCreationLeavesNoBoundWindow)
{
    g_log.clear();
    CLifeWnd wnd;
    wnd.failCreate = TRUE;
    EXPECT_EQ(nullptr, CreatePopup(wnd));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    ASSERT_FALSE(g_log.empty());
    EXPECT_EQ("postncdestroy 1", g_log.back());
    // The object can try again.
    wnd.failCreate = FALSE;
    EXPECT_NE(nullptr, CreatePopup(wnd));
    EXPECT_TRUE(wnd.DestroyWindow());
}

namespace
{
// Creates, in its own WM_CREATE, a system control without an object, then a child of ours, then
// another system control.
class CNestingWnd : public CWnd
{
public:
    HWND hPlainBefore = nullptr;
    HWND hPlainAfter = nullptr;
    CLifeWnd child;
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CWnd::OnCreate(lpcs) == -1)
            return -1;
        hPlainBefore =
            ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, m_hWnd, nullptr, nullptr, nullptr);
        child.CreateEx(0, nullptr, L"child", WS_CHILD, 0, 0, 20, 20, m_hWnd, nullptr);
        hPlainAfter =
            ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, m_hWnd, nullptr, nullptr, nullptr);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestingWnd, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()
} // namespace

// Windows made while another one is being created: each object gets its own window, windows made
// without an object stay unbound, and creating goes on working afterwards.
TEST(WndLifetimeTest, WindowsCreatedDuringAnothersCreationBindOnlyTheirOwnObjects)
{
    g_log.clear();
    CNestingWnd outer;
    ASSERT_NE(nullptr, CreatePopup(outer));
    EXPECT_EQ(&outer, CWnd::FromHandlePermanent(outer.m_hWnd));
    ASSERT_NE(nullptr, outer.child.m_hWnd);
    EXPECT_EQ(&outer.child, CWnd::FromHandlePermanent(outer.child.m_hWnd));
    ASSERT_NE(nullptr, outer.hPlainBefore);
    ASSERT_NE(nullptr, outer.hPlainAfter);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(outer.hPlainBefore));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(outer.hPlainAfter));
    EXPECT_EQ((std::vector<std::string>{"create 1"}), g_log); // the child was bound at its WM_CREATE

    CLifeWnd next;
    ASSERT_NE(nullptr, CreatePopup(next));
    EXPECT_EQ(&next, CWnd::FromHandlePermanent(next.m_hWnd));
    EXPECT_TRUE(next.DestroyWindow());
    EXPECT_TRUE(outer.DestroyWindow());
}

TEST(WndLifetimeTest, DeletingTheObjectFirstUnbindsThenDestroysTheWindow)
{
    g_log.clear();
    auto* pWnd = new CLifeWnd;
    HWND hWnd = CreatePopup(*pWnd);
    ASSERT_NE(nullptr, hWnd);
    g_log.clear();
    delete pWnd;
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_TRUE(g_log.empty()); // neither OnDestroy nor PostNcDestroy reached the dying object
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WndLifetimeTest, SubclassingTakesAnExistingControlOnceAndGivesItBack)
{
    ForeignWindow parent(nullptr, L"STATIC");
    HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 80, 20, parent.hWnd,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(1047)), nullptr, nullptr);
    ASSERT_NE(nullptr, hEdit);
    CWnd parentWnd;
    ASSERT_TRUE(parentWnd.Attach(parent.hWnd));

    CKeyCounter counter;
    ASSERT_TRUE(counter.SubclassDlgItem(1047, &parentWnd));
    CKeyCounter second;
    EXPECT_FALSE(second.SubclassWindow(hEdit)); // one object per window
    EXPECT_FALSE(counter.SubclassDlgItem(1048, &parentWnd));

    ::SendMessageW(hEdit, WM_CHAR, L'a', 1);
    ::SendMessageW(hEdit, WM_CHAR, L'b', 1);
    EXPECT_EQ(2, counter.chars);
    CString text;
    counter.GetWindowText(text);
    EXPECT_STREQ(L"ab", text);

    EXPECT_EQ(hEdit, counter.UnsubclassWindow());
    ::SendMessageW(hEdit, WM_CHAR, L'c', 1);
    EXPECT_EQ(2, counter.chars);
    parentWnd.GetDlgItemText(1047, text);
    EXPECT_STREQ(L"abc", text); // the control works on with its own procedure
    EXPECT_EQ(parent.hWnd, parentWnd.Detach());
}

TEST(WndLifetimeTest, ForeignWindowsGetOneTemporaryWrapperUntilIdle)
{
    ForeignWindow foreign;
    CWnd* pFirst = CWnd::FromHandle(foreign.hWnd);
    ASSERT_NE(nullptr, pFirst);
    EXPECT_EQ(foreign.hWnd, pFirst->m_hWnd);
    EXPECT_EQ(pFirst, CWnd::FromHandle(foreign.hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(foreign.hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));

    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(foreign.hWnd)); // releasing a wrapper never destroys the window
    CWnd* pAgain = CWnd::FromHandle(foreign.hWnd);
    ASSERT_NE(nullptr, pAgain);
    EXPECT_EQ(foreign.hWnd, pAgain->m_hWnd);
    AfxDeleteTempMaps();
}

TEST(WndLifetimeTest, AttachedWindowsAreMappedButNotTakenOver)
{
    ForeignWindow foreign;
    CLifeWnd wnd;
    ASSERT_TRUE(wnd.Attach(foreign.hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandle(foreign.hWnd));
    CLifeWnd other;
    EXPECT_FALSE(other.Attach(foreign.hWnd));
    g_log.clear();
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_TRUE(g_log.empty()); // its messages never went through the object
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(foreign.hWnd));
}

namespace
{
WNDPROC g_chained = nullptr;
int g_outerCalls = 0;

// A later subclass by someone else, on top of ours.
LRESULT CALLBACK OuterProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR)
        ++g_outerCalls;
    return ::CallWindowProcW(g_chained, hWnd, message, wParam, lParam);
}
} // namespace

TEST(WndLifetimeTest, AControlSubclassedAgainAfterUsKeepsWorkingWhenOurObjectGoes)
{
    ForeignWindow parent(nullptr, L"STATIC");
    HWND hEdit =
        ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 80, 20, parent.hWnd, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hEdit);
    {
        CKeyCounter counter;
        ASSERT_TRUE(counter.SubclassWindow(hEdit));
        g_chained = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterProc)));
        ::SendMessageW(hEdit, WM_CHAR, L'x', 1);
        EXPECT_EQ(1, counter.chars);
        // The object goes while our procedure is still inside the other subclass's chain.
        EXPECT_EQ(hEdit, counter.UnsubclassWindow());
    }
    g_outerCalls = 0;
    ::SendMessageW(hEdit, WM_CHAR, L'y', 1);
    EXPECT_EQ(1, g_outerCalls);
    wchar_t text[8] = {};
    ::GetWindowTextW(hEdit, text, 8);
    EXPECT_STREQ(L"xy", text); // the edit control's own procedure still types
    ::SetWindowLongPtrW(hEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_chained));
}
