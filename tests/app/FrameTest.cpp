// The main frame, created with its view through the document template as at start-up: its bars,
// page commands with their check marks, Run and Stop with their update states, the tray icon's
// clicks and menu, hiding to the tray, the clipboard keys and the Exit commands.
#include "app/AppMessages.h"
#include "app/BrowserEdit.h"
#include "app/DlgInfo.h"
#include "app/KeystriderApp.h"
#include "app/KeystriderDoc.h"
#include "app/KeystriderView.h"
#include "app/MainFrame.h"
#include "app/ShortCutListCtrl.h"
#include "framework/window/CmdUI.h"
#include "framework/docview/DocTemplate.h"
#include "framework/controls/Menu.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/MainFrameFixture.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <vector>

namespace
{
class RecordingCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override { enabled = bOn; }
    void SetCheck(int nCheck) override { checked = nCheck; }
    int enabled = -1;
    int checked = -1;
};

std::vector<CString> g_menuItems;
UINT g_menuChoice = 0;

UINT ChooseFromMenu(HMENU hMenu, UINT, int, int, HWND)
{
    g_menuItems.clear();
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        wchar_t text[64] = {};
        ::GetMenuStringW(hMenu, i, text, 64, MF_BYPOSITION);
        g_menuItems.push_back(text);
    }
    return g_menuChoice;
}

// Whether the key combination of the store's first registrable shortcut is free for another taker
// (false while the view holds it as a hotkey); -1 when the store has no such shortcut.
int FirstHotKeyIsFree()
{
    for (ShortCutItem* pItem : theApp.m_ShortCutConfig.m_ShortCutList)
    {
        if (pItem == nullptr || !pItem->IsRegistrable())
            continue;
        UINT mods = pItem->m_wWinKey != 0 ? MOD_WIN : 0;
        mods |= (pItem->m_wModifiers & FCONTROL) ? MOD_CONTROL : 0;
        mods |= (pItem->m_wModifiers & FALT) ? MOD_ALT : 0;
        mods |= (pItem->m_wModifiers & FSHIFT) ? MOD_SHIFT : 0;
        const int kProbeId = 0x7FFF;
        if (!::RegisterHotKey(nullptr, kProbeId, mods, pItem->m_wVirtualKey))
            return 0;
        ::UnregisterHotKey(nullptr, kProbeId);
        return 1;
    }
    return -1;
}

CString TextOf(HWND hWnd)
{
    wchar_t text[256] = {};
    ::GetWindowTextW(hWnd, text, 256);
    return text;
}

void SetClipboardText(HWND hOwner, const wchar_t* pszText)
{
    ASSERT_TRUE(::OpenClipboard(hOwner));
    ::EmptyClipboard();
    const size_t nBytes = (wcslen(pszText) + 1) * sizeof(wchar_t);
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    memcpy(::GlobalLock(hData), pszText, nBytes);
    ::GlobalUnlock(hData);
    EXPECT_NE(::SetClipboardData(CF_UNICODETEXT, hData), nullptr);
    ::CloseClipboard();
}

CString ClipboardText()
{
    CString text;
    if (!::OpenClipboard(nullptr))
        return text;
    if (HANDLE hData = ::GetClipboardData(CF_UNICODETEXT))
    {
        text = static_cast<const wchar_t*>(::GlobalLock(hData));
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return text;
}

// Ctrl + a key typed into a window, through the message loop's pre-translation (the frame's
// accelerators) as the program's loop does it.
void TypeCtrlKey(HWND hWnd, UINT vk)
{
    BYTE saved[256] = {};
    ::GetKeyboardState(saved);
    BYTE keys[256] = {};
    memcpy(keys, saved, sizeof(keys));
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG msg = {hWnd, WM_KEYDOWN, vk, 1, 0, {0, 0}};
    if (!theApp.PreTranslateMessage(&msg))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    PumpPending();
    ::SetKeyboardState(saved);
}

// Answers the first message box that opens with No, after it has tried every way to end the
// program while the box is open.
HWND g_hFrameToExit = nullptr;
BOOL g_bFrameDisabledByBox = FALSE;
BOOL CALLBACK FindMessageBox(HWND hWnd, LPARAM lParam)
{
    wchar_t szClass[16] = {};
    ::GetClassNameW(hWnd, szClass, 16);
    if (::lstrcmpW(szClass, L"#32770") != 0 || !::IsWindowVisible(hWnd))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}
void CALLBACK ExitWhileTheBoxIsOpen(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    HWND hBox = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindMessageBox, reinterpret_cast<LPARAM>(&hBox));
    if (hBox == nullptr)
        return; // not open yet
    ::KillTimer(nullptr, idEvent);
    g_bFrameDisabledByBox = !::IsWindowEnabled(g_hFrameToExit);
    ::SendMessageW(g_hFrameToExit, WM_COMMAND, ID_TRAY_EXIT, 0);
    if (::IsWindow(g_hFrameToExit))
        ::SendMessageW(g_hFrameToExit, WM_COMMAND, ID_TOOL_EXIT, 0);
    if (::IsWindow(g_hFrameToExit))
        ::SendMessageW(g_hFrameToExit, WM_CLOSE, 0, 0);
    if (::IsWindow(hBox))
        ::PostMessageW(hBox, WM_COMMAND, IDNO, 0);
}

