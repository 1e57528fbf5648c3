// The shortcut list control driven by real key and mouse messages: key capture with its modifier
// order, the Win key, Alt combinations, conflict questions on both roads, in-place editing ended by
// Enter, Escape and a click, the read-only page, the context menu and the header guards.
#include "app/BrowserEdit.h"
#include "app/LabelMessages.h"
#include "app/ShortCutListCtrl.h"
#include "framework/controls/Menu.h"
#include "framework/window/MessageBox.h"
#include "framework/window/WndMessageMap.h"
#include "tests/list/ListTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
const wchar_t kConflictText[] =
    L"The current accelerator conflict with \"%s %s\".\nYes, apply to the current item and "
    L"remove the conflicted item.\nNo, don't apply to the current item.";

// The view's place: records what the list posts and sends to its parent.
class ListParent : public CWnd
{
public:
    int m_nLabelEdits = 0;
    std::vector<UINT> m_commands;
    std::vector<NMITEMACTIVATE> m_dblClicks;

    LRESULT OnLabelEdit(WPARAM, LPARAM)
    {
        ++m_nLabelEdits;
        return 0;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (lParam == 0)
            m_commands.push_back(LOWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        const BOOL bHandled = CWnd::OnNotify(wParam, lParam, pResult);
        const auto* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        if (!bHandled && pNMHDR->code == NM_DBLCLK)
            m_dblClicks.push_back(*reinterpret_cast<const NMITEMACTIVATE*>(lParam));
        return bHandled;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ListParent, CWnd)
ON_REGISTERED_MESSAGE(WM_LABEL_EDIT, OnLabelEdit)
END_MESSAGE_MAP()

// The last pop-up menu tracked: its items, and the command to choose.
struct MenuRecord
{
    int nShown = 0;
    std::vector<UINT> ids;
    std::vector<std::wstring> texts;
    HWND hOwner = nullptr;
    UINT nChoose = 0;
};
MenuRecord g_menu;

UINT RecordMenu(HMENU hMenu, UINT, int, int, HWND hOwner)
{
    ++g_menu.nShown;
    g_menu.ids.clear();
    g_menu.texts.clear();
    g_menu.hOwner = hOwner;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        wchar_t szText[64] = {};
        ::GetMenuStringW(hMenu, i, szText, 64, MF_BYPOSITION);
        g_menu.ids.push_back(::GetMenuItemID(hMenu, i));
        g_menu.texts.push_back(szText);
    }
    return g_menu.nChoose;
}

class ShortCutListTest : public ::testing::Test
{
protected:
    // One visible parent for the suite: showing and destroying a top-level window costs seconds.
    static void SetUpTestSuite()
    {
        s_pParent = new ListParent;
        s_pParent->CreateEx(0, nullptr, L"list parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 900,
                            400, nullptr, nullptr);
    }
    static void TearDownTestSuite()
    {
        s_pParent->DestroyWindow();
        delete s_pParent;
        s_pParent = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(s_pParent->GetSafeHwnd(), nullptr);
        s_pParent->m_nLabelEdits = 0;
        s_pParent->m_commands.clear();
        s_pParent->m_dblClicks.clear();
        InstallMessageBoxAnswers();
        m_previousMenuHook = AfxSetTrackPopupMenuHook(&RecordMenu);
        g_menu = MenuRecord();

        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT |
                                      LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS,
                                  CRect(0, 0, 880, 380), s_pParent, 1004));
        m_list.SetExtendedStyle(m_list.GetExtendedStyle() | 0x425);
        m_list.InsertColumn(0, L"", LVCFMT_FIXED_WIDTH, 20);
        m_list.InsertColumn(1, L"No.", LVCFMT_FIXED_WIDTH, 30);
        m_list.InsertColumn(2, L"Name", LVCFMT_CENTER, 100);
        m_list.InsertColumn(3, L"Command", LVCFMT_CENTER, 250);
        m_list.InsertColumn(4, L"Short Cut", LVCFMT_CENTER, 150);
        const wchar_t* rows[][3] = {{L"Volume Up", L"Volume Up", L"Alt + Up"},
                                    {L"Notepad", L"notepad.exe", L"Ctrl + Alt + N"},
                                    {L"Mute", L"Mute", L"Shift + Ctrl + M"},
                                    {L"Calc", L"calc.exe", L""}};
        for (int i = 0; i < 4; ++i)
        {
            m_list.InsertItem(i, L"");
            CString strNumber;
            strNumber.Format(L"%d", i + 1);
            m_list.SetItemText(i, 1, strNumber);
            m_list.SetItemText(i, 2, rows[i][0]);
            m_list.SetItemText(i, 3, rows[i][1]);
            m_list.SetItemText(i, 4, rows[i][2]);
        }
        s_pParent->SetForegroundWindow();
        m_list.SetFocus();
        PumpPending();
    }

    void TearDown() override
    {
        m_list.DestroyWindow();
        PumpPending();
        AfxSetTrackPopupMenuHook(m_previousMenuHook);
        AfxSetMessageBoxHook(nullptr);
    }

    void Select(int nRow)
    {
        m_list.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    CString Key(int nRow) { return m_list.GetItemText(nRow, 4); }

    // A key as the list receives it: its down and up messages (sys messages while Alt is held).
    void Press(UINT vk, bool bSys = false)
    {
        m_list.SendMessage(bSys ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, 1);
        PumpPending();
        m_list.SendMessage(bSys ? WM_SYSKEYUP : WM_KEYUP, vk, 0xC0000001);
        PumpPending();
    }

    // A double click on a cell, by its centre.
    void DoubleClick(int nRow, int nColumn)
    {
        CRect rect;
        m_list.GetCellRect(nRow, nColumn, LVIR_BOUNDS, rect);
        const CPoint pt = rect.CenterPoint();
        m_list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        PumpPending();
    }

    void TypeIntoEditor(const wchar_t* pszText)
    {
        CBrowserEdit* pEditor = m_list.GetEditor();
        ASSERT_NE(pEditor, nullptr);
        pEditor->SetWindowText(L"");
        for (const wchar_t* p = pszText; *p != L'\0'; ++p)
            pEditor->SendMessage(WM_CHAR, *p, 1);
    }

    void EditorKey(UINT vk)
    {
        CBrowserEdit* pEditor = m_list.GetEditor();
        pEditor->SendMessage(WM_KEYDOWN, vk, 1);
        pEditor->SendMessage(WM_KEYUP, vk, 0xC0000001);
        PumpFor(20);
    }

    static ListParent* s_pParent;
    CShortCutListCtrl m_list;
    AfxTrackPopupMenuHook m_previousMenuHook = nullptr;
};
ListParent* ShortCutListTest::s_pParent = nullptr;

