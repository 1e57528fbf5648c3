// The view's pages: which controls each page shows, where the list stands, and the two lists' filling.
#include "tests/view/ViewFixture.h"

#include "framework/controls/HeaderCtrl.h"
#include "res/resource.h"

#include <map>
#include <vector>

namespace
{
const int kRowButtons[] = {IDC_NEW,
                           IDC_DELETE,
                           IDC_MOVE_UP,
                           IDC_MOVE_DOWN,
                           IDC_EMPTY_KEY,
                           IDC_RESET_TO_DEFAULT,
                           IDC_EXPORT_CONFIGURATION,
                           IDC_IMPORT_CONFIGURATION};
const int kOptionControls[] = {IDC_STARTUP_WITH_WINDOWS,
                               IDC_HIDE_TO_TRAY_AT_START,
                               IDC_CLOSE_TO_TRAY,
                               IDC_PROMPT_ON_THE_HOUR,
                               IDC_PROMPT_NAME,
                               IDC_CHECK_VERSION_GROUP,
                               IDC_CHECK_NEVER,
                               IDC_CHECK_EVERY_DAY,
                               IDC_CHECK_EVERY_WEEK,
                               IDC_CHECK_NOW,
                               IDC_UPDATE_LINK,
                               IDC_PROMPT_DIALOG_GROUP,
                               IDC_TRANSPARENT_LABEL,
                               IDC_TIME_LABEL,
                               IDC_TRANSPARENT_VALUE,
                               IDC_TIME_VALUE,
                               IDC_PERCENT_LABEL,
                               IDC_MS_LABEL,
                               IDC_TRANSPARENT_SLIDER,
                               IDC_TIME_SLIDER,
                               IDC_SOUND_GROUP,
                               IDC_PLAY_SOUND,
                               IDC_ASSIGN_DIFFERENT_SOUND,
                               IDC_SOUND_FILE};
const int kAboutControls[] = {IDC_ABOUT_ICON, IDC_MAKER_LINK, IDC_BUILD_TIME, IDC_VERSION_TEXT,
                              IDC_LEGAL_NOTICE};

class PageTest : public ViewTest
{
protected:
    // Visibility of every child of the form, by id, and the list's rectangle in the form.
    std::map<int, bool> Snapshot()
    {
        std::map<int, bool> shown;
        for (HWND h = ::GetWindow(m_pView->GetSafeHwnd(), GW_CHILD); h != nullptr;
             h = ::GetWindow(h, GW_HWNDNEXT))
            shown[::GetDlgCtrlID(h)] = ::IsWindowVisible(h) != FALSE;
        return shown;
    }
    RECT ListRect()
    {
        RECT rc = {};
        ::GetWindowRect(Control(IDC_SHORTCUT_LIST), &rc);
        ::MapWindowPoints(nullptr, m_pView->GetSafeHwnd(), reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    template <size_t N>
    void ExpectShown(const int (&ids)[N], bool bShown, int nPage)
    {
        for (int nID : ids)
            EXPECT_EQ(Visible(nID), bShown) << "control " << nID << " on page " << nPage;
    }
    int Columns() { return Header_GetItemCount(ListView_GetHeader(Control(IDC_SHORTCUT_LIST))); }
    int Rows() { return ListView_GetItemCount(Control(IDC_SHORTCUT_LIST)); }
    CString Cell(int nRow, int nColumn)
    {
        wchar_t szText[256] = {};
        ListView_GetItemText(Control(IDC_SHORTCUT_LIST), nRow, nColumn, szText, 256);
        return szText;
    }
    int ColumnWidth(int nColumn) { return ListView_GetColumnWidth(Control(IDC_SHORTCUT_LIST), nColumn); }
    LPARAM RowData(int nRow)
    {
        LVITEMW item = {};
        item.mask = LVIF_PARAM;
        item.iItem = nRow;
        ListView_GetItem(Control(IDC_SHORTCUT_LIST), &item);
        return item.lParam;
    }
    int Selected() { return ListView_GetNextItem(Control(IDC_SHORTCUT_LIST), -1, LVNI_SELECTED); }
    void Select(int nRow)
    {
        ListView_SetItemState(Control(IDC_SHORTCUT_LIST), -1, 0, LVIS_SELECTED);
        ListView_SetItemState(Control(IDC_SHORTCUT_LIST), nRow, LVIS_SELECTED, LVIS_SELECTED);
    }
};
} // namespace

TEST_F(PageTest, EachPageShowsItsControlsAndHidesTheOthers)
{
    for (int nPage : {2, 0, 3, 1, 2})
    {
        m_pView->ShowPage(nPage);
        ExpectShown(kRowButtons, nPage == 0, nPage);
        ExpectShown(kOptionControls, nPage == 2, nPage);
        ExpectShown(kAboutControls, nPage == 3, nPage);
        EXPECT_EQ(Visible(IDC_SHORTCUT_LIST), nPage <= 1) << "page " << nPage;
        EXPECT_EQ(Visible(IDC_PAGE_FRAME), nPage >= 2) << "page " << nPage;
        if (nPage <= 1)
        {
            EXPECT_EQ(ListRect().top, nPage == 0 ? 65 : 10);
        }
        if (nPage >= 2)
        {
            wchar_t szTitle[32] = {};
            ::GetWindowTextW(Control(IDC_PAGE_FRAME), szTitle, 32);
            EXPECT_STREQ(szTitle, nPage == 2 ? L"Options" : L"About");
        }
    }
}

TEST_F(PageTest, PagesOutsideZeroToThreeChangeNothing)
{
    for (int nStart : {0, 2})
    {
        m_pView->ShowPage(nStart);
        const std::map<int, bool> before = Snapshot();
        const RECT rcBefore = ListRect();
        const int nRows = Rows();
        for (int nPage : {4, -1, 100})
        {
            m_pView->ShowPage(nPage);
            EXPECT_EQ(Snapshot(), before) << "page " << nPage << " after page " << nStart;
            EXPECT_EQ(ListRect().top, rcBefore.top);
            EXPECT_EQ(Rows(), nRows);
        }
    }
}

TEST_F(PageTest, WindowsDefaultListIsTheSeventeenRowTable)
{
    m_pView->ShowPage(1);
    ASSERT_EQ(Columns(), 4);
    EXPECT_EQ(ColumnWidth(0), 0);
    EXPECT_EQ(ColumnWidth(3), 400);
    ASSERT_EQ(Rows(), 17);
    EXPECT_EQ(Cell(0, 1), L"1");
    EXPECT_EQ(Cell(0, 2), L"Alt + PrtScn");
    EXPECT_EQ(Cell(16, 1), L"17");
    EXPECT_EQ(Cell(16, 2), L"Win + \"+\"");
    EXPECT_EQ(Cell(16, 3), L"Zoom in screen (Win 7)");
    EXPECT_EQ(RowData(5), 0);
}

TEST_F(PageTest, ShortcutListFollowsTheStoreAndTheSoundSetting)
{
    CShortCutConfig& store = Store();
    store.LoadDefaultShortCuts();
    store.m_nGenAssignASound = 0;
    m_pView->ShowPage(0);
    ASSERT_EQ(Columns(), 5);
    EXPECT_EQ(ColumnWidth(0), 0);
    ASSERT_EQ(Rows(), static_cast<int>(store.m_ShortCutList.size()));
    const ShortCutItem* pFirst = store.m_ShortCutList.front();
    EXPECT_EQ(Cell(0, 1), L"1");
    EXPECT_EQ(Cell(0, 2), pFirst->m_pszName);
    EXPECT_EQ(Cell(0, 4), pFirst->FormatHotKey());
    EXPECT_EQ(RowData(0), reinterpret_cast<LPARAM>(pFirst));

    store.m_nGenAssignASound = 1;
    m_pView->ShowPage(0);
    ASSERT_EQ(Columns(), 6);
    EXPECT_EQ(ColumnWidth(0), 20);
    int order[6] = {};
    ListView_GetColumnOrderArray(Control(IDC_SHORTCUT_LIST), 6, order);
    EXPECT_EQ(std::vector<int>(order, order + 6), (std::vector<int>{1, 2, 3, 4, 0, 5}));
    store.m_nGenAssignASound = 0;
    m_pView->ShowPage(0);
}

TEST_F(PageTest, TheSelectedRowSurvivesAPageSwitchWhenStillInRange)
{
    CShortCutConfig& store = Store();
    store.LoadDefaultShortCuts();
    for (int i = 0; i < 10; ++i)
    {
        ShortCutItem* pItem = new ShortCutItem;
        pItem->m_pszName = _wcsdup(L"extra");
        store.m_ShortCutList.push_back(pItem);
    }
    m_pView->ShowPage(0);
    ASSERT_GE(Rows(), 20);
    Select(4);
    m_pView->ShowPage(1);
    EXPECT_EQ(Selected(), 4);
    m_pView->ShowPage(0);
    EXPECT_EQ(Selected(), 4);

    Select(19);
    m_pView->ShowPage(1);
    EXPECT_EQ(Selected(), -1);
    m_pView->ShowPage(0);
    EXPECT_EQ(Selected(), -1);

    store.LoadDefaultShortCuts();
    m_pView->ShowPage(0);
}