BOOL CALLBACK CountDialog(HWND hWnd, LPARAM lParam)
{
    wchar_t szClass[16] = {};
    ::GetClassNameW(hWnd, szClass, 16);
    if (::lstrcmpW(szClass, L"#32770") == 0)
        ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

// The top-level dialog windows of the test's thread (the pop-up is one), shown or not.
int CountThreadDialogs()
{
    int nCount = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountDialog, reinterpret_cast<LPARAM>(&nCount));
    return nCount;
}

class FrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = EnsureMainFrame();
        ASSERT_NE(m_pFrame, nullptr);
    }

    void Command(UINT id)
    {
        m_pFrame->SendMessage(WM_COMMAND, id, 0);
        PumpPending();
    }
    RecordingCmdUI Update(UINT id)
    {
        RecordingCmdUI ui;
        ui.m_nID = id;
        ui.DoUpdate(m_pFrame, FALSE);
        return ui;
    }
    bool ViewControlVisible(int id)
    {
        CWnd* pView = m_pFrame->GetActiveView();
        return pView != nullptr && ::IsWindowVisible(::GetDlgItem(pView->GetSafeHwnd(), id)) != FALSE;
    }
    std::vector<UINT> CheckedTabs()
    {
        m_pFrame->m_wndCategoryBar.OnUpdateCmdUI(m_pFrame, TRUE);
        std::vector<UINT> checked;
        for (int i = 0; i < m_pFrame->m_wndCategoryBar.GetCount(); ++i)
        {
            CMFCToolBarButton* pButton = m_pFrame->m_wndCategoryBar.GetButton(i);
            if ((pButton->m_nStyle & TBBS_CHECKED) != 0)
                checked.push_back(pButton->m_nID);
        }
        return checked;
    }

    CShortCutListCtrl* List()
    {
        CWnd* pView = m_pFrame->GetActiveView();
        return pView == nullptr
                   ? nullptr
                   : DYNAMIC_DOWNCAST(CShortCutListCtrl, CWnd::FromHandlePermanent(::GetDlgItem(
                                                             pView->GetSafeHwnd(), IDC_SHORTCUT_LIST)));
    }

    CMainFrame* m_pFrame = nullptr;
};
} // namespace