CString ConflictText(const wchar_t* pszNumber, const wchar_t* pszName)
{
    CString str;
    str.Format(kConflictText, pszNumber, pszName);
    return str;
}
} // namespace

TEST_F(ShortCutListTest, CapturesCombinationsInCtrlShiftAltOrderAndIgnoresLoneModifiers)
{
    Select(3);
    {
        HeldKeys held({VK_CONTROL, VK_SHIFT});
        Press(VK_CONTROL);
        Press(VK_SHIFT);
        EXPECT_EQ(CString(L""), Key(3)) << "modifiers alone capture nothing";
        EXPECT_EQ(0, s_pParent->m_nLabelEdits);
        m_list.SendMessage(WM_KEYDOWN, VK_F5, 1);
        EXPECT_EQ(CString(L"Ctrl + Shift + F5"), Key(3));
    }
    PumpPending();
    EXPECT_EQ(1, s_pParent->m_nLabelEdits);

    // Arrows are captured too: they never move the selection of an editable list.
    m_list.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(CString(L"Down"), Key(3));
    EXPECT_EQ(3, m_list.GetNextItem(-1, LVNI_SELECTED));

    // A key without a name and no modifier empties the cell; with Ctrl the text ends in the separator.
    m_list.SendMessage(WM_KEYDOWN, VK_NUMPAD0, 1);
    EXPECT_EQ(CString(L""), Key(3));
    {
        HeldKeys held({VK_CONTROL});
        m_list.SendMessage(WM_KEYDOWN, VK_NUMPAD0, 1);
        EXPECT_EQ(CString(L"Ctrl + "), Key(3));
    }

    // Without a selected row nothing is captured.
    m_list.SetItemState(3, 0, LVIS_SELECTED);
    PumpPending();
    s_pParent->m_nLabelEdits = 0;
    m_list.SendMessage(WM_KEYDOWN, 'Q', 1);
    PumpPending();
    EXPECT_EQ(0, s_pParent->m_nLabelEdits);
    for (int i = 0; i < 4; ++i)
        EXPECT_NE(CString(L"Q"), Key(i));
}

