// Commands and notifications of child controls: the child's own object sees them first (reflection),
// the parent's map next; menu and accelerator commands that an update handler disables are dropped.
#include <gtest/gtest.h>

#include "framework/window/CmdUI.h"
#include "framework/window/WndMessageMap.h"
#include "tests/window/WndTestSupport.h"

#include <commctrl.h>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_order;

const int IDC_LIST = 1004;
const int IDC_BUTTON = 1007;
const int IDC_EDIT = 1047;

class CReflectingChild : public CWnd
{
public:
    BOOL passDblClkOn = FALSE; // the _EX row lets the parent see the double click too
    void OnDblClk(NMHDR*, LRESULT* pResult)
    {
        g_order.push_back("child dblclk");
        *pResult = 5;
    }
    BOOL OnDblClkEx(NMHDR*, LRESULT*)
    {
        g_order.push_back("child dblclk ex");
        return !passDblClkOn;
    }
    void OnClicked() { g_order.push_back("child clicked"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
ON_NOTIFY_REFLECT(NM_CLICK, OnDblClk)
ON_NOTIFY_REFLECT_EX(NM_DBLCLK, OnDblClkEx)
ON_CONTROL_REFLECT(BN_DOUBLECLICKED, OnClicked)
END_MESSAGE_MAP()

class CParentWnd : public CWnd
{
public:
    BOOL exitEnabled = FALSE;
    void OnListClick(NMHDR*, LRESULT*) { g_order.push_back("parent click"); }
    void OnListDblClk(NMHDR* pNMHDR, LRESULT* pResult)
    {
        g_order.push_back("parent dblclk " + std::to_string(pNMHDR->idFrom));
        *pResult = 9;
    }
    void OnNew() { g_order.push_back("parent new"); }
    void OnButtonDoubleClicked() { g_order.push_back("parent double clicked"); }
    void OnKillFocusEdit() { g_order.push_back("parent edit killfocus"); }
    void OnExit() { g_order.push_back("parent exit"); }
    void OnUpdateExit(CCmdUI* pCmdUI) { pCmdUI->Enable(exitEnabled); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
ON_NOTIFY(NM_CLICK, IDC_LIST, OnListClick)
ON_NOTIFY(NM_DBLCLK, IDC_LIST, OnListDblClk)
ON_BN_CLICKED(IDC_BUTTON, OnNew)
ON_CONTROL(BN_DOUBLECLICKED, IDC_BUTTON, OnButtonDoubleClicked)
ON_EN_KILLFOCUS(IDC_EDIT, OnKillFocusEdit)
ON_COMMAND(32883, OnExit)
ON_UPDATE_COMMAND_UI(32883, OnUpdateExit)
END_MESSAGE_MAP()

struct Family
{
    CParentWnd parent;
    CReflectingChild list;
    HWND hButton = nullptr;
    HWND hEdit = nullptr;
    Family()
    {
        parent.CreateEx(0, nullptr, L"parent", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr);
        list.Create(WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &parent, IDC_LIST);
        hButton = ::CreateWindowExW(
            0, L"BUTTON", L"New", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 110, 0, 60, 20, parent.m_hWnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_BUTTON)), nullptr, nullptr);
        hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 110, 30, 60, 20, parent.m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_EDIT)), nullptr, nullptr);
    }
    ~Family() { parent.DestroyWindow(); }

    LRESULT Notify(UINT code)
    {
        NMHDR hdr = {list.m_hWnd, IDC_LIST, code};
        return parent.SendMessage(WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&hdr));
    }
};
} // namespace

TEST(WndReflectionTest, ReflectedNotificationsReachTheChildFirst)
{
    Family f;
    ASSERT_NE(nullptr, f.list.m_hWnd);
    EXPECT_EQ(f.parent.m_hWnd, ::GetParent(f.list.m_hWnd));

    g_order.clear();
    EXPECT_EQ(5, f.Notify(NM_CLICK)); // ON_NOTIFY_REFLECT keeps it from the parent
    EXPECT_EQ((std::vector<std::string>{"child dblclk"}), g_order);

    g_order.clear();
    EXPECT_EQ(0, f.Notify(NM_DBLCLK)); // the _EX handler took it
    f.list.passDblClkOn = TRUE;
    EXPECT_EQ(9, f.Notify(NM_DBLCLK));
    EXPECT_EQ((std::vector<std::string>{"child dblclk ex", "child dblclk ex", "parent dblclk 1004"}),
              g_order);
}

TEST(WndReflectionTest, ControlCommandsGoByCodeAndId)
{
    Family f;
    g_order.clear();
    ::SendMessageW(f.hButton, BM_CLICK, 0, 0); // a real click: the button sends BN_CLICKED
    f.parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDIT, EN_KILLFOCUS), reinterpret_cast<LPARAM>(f.hEdit));
    f.parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDIT, EN_SETFOCUS), reinterpret_cast<LPARAM>(f.hEdit));
    f.parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON, BN_DOUBLECLICKED),
                         reinterpret_cast<LPARAM>(f.hButton));
    // A command of the list's own, reflected: the child takes it and the parent never sees it.
    f.parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LIST, BN_DOUBLECLICKED),
                         reinterpret_cast<LPARAM>(f.list.m_hWnd));
    EXPECT_EQ((std::vector<std::string>{"parent new", "parent edit killfocus", "parent double clicked",
                                        "child clicked"}),
              g_order);
}

TEST(WndReflectionTest, DisabledMenuAndAcceleratorCommandsAreDropped)
{
    Family f;
    g_order.clear();
    f.parent.SendMessage(WM_COMMAND, MAKEWPARAM(32883, 1), 0); // accelerator, disabled
    EXPECT_TRUE(g_order.empty());
    f.parent.exitEnabled = TRUE;
    f.parent.SendMessage(WM_COMMAND, MAKEWPARAM(32883, 0), 0); // menu, enabled
    EXPECT_EQ((std::vector<std::string>{"parent exit"}), g_order);
}

TEST(WndReflectionTest, IdleUpdateOfAControlItem)
{
    Family f;
    CWnd* pButton = CWnd::FromHandle(f.hButton);
    CCmdUI item;
    item.m_nID = 32883;
    item.m_pOther = pButton;
    item.DoUpdate(&f.parent, TRUE);
    EXPECT_FALSE(::IsWindowEnabled(f.hButton));
    f.parent.exitEnabled = TRUE;
    item.DoUpdate(&f.parent, TRUE);
    EXPECT_TRUE(::IsWindowEnabled(f.hButton));
    AfxDeleteTempMaps();
}