TEST_F(FrameTest, HasTheSkinBarsTheTrayMarkAndAFixedSize)
{
    EXPECT_EQ(m_pFrame->GetStyle() & WS_CAPTION, 0u);
    EXPECT_EQ(::GetPropW(m_pFrame->GetSafeHwnd(), L"Keystrider"), reinterpret_cast<HANDLE>(1));
    EXPECT_EQ(CKeystriderApp::FindFirstInstanceWindow(), m_pFrame->GetSafeHwnd());
    EXPECT_TRUE(m_pFrame->m_wndCaptionBar.IsWindowVisible());
    EXPECT_TRUE(m_pFrame->m_wndToolBar.IsWindowVisible());
    EXPECT_TRUE(m_pFrame->m_wndCategoryBar.IsWindowVisible());
    EXPECT_TRUE(m_pFrame->m_wndTasksPane.IsWindowVisible());
    ASSERT_NE(m_pFrame->m_wndMenuBar.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(m_pFrame->m_wndMenuBar.IsWindowVisible());
    for (const CSkinLinksBar& bar : m_pFrame->m_wndLinksBar)
        EXPECT_EQ(bar.GetSafeHwnd(), nullptr);

    std::vector<UINT> tools;
    for (int i = 0; i < m_pFrame->m_wndToolBar.GetCount(); ++i)
        if (!m_pFrame->m_wndToolBar.GetButton(i)->IsSeparator())
            tools.push_back(m_pFrame->m_wndToolBar.GetButton(i)->m_nID);
    EXPECT_EQ(tools, (std::vector<UINT>{ID_TRAY_PLAY, ID_TOOL_STOP, ID_TOOL_SHORTCUT, ID_TOOL_EXIT}));

    ASSERT_EQ(m_pFrame->m_wndCategoryBar.GetCount(), 4);
    const wchar_t* texts[] = {L"Shortcut", L"Windows Default", L"Options", L"About"};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_STREQ(m_pFrame->m_wndCategoryBar.GetButton(i)->m_strText, texts[i]);
        EXPECT_EQ(m_pFrame->m_wndCategoryBar.GetButton(i)->m_nID, static_cast<UINT>(ID_PAGE_SHORTCUT + i));
    }

    MINMAXINFO mmi = {};
    m_pFrame->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    EXPECT_EQ(mmi.ptMinTrackSize.x, KS_FRAME_WIDTH);
    EXPECT_EQ(mmi.ptMinTrackSize.y, KS_FRAME_HEIGHT);
    EXPECT_EQ(mmi.ptMaxTrackSize.x, KS_FRAME_WIDTH);
    EXPECT_EQ(mmi.ptMaxTrackSize.y, KS_FRAME_HEIGHT);
    EXPECT_NE(m_pFrame->m_pfnSetLayeredWindowAttributes, nullptr);
}

TEST_F(FrameTest, PageCommandsSwitchTheViewAndMoveTheCheckMark)
{
    Command(ID_PAGE_OPTIONS);
    EXPECT_EQ(m_pFrame->m_nCurrentPage, 2);
    EXPECT_TRUE(ViewControlVisible(IDC_CLOSE_TO_TRAY));
    EXPECT_TRUE(ViewControlVisible(IDC_PAGE_FRAME));
    EXPECT_FALSE(ViewControlVisible(IDC_SHORTCUT_LIST));
    EXPECT_FALSE(ViewControlVisible(IDC_NEW));
    EXPECT_FALSE(ViewControlVisible(IDC_MAKER_LINK));
    EXPECT_EQ(CheckedTabs(), (std::vector<UINT>{ID_PAGE_OPTIONS}));

    Command(ID_PAGE_ABOUT);
    EXPECT_TRUE(ViewControlVisible(IDC_MAKER_LINK));
    EXPECT_FALSE(ViewControlVisible(IDC_CLOSE_TO_TRAY));
    EXPECT_EQ(CheckedTabs(), (std::vector<UINT>{ID_PAGE_ABOUT}));

    Command(ID_PAGE_WINDOWS_DEFAULT);
    EXPECT_TRUE(ViewControlVisible(IDC_SHORTCUT_LIST));
    EXPECT_FALSE(ViewControlVisible(IDC_NEW));
    EXPECT_FALSE(ViewControlVisible(IDC_PAGE_FRAME));

    // The tool bar's "Shortcut" selects page 0, with its row of buttons.
    Command(ID_TOOL_SHORTCUT);
    EXPECT_EQ(m_pFrame->m_nCurrentPage, 0);
    EXPECT_TRUE(ViewControlVisible(IDC_NEW));
    EXPECT_TRUE(ViewControlVisible(IDC_SHORTCUT_LIST));
    EXPECT_EQ(CheckedTabs(), (std::vector<UINT>{ID_PAGE_SHORTCUT}));

    RecordingCmdUI ui = Update(ID_PAGE_LAST);
    EXPECT_EQ(ui.enabled, TRUE);
    EXPECT_EQ(ui.checked, 0);
}