TEST_F(ShortCutListTest, WinKeyFlagLastsFromItsKeyDownToItsKeyUp)
{
    Select(3);
    m_list.SendMessage(WM_KEYDOWN, VK_LWIN, 1);
    m_list.SendMessage(WM_KEYDOWN, 'K', 1);
    EXPECT_EQ(CString(L"Win + K"), Key(3));
    {
        HeldKeys held({VK_CONTROL});
        m_list.SendMessage(WM_KEYDOWN, 'K', 1);
        EXPECT_EQ(CString(L"Win + Ctrl + K"), Key(3));
    }
    m_list.SendMessage(WM_KEYUP, VK_RWIN, 0xC0000001);
    m_list.SendMessage(WM_KEYDOWN, 'K', 1);
    EXPECT_EQ(CString(L"K"), Key(3));

    // An Alt combination never starts with Win.
    m_list.SendMessage(WM_KEYDOWN, VK_RWIN, 1);
    {
        HeldKeys held({VK_MENU});
        m_list.SendMessage(WM_SYSKEYDOWN, 'K', 0x20000001);
    }
    EXPECT_EQ(CString(L"Alt + K"), Key(3));
    m_list.SendMessage(WM_KEYUP, VK_RWIN, 0xC0000001);
}

TEST_F(ShortCutListTest, AltF4IsCapturedOrDroppedButNeverClosesTheWindow)
{
    Select(3);
    {
        HeldKeys held({VK_MENU});
        m_list.SendMessage(WM_SYSKEYDOWN, VK_MENU, 0x20000001);
        EXPECT_EQ(CString(L""), Key(3));
        m_list.SendMessage(WM_SYSKEYDOWN, VK_F4, 0x20000001);
        EXPECT_EQ(CString(L"Alt + F4"), Key(3));
        m_list.SetItemState(3, 0, LVIS_SELECTED);
        m_list.SendMessage(WM_SYSKEYDOWN, VK_F4, 0x20000001);
    }
    PumpFor(20);
    EXPECT_TRUE(::IsWindow(s_pParent->GetSafeHwnd()));
    EXPECT_EQ(1, s_pParent->m_nLabelEdits);
}

TEST_F(ShortCutListTest, CapturedConflictAsksOnKeyUpAndFollowsTheAnswer)
{
    // Yes: the other row's key goes, the capture stays.
    Select(3);
    MessageBoxes().answers = {IDYES};
    {
        HeldKeys held({VK_MENU});
        m_list.SendMessage(WM_SYSKEYDOWN, VK_UP, 0x20000001);
    }
    EXPECT_EQ(CString(L"Alt + Up"), Key(3));
    m_list.SendMessage(WM_SYSKEYUP, VK_UP, 0xE0000001);
    ASSERT_EQ(1u, MessageBoxes().texts.size());
    EXPECT_EQ(std::wstring(ConflictText(L"1", L"Volume Up")), MessageBoxes().texts[0]);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), MessageBoxes().types[0]);
    EXPECT_EQ(CString(L""), Key(0));
    EXPECT_EQ(CString(L"Alt + Up"), Key(3));

    // No after a plain capture: the key the row had before comes back.
    m_list.SetItemText(3, 4, L"F9");
    {
        HeldKeys held({VK_CONTROL});
        m_list.SendMessage(WM_KEYDOWN, 'N', 1);
    }
    m_list.SendMessage(WM_KEYUP, 'N', 0xC0000001); // "Ctrl + N" is no one's key: no question
    EXPECT_EQ(1u, MessageBoxes().texts.size());
    m_list.SetItemText(1, 4, L"Ctrl + N");
    m_list.SendMessage(WM_KEYUP, VK_CONTROL, 0xC0000001);
    ASSERT_EQ(2u, MessageBoxes().texts.size());
    EXPECT_EQ(std::wstring(ConflictText(L"2", L"Notepad")), MessageBoxes().texts[1]);
    EXPECT_EQ(CString(L"F9"), Key(3));
    EXPECT_EQ(CString(L"Ctrl + N"), Key(1));

    // No after an Alt capture: nothing was saved, so the key is emptied.
    {
        HeldKeys held({VK_MENU});
        m_list.SendMessage(WM_SYSKEYDOWN, VK_UP, 0x20000001);
        m_list.SetItemText(2, 4, L"Alt + Up");
        m_list.SendMessage(WM_SYSKEYUP, VK_UP, 0xE0000001);
    }
    ASSERT_EQ(3u, MessageBoxes().texts.size());
    EXPECT_EQ(CString(L""), Key(3));
    EXPECT_EQ(CString(L"Alt + Up"), Key(2));

    // Every capture and every answer reaches the view, which carries it into the store.
    PumpPending();
    EXPECT_EQ(3 + 3, s_pParent->m_nLabelEdits);
}

TEST_F(ShortCutListTest, KeysHeldDownOrReleasedElsewhereLeaveNoStaleCapture)
{
    // A key held long enough repeats its key-down over the row's own capture; "No" still puts back
    // the key the row had before the press.
    Select(3);
    m_list.SetItemText(3, 4, L"F9");
    m_list.SendMessage(WM_KEYDOWN, VK_F5, 1);
    m_list.SendMessage(WM_KEYDOWN, VK_F5, 0x40000001);
    m_list.SendMessage(WM_KEYDOWN, VK_F5, 0x40000001);
    EXPECT_EQ(CString(L"F5"), Key(3));
    m_list.SetItemText(1, 4, L"F5");
    MessageBoxes().answers = {IDNO};
    m_list.SendMessage(WM_KEYUP, VK_F5, 0xC0000001);
    ASSERT_EQ(1u, MessageBoxes().texts.size());
    EXPECT_EQ(CString(L"F9"), Key(3));
    EXPECT_EQ(CString(L"F5"), Key(1));

    // A Windows key whose key-up went to another window (the focus left while it was held) is not
    // still taken as held when the list has the focus again.
    m_list.SendMessage(WM_KEYDOWN, VK_LWIN, 1);
    s_pParent->SetFocus();
    m_list.SetFocus();
    m_list.SendMessage(WM_KEYDOWN, 'K', 1);
    EXPECT_EQ(CString(L"K"), Key(3));
}

TEST_F(ShortCutListTest, ConflictSearchIgnoresCaseAndTheRowItselfAndPrefersTheLastRow)
{
    m_list.SetItemText(3, 4, L"alt + up");
    EXPECT_EQ(3, m_list.FindKeyConflict(0, L"ALT + UP"));
    EXPECT_EQ(0, m_list.FindKeyConflict(3, L"Alt + Up"));
    EXPECT_EQ(-1, m_list.FindKeyConflict(1, L""));
    EXPECT_EQ(-1, m_list.FindKeyConflict(1, nullptr));
    EXPECT_EQ(-1, m_list.FindKeyConflict(4, L"Alt + Up"));
    EXPECT_EQ(-1, m_list.FindKeyConflict(-1, L"Alt + Up"));
    // A plain text comparison: another modifier order is another text.
    EXPECT_EQ(-1, m_list.FindKeyConflict(0, L"Ctrl + Shift + M"));
}