TEST_F(FrameTest, RunAndStopToggleTheRunningFlagAndTheirEnabledStates)
{
    EXPECT_EQ(Update(ID_TRAY_PLAY).enabled, FALSE);
    EXPECT_EQ(Update(ID_TOOL_STOP).enabled, TRUE);
    EXPECT_EQ(Update(ID_TRAY_STOP).enabled, TRUE);
    ASSERT_NE(FirstHotKeyIsFree(), -1) << "the store has no shortcut with a key";
    EXPECT_EQ(FirstHotKeyIsFree(), 0); // the view holds the hotkeys

    Command(ID_TOOL_STOP);
    EXPECT_EQ(theApp.m_ShortCutConfig.m_bRunning, 0u);
    EXPECT_EQ(FirstHotKeyIsFree(), 1);
    EXPECT_EQ(Update(ID_TRAY_PLAY).enabled, TRUE);
    EXPECT_EQ(Update(ID_TOOL_STOP).enabled, FALSE);
    EXPECT_EQ(Update(ID_TRAY_STOP).enabled, FALSE);
    m_pFrame->m_wndToolBar.OnUpdateCmdUI(m_pFrame, TRUE);
    const int iStop = m_pFrame->m_wndToolBar.CommandToIndex(ID_TOOL_STOP);
    ASSERT_GE(iStop, 0);
    EXPECT_NE(m_pFrame->m_wndToolBar.GetButton(iStop)->m_nStyle & TBBS_DISABLED, 0u);

    Command(ID_TRAY_PLAY);
    EXPECT_EQ(theApp.m_ShortCutConfig.m_bRunning, 1u);
    EXPECT_EQ(FirstHotKeyIsFree(), 0);
    Command(ID_TRAY_STOP);
    EXPECT_EQ(theApp.m_ShortCutConfig.m_bRunning, 0u);
    // A disabled item's command is not carried out; called directly (as the command executor
    // does), the operation always toggles.
    Command(ID_TRAY_STOP);
    EXPECT_EQ(theApp.m_ShortCutConfig.m_bRunning, 0u);
    m_pFrame->OnStop();
    EXPECT_EQ(theApp.m_ShortCutConfig.m_bRunning, 1u);
}

TEST_F(FrameTest, MinimisingAndClosingToTheTrayHideTheWindow)
{
    m_pFrame->ShowWindow(SW_MINIMIZE);
    PumpPending();
    EXPECT_FALSE(m_pFrame->IsWindowVisible());

    // A double click on the icon shows the window restored, a second one hides it again.
    EXPECT_EQ(m_pFrame->SendMessage(WM_TRAYNOTIFY, IDR_MAINFRAME, WM_LBUTTONDBLCLK), 1);
    EXPECT_TRUE(m_pFrame->IsWindowVisible());
    EXPECT_FALSE(m_pFrame->IsIconic());
    m_pFrame->SendMessage(WM_TRAYNOTIFY, IDR_MAINFRAME, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(m_pFrame->IsWindowVisible());
    Command(ID_TRAY_SHOW_WINDOW);
    EXPECT_TRUE(m_pFrame->IsWindowVisible());
    EXPECT_EQ(m_pFrame->SendMessage(WM_TRAYNOTIFY, IDR_MAINFRAME, WM_MOUSEMOVE), 0);

    theApp.m_ShortCutConfig.m_nGeneralCloseToTray = 1;
    m_pFrame->SendMessage(WM_CLOSE);
    PumpPending();
    ASSERT_TRUE(::IsWindow(m_pFrame->GetSafeHwnd()));
    EXPECT_FALSE(m_pFrame->IsWindowVisible());
}

TEST_F(FrameTest, ThePopUpShowsFadesAndHidesWhileTheWindowIsInTheTray)
{
    // The frame owns the pop-up (no taskbar button of its own). The system hides an owner's pop-ups when
    // the owner is minimised and shows them again when it is restored; the pop-up goes its own way.
    auto* pView = DYNAMIC_DOWNCAST(CKeystriderView, m_pFrame->GetActiveView());
    ASSERT_NE(pView, nullptr);
    CDlgInfo* pInfo = pView->GetDlgInfo();
    ASSERT_NE(pInfo, nullptr);
    const HWND hInfo = pInfo->GetSafeHwnd();
    EXPECT_EQ(::GetWindow(hInfo, GW_OWNER), m_pFrame->GetSafeHwnd());

    CShortCutConfig& store = theApp.m_ShortCutConfig;
    const int nInfoTime = store.m_nInfoTime;
    store.m_nInfoTime = 300;
    const BYTE fullAlpha = CDlgInfo::OpacityToAlpha(store.m_nInfoTransparent);
    auto alpha = [hInfo]()
    {
        BYTE value = 0;
        DWORD flags = 0;
        return ::GetLayeredWindowAttributes(hInfo, nullptr, &value, &flags) ? value : 0;
    };
    auto hidden = [hInfo] { return !::IsWindowVisible(hInfo); };
    for (const char* pszWay : {"minimised", "closed"})
    {
        SCOPED_TRACE(pszWay);
        m_pFrame->ShowWindow(SW_SHOWNORMAL);
        m_pFrame->SetForegroundWindow();
        PumpPending();
        pView->PopupInfo(1, L"Before");
        ASSERT_TRUE(::IsWindowVisible(hInfo));
        if (pszWay[0] == 'm')
        {
            m_pFrame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0); // the caption bar's Minimize button
        }
        else
        {
            store.m_nGeneralCloseToTray = 1;
            m_pFrame->SendMessage(WM_CLOSE);
        }
        PumpPending();
        ASSERT_FALSE(m_pFrame->IsWindowVisible());
        EXPECT_TRUE(::IsWindowVisible(hInfo)) << "the pop-up went with the window instead of fading";
        EXPECT_TRUE(PumpUntil(hidden, 10000)) << "the pop-up stayed";

        pView->PopupInfo(1, L"In the tray");
        EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(hInfo) && alpha() == fullAlpha; }, 10000))
            << "alpha " << int(alpha());
        CRect rect;
        pInfo->GetWindowRect(&rect);
        EXPECT_EQ(::GetAncestor(::WindowFromPoint(rect.CenterPoint()), GA_ROOT), hInfo);
        EXPECT_TRUE(PumpUntil(hidden, 10000)) << "the pop-up stayed";
        EXPECT_FALSE(m_pFrame->IsWindowVisible());

        // Restored as the system restores a minimised window: a faded pop-up does not come back.
        m_pFrame->SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
        PumpPending();
        EXPECT_FALSE(::IsWindowVisible(hInfo)) << "a faded pop-up came back with the window";
    }
    store.m_nInfoTime = nInfoTime;
    store.m_nGeneralCloseToTray = 0;
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
}