TEST_F(ShortCutListTest, EnterCommitsTheCanonicalKeyAndEscapeCancels)
{
    DoubleClick(3, 4);
    ASSERT_TRUE(m_list.IsEditing());
    CBrowserEdit* pEditor = m_list.GetEditor();
    CRect rectEditor, rectCell;
    pEditor->GetWindowRect(&rectEditor);
    m_list.ScreenToClient(&rectEditor);
    m_list.GetCellRect(3, 4, LVIR_BOUNDS, rectCell);
    EXPECT_EQ(rectCell, rectEditor);
    EXPECT_EQ(CWnd::GetFocus(), pEditor);
    EXPECT_EQ(CMFCEditBrowseCtrl::BrowseMode_None, pEditor->GetMode());

    TypeIntoEditor(L"ctrl+a");
    EditorKey(VK_RETURN);
    EXPECT_FALSE(m_list.IsEditing());
    EXPECT_EQ(CString(L"Ctrl + A"), Key(3));
    EXPECT_EQ(1, s_pParent->m_nLabelEdits);
    EXPECT_TRUE(MessageBoxes().texts.empty());

    // Escape: the cell keeps its text and nothing is posted, not even by the later loss of focus.
    DoubleClick(2, 2);
    ASSERT_TRUE(m_list.IsEditing());
    TypeIntoEditor(L"Renamed");
    EditorKey(VK_ESCAPE);
    EXPECT_FALSE(m_list.IsEditing());
    m_list.SetFocus();
    PumpFor(20);
    EXPECT_EQ(CString(L"Mute"), m_list.GetItemText(2, 2));
    EXPECT_EQ(1, s_pParent->m_nLabelEdits);

    // Emptying a key never asks.
    DoubleClick(0, 4);
    TypeIntoEditor(L"");
    EditorKey(VK_RETURN);
    EXPECT_EQ(CString(L""), Key(0));
    EXPECT_TRUE(MessageBoxes().texts.empty());
}

TEST_F(ShortCutListTest, EditedKeyConflictAsksAndPostsWhateverTheAnswer)
{
    MessageBoxes().answers = {IDNO, IDYES};
    DoubleClick(3, 4);
    TypeIntoEditor(L"ctrl + ALT+ n");
    EditorKey(VK_RETURN);
    ASSERT_EQ(1u, MessageBoxes().texts.size());
    EXPECT_EQ(std::wstring(ConflictText(L"2", L"Notepad")), MessageBoxes().texts[0]);
    EXPECT_EQ(CString(L""), Key(3));
    EXPECT_EQ(CString(L"Ctrl + Alt + N"), Key(1));
    EXPECT_EQ(1, s_pParent->m_nLabelEdits);

    DoubleClick(3, 4);
    TypeIntoEditor(L"Alt+Ctrl+N");
    EditorKey(VK_RETURN);
    ASSERT_EQ(2u, MessageBoxes().texts.size());
    EXPECT_EQ(CString(L"Ctrl + Alt + N"), Key(3));
    EXPECT_EQ(CString(L""), Key(1));
    EXPECT_EQ(2, s_pParent->m_nLabelEdits);
}

TEST_F(ShortCutListTest, ClickOnTheListCommitsAndBrowseButtonOnlyOnCommandAndSound)
{
    DoubleClick(1, 3);
    ASSERT_TRUE(m_list.IsEditing());
    EXPECT_EQ(CMFCEditBrowseCtrl::BrowseMode_File, m_list.GetEditor()->GetMode());
    TypeIntoEditor(L"\"C:\\Tools\\edit.exe\" /x");
    CRect rect;
    m_list.GetCellRect(0, 2, LVIR_BOUNDS, rect);
    m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 5, rect.top + 3));
    m_list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.left + 5, rect.top + 3));
    PumpFor(20);
    EXPECT_FALSE(m_list.IsEditing());
    EXPECT_EQ(CString(L"\"C:\\Tools\\edit.exe\" /x"), m_list.GetItemText(1, 3));
    EXPECT_EQ(1, s_pParent->m_nLabelEdits);

    // The row number is not edited: the double click reaches the parent, as does one under the rows.
    DoubleClick(2, 1);
    EXPECT_FALSE(m_list.IsEditing());
    m_list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(300, 360));
    PumpPending();
    ASSERT_EQ(2u, s_pParent->m_dblClicks.size());
    EXPECT_EQ(2, s_pParent->m_dblClicks[0].iItem);
    EXPECT_EQ(1, s_pParent->m_dblClicks[0].iSubItem);
    EXPECT_EQ(-1, s_pParent->m_dblClicks[1].iItem);

    // The check column is editable too; its editor ends where the number column begins.
    DoubleClick(0, 0);
    ASSERT_TRUE(m_list.IsEditing());
    CRect rectCheck, rectNumber;
    m_list.GetCellRect(0, 0, LVIR_BOUNDS, rectCheck);
    m_list.GetSubItemRect(0, 1, LVIR_BOUNDS, rectNumber);
    EXPECT_EQ(rectNumber.left, rectCheck.right);
    EditorKey(VK_ESCAPE);
}