TEST_F(FrameTest, TrayMenuOffersItsItemsAndSendsTheChoiceToTheFrame)
{
    AfxTrackPopupMenuHook oldHook = AfxSetTrackPopupMenuHook(&ChooseFromMenu);
    g_menuChoice = ID_TRAY_STOP;
    EXPECT_EQ(m_pFrame->SendMessage(WM_TRAYNOTIFY, IDR_MAINFRAME, WM_RBUTTONUP), 1);
    PumpPending();
    AfxSetTrackPopupMenuHook(oldHook);
    EXPECT_EQ(g_menuItems, (std::vector<CString>{L"Show Window", L"", L"Play", L"Stop", L"", L"Exit"}));
    EXPECT_EQ(theApp.m_ShortCutConfig.m_bRunning, 0u);
}

TEST_F(FrameTest, FilesDroppedOnAnotherPageBringTheShortcutPage)
{
    Command(ID_PAGE_OPTIONS);
    const wchar_t files[] = L"C:\\a.txt\0C:\\b.txt\0";
    HGLOBAL hDrop = ::GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof(files));
    ASSERT_NE(hDrop, nullptr);
    auto* pDrop = static_cast<DROPFILES*>(::GlobalLock(hDrop));
    pDrop->pFiles = sizeof(DROPFILES);
    pDrop->fWide = TRUE;
    memcpy(reinterpret_cast<BYTE*>(pDrop) + sizeof(DROPFILES), files, sizeof(files));
    ::GlobalUnlock(hDrop);
    m_pFrame->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop), 0); // the frame releases it
    EXPECT_EQ(m_pFrame->m_nCurrentPage, 0);
    EXPECT_TRUE(ViewControlVisible(IDC_NEW));
}

TEST_F(FrameTest, EditCommandsWithoutAnInPlaceEditDoNothing)
{
    for (UINT id : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO})
        Command(id);
    EXPECT_TRUE(::IsWindow(m_pFrame->GetSafeHwnd()));
}

TEST_F(FrameTest, ClipboardKeysReachTheListsInPlaceEditorAndTheSoundField)
{
    Command(ID_PAGE_SHORTCUT);
    CShortCutListCtrl* pList = List();
    ASSERT_NE(pList, nullptr);
    ASSERT_GT(pList->GetItemCount(), 0);
    const CString strName = pList->GetItemText(0, CShortCutListCtrl::kColumnName);
    ASSERT_FALSE(strName.IsEmpty());
    SetClipboardText(m_pFrame->GetSafeHwnd(), L"Louder");
    pList->SetFocus();
    Command(ID_EDIT_PASTE);
    EXPECT_FALSE(pList->IsEditing());
    EXPECT_STREQ(pList->GetItemText(0, CShortCutListCtrl::kColumnName), strName);

    CRect rect;
    pList->GetCellRect(0, CShortCutListCtrl::kColumnName, LVIR_BOUNDS, rect);
    pList->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    pList->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    PumpPending();
    ASSERT_TRUE(pList->IsEditing());
    HWND hEditor = pList->GetEditor()->GetSafeHwnd();
    ::SendMessageW(hEditor, EM_SETSEL, 0, -1);
    Command(ID_EDIT_COPY);
    EXPECT_STREQ(ClipboardText(), strName);
    Command(ID_EDIT_CUT);
    EXPECT_STREQ(TextOf(hEditor), L"");
    Command(ID_EDIT_UNDO);
    EXPECT_STREQ(TextOf(hEditor), strName);
    SetClipboardText(m_pFrame->GetSafeHwnd(), L"Louder");
    ::SendMessageW(hEditor, EM_SETSEL, 0, -1);
    TypeCtrlKey(hEditor, 'V');
    EXPECT_STREQ(TextOf(hEditor), L"Louder");
    // Escape: the cell keeps its name.
    ::SendMessageW(hEditor, WM_KEYDOWN, VK_ESCAPE, 1);
    ::SendMessageW(hEditor, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    PumpFor(20);
    EXPECT_FALSE(pList->IsEditing());
    EXPECT_STREQ(pList->GetItemText(0, CShortCutListCtrl::kColumnName), strName);

    Command(ID_PAGE_OPTIONS);
    HWND hSound = ::GetDlgItem(m_pFrame->GetActiveView()->GetSafeHwnd(), IDC_SOUND_FILE);
    ASSERT_NE(hSound, nullptr);
    const CString strSound = TextOf(hSound);
    ::SetFocus(hSound);
    ::SendMessageW(hSound, EM_SETSEL, 0, -1);
    TypeCtrlKey(hSound, 'V');
    EXPECT_STREQ(TextOf(hSound), L"Louder");
    Command(ID_EDIT_UNDO);
    EXPECT_STREQ(TextOf(hSound), strSound);
    Command(ID_PAGE_SHORTCUT);
}

TEST_F(FrameTest, NoExitWhileAMessageBoxOfTheViewIsOpen)
{
    // The view's delete question is open (a real message box) when the tray's Exit, the tool bar's
    // Exit and a close arrive: the view goes on after the answer, so the frame stays until then.
    Command(ID_PAGE_SHORTCUT);
    CShortCutListCtrl* pList = List();
    ASSERT_NE(pList, nullptr);
    const int nRows = pList->GetItemCount();
    ASSERT_GT(nRows, 0);
    pList->SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_pFrame->SetForegroundWindow();
    PumpPending();
    HWND hFrame = m_pFrame->GetSafeHwnd();
    g_hFrameToExit = hFrame;
    g_bFrameDisabledByBox = FALSE;
    const UINT_PTR idTimer = ::SetTimer(nullptr, 0, 100, &ExitWhileTheBoxIsOpen);
    m_pFrame->SendMessage(WM_COMMAND, IDC_DELETE, 0);
    ::KillTimer(nullptr, idTimer);
    PumpPending();
    EXPECT_TRUE(g_bFrameDisabledByBox);
    ASSERT_TRUE(::IsWindow(hFrame));
    EXPECT_TRUE(m_pFrame->IsWindowEnabled());
    EXPECT_EQ(pList->GetItemCount(), nRows); // answered No
}

TEST_F(FrameTest, CtrlNLeavesTheRunningWindowAlone)
{
    // The accelerators turn Ctrl+N into ID_FILE_NEW: the one document keeps its view, which is not set
    // up a second time (that would make a second pop-up and leave the first behind).
    CView* pView = m_pFrame->GetActiveView();
    ASSERT_NE(pView, nullptr);
    const int nDialogs = CountThreadDialogs();
    TypeCtrlKey(pView->GetSafeHwnd(), 'N');
    EXPECT_EQ(GetMainFrame(), m_pFrame);
    EXPECT_EQ(m_pFrame->GetActiveView(), pView);
    EXPECT_EQ(CountThreadDialogs(), nDialogs);
}

// Runs last in this suite: the frame is gone afterwards (a later test makes a new one).
TEST_F(FrameTest, ExitClosesTheFrameEvenWhenClosingGoesToTheTray)
{
    theApp.m_ShortCutConfig.m_nGeneralCloseToTray = 1;
    HWND hFrame = m_pFrame->GetSafeHwnd();
    m_pFrame->SendMessage(WM_COMMAND, ID_TRAY_EXIT, 0);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(CKeystriderApp::FindFirstInstanceWindow(), nullptr);
}