TEST_F(ShortCutListTest, ReadOnlyPageNavigatesButNeverEditsCapturesOrShowsAMenu)
{
    m_list.SetReadOnly(TRUE);
    Select(0);
    m_list.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    PumpPending();
    EXPECT_EQ(1, m_list.GetNextItem(-1, LVNI_SELECTED));
    m_list.SendMessage(WM_KEYDOWN, 'K', 1);
    m_list.SendMessage(WM_KEYUP, 'K', 0xC0000001);
    EXPECT_EQ(CString(L"Ctrl + Alt + N"), Key(1));

    DoubleClick(1, 2);
    EXPECT_FALSE(m_list.IsEditing());
    EXPECT_EQ(1u, s_pParent->m_dblClicks.size());

    m_list.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_list.GetSafeHwnd()), MAKELPARAM(20, 20));
    EXPECT_EQ(0, g_menu.nShown);
    PumpPending();
    EXPECT_EQ(0, s_pParent->m_nLabelEdits);
    EXPECT_EQ(0, m_list.SendMessage(WM_GETDLGCODE, VK_TAB, 0) & DLGC_WANTALLKEYS);

    m_list.SetReadOnly(FALSE);
    EXPECT_NE(0, m_list.SendMessage(WM_GETDLGCODE, VK_TAB, 0) & DLGC_WANTALLKEYS);
}

TEST_F(ShortCutListTest, ContextMenuOffersRowCommandsOnlyWithASelection)
{
    g_menu.nChoose = 1026;
    m_list.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_list.GetSafeHwnd()), MAKELPARAM(20, 20));
    ASSERT_EQ(1, g_menu.nShown);
    EXPECT_EQ(std::vector<UINT>({1007}), g_menu.ids);
    EXPECT_EQ(std::vector<std::wstring>({L"New"}), g_menu.texts);

    Select(2);
    m_list.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_list.GetSafeHwnd()), MAKELPARAM(20, 20));
    ASSERT_EQ(2, g_menu.nShown);
    EXPECT_EQ(std::vector<UINT>({1043, 0, 1007, 1008, 1026}), g_menu.ids);
    EXPECT_EQ(std::vector<std::wstring>({L"Execute", L"", L"New", L"Delete", L"Empty key"}), g_menu.texts);
    EXPECT_EQ(s_pParent->GetSafeHwnd(), g_menu.hOwner);
    PumpPending();
    EXPECT_EQ(std::vector<UINT>({1026, 1026}), s_pParent->m_commands);
}

TEST_F(ShortCutListTest, HeaderKeepsColumnZeroAndNeverSorts)
{
    CHeaderCtrl* pHeader = m_list.GetHeaderCtrl();
    HDITEMW item = {};
    NMHEADERW nm = {};
    nm.pitem = &item;
    nm.hdr.hwndFrom = pHeader->GetSafeHwnd();
    nm.hdr.idFrom = 0;
    nm.iButton = 0;
    for (UINT code : {HDN_BEGINTRACKW, HDN_DIVIDERDBLCLICKW})
    {
        nm.hdr.code = code;
        nm.iItem = 0;
        EXPECT_EQ(1, m_list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm)));
        nm.iItem = 2;
        EXPECT_EQ(0, m_list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm)));
    }
    nm.hdr.code = HDN_ITEMCLICKW;
    nm.iItem = 2;
    m_list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
    const wchar_t* names[] = {L"Volume Up", L"Notepad", L"Mute", L"Calc"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(CString(names[i]), m_list.GetItemText(i, 2));

    // The list's own label editor is refused, whatever the list-view style asks for.
    m_list.SendMessage(LVM_EDITLABELW, 1, 0);
    EXPECT_EQ(nullptr, reinterpret_cast<HWND>(m_list.SendMessage(LVM_GETEDITCONTROL)));
}
