// The list control: cell colours and fonts applied while the list paints (reflected custom draw),
// check boxes, column order and sub-item rectangles, selection walking, long texts and header sorting.
#include <gtest/gtest.h>

#include <vector>

#include "framework/controls/MFCListCtrl.h"
#include "tests/controls/ControlTestSupport.h"

namespace
{
const COLORREF kOddRow = RGB(227, 241, 253);
const COLORREF kRed = RGB(255, 0, 0);

// Odd rows shaded, column 1 in red, column 2 in a very wide font; rows compared by their data.
class PaintedList : public CMFCListCtrl
{
public:
    PaintedList()
    {
        LOGFONTW lf = {};
        lf.lfHeight = -12;
        lf.lfWidth = 40;
        ::lstrcpynW(lf.lfFaceName, L"Tahoma", LF_FACESIZE);
        m_fontWide.CreateFontIndirect(&lf);
    }
    COLORREF OnGetCellBkColor(int nRow, int) override { return nRow % 2 != 0 ? kOddRow : RGB(255, 255, 255); }
    COLORREF OnGetCellTextColor(int, int nColumn) override { return nColumn == 1 ? kRed : RGB(0, 0, 0); }
    HFONT OnGetCellFont(int, int nColumn, DWORD) override
    {
        return nColumn == 2 ? HFONT(m_fontWide) : nullptr;
    }
    int OnCompareItems(LPARAM lParam1, LPARAM lParam2, int) override
    {
        return static_cast<int>(lParam1) - static_cast<int>(lParam2);
    }
    CFont m_fontWide;
};

// A list that refuses to sort, as the shortcut list does.
class UnsortedList : public PaintedList
{
public:
    void Sort(int, BOOL, BOOL) override {}
};

template <class TList>
struct ListFixture
{
    ListFixture()
    {
        EXPECT_TRUE(
            list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                        CRect(0, 0, 560, 200), &host, 1004));
        list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
        list.InsertColumn(0, L"", LVCFMT_LEFT, 20);
        list.InsertColumn(1, L"No.", LVCFMT_LEFT, 60);
        list.InsertColumn(2, L"Name", LVCFMT_LEFT, 200);
        list.InsertColumn(3, L"Command", LVCFMT_LEFT, 200);
        const wchar_t* names[] = {L"c", L"a", L"b"};
        const int data[] = {30, 10, 20};
        for (int i = 0; i < 3; ++i)
        {
            EXPECT_EQ(i, list.InsertItem(i, L""));
            list.SetItemText(i, 1, L"88");
            list.SetItemText(i, 2, L"WW");
            list.SetItemText(i, 3, L"WW");
            list.SetItemText(i, 0, names[i]);
            list.SetItemData(i, static_cast<DWORD_PTR>(data[i]));
        }
    }
    // The list as it paints itself, into a memory canvas.
    void Paint(ControlCanvas& canvas)
    {
        list.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc.GetSafeHdc()),
                         PRF_CLIENT | PRF_ERASEBKGND);
    }
    HostWnd host;
    TList list;
};

int CountInk(ControlCanvas& canvas, const CRect& rect, COLORREF clrBk)
{
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            n += canvas.dc.GetPixel(x, y) != clrBk ? 1 : 0;
    return n;
}

int CountReddish(ControlCanvas& canvas, const CRect& rect)
{
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
        {
            const COLORREF c = canvas.dc.GetPixel(x, y);
            n += GetRValue(c) > 150 && GetGValue(c) < 110 && GetBValue(c) < 110 ? 1 : 0;
        }
    return n;
}
} // namespace

TEST(ListCtrl, CellColoursAndFontsComeFromTheVirtuals)
{
    ListFixture<PaintedList> f;
    ControlCanvas canvas(560, 200, RGB(1, 2, 3));
    f.Paint(canvas);

    CRect row0Cmd, row1Cmd, row1No, row1Name;
    ASSERT_TRUE(f.list.GetSubItemRect(0, 3, LVIR_BOUNDS, row0Cmd));
    ASSERT_TRUE(f.list.GetSubItemRect(1, 3, LVIR_BOUNDS, row1Cmd));
    ASSERT_TRUE(f.list.GetSubItemRect(1, 1, LVIR_BOUNDS, row1No));
    ASSERT_TRUE(f.list.GetSubItemRect(1, 2, LVIR_BOUNDS, row1Name));

    // Background: odd rows shaded, even rows white (sampled near each cell's right end, past any text).
    const CPoint p0(row0Cmd.right - 20, row0Cmd.CenterPoint().y);
    const CPoint p1(row1Cmd.right - 20, row1Cmd.CenterPoint().y);
    EXPECT_EQ(RGB(255, 255, 255), canvas.dc.GetPixel(p0.x, p0.y));
    EXPECT_EQ(kOddRow, canvas.dc.GetPixel(p1.x, p1.y));

    // Column 1's text is red.
    EXPECT_GT(CountReddish(canvas, row1No), 0);

    // Column 2 is drawn in the wide font: its "WW" reaches far to the right; column 3 right after it
    // is back in the list's own font, so its "WW" stays narrow.
    CRect nameFar(row1Name.left + 70, row1Name.top, row1Name.right, row1Name.bottom);
    CRect cmdFar(row1Cmd.left + 45, row1Cmd.top, row1Cmd.right, row1Cmd.bottom);
    EXPECT_GT(CountInk(canvas, nameFar, kOddRow), 0);
    EXPECT_EQ(0, CountInk(canvas, cmdFar, kOddRow));
}

TEST(ListCtrl, CheckBoxesColumnOrderAndSubItemRectangles)
{
    ListFixture<PaintedList> f;
    EXPECT_FALSE(f.list.GetCheck(1));
    EXPECT_TRUE(f.list.SetCheck(1, TRUE));
    EXPECT_TRUE(f.list.GetCheck(1));
    EXPECT_FALSE(f.list.GetCheck(0));
    f.list.SetCheck(1, FALSE);
    EXPECT_FALSE(f.list.GetCheck(1));

    // Display order 1, 2, 3, 0: the check column moves to the right end.
    const int order[] = {1, 2, 3, 0};
    ASSERT_TRUE(f.list.SetColumnOrderArray(4, order));
    int back[4] = {};
    ASSERT_TRUE(f.list.GetColumnOrderArray(back, 4));
    EXPECT_EQ(std::vector<int>(order, order + 4), std::vector<int>(back, back + 4));

    CRect rectNo, rectName, rectCmd;
    ASSERT_TRUE(f.list.GetSubItemRect(0, 1, LVIR_BOUNDS, rectNo));
    ASSERT_TRUE(f.list.GetSubItemRect(0, 2, LVIR_BOUNDS, rectName));
    ASSERT_TRUE(f.list.GetSubItemRect(0, 3, LVIR_BOUNDS, rectCmd));
    EXPECT_EQ(0, rectNo.left);
    EXPECT_EQ(60, rectName.left);
    EXPECT_EQ(260, rectCmd.left);
    EXPECT_EQ(200, rectCmd.Width());

    // The header the list hands out is its own, with the four columns.
    ASSERT_NE(nullptr, f.list.GetHeaderCtrl());
    EXPECT_EQ(4, f.list.GetHeaderCtrl()->GetItemCount());
    for (int i = f.list.GetHeaderCtrl()->GetItemCount() - 1; i >= 0; --i)
        EXPECT_TRUE(f.list.DeleteColumn(i));
    EXPECT_EQ(0, f.list.GetHeaderCtrl()->GetItemCount());
}

TEST(ListCtrl, SelectionWalkTextsAndData)
{
    ListFixture<PaintedList> f;
    POSITION pos = f.list.GetFirstSelectedItemPosition();
    EXPECT_EQ(nullptr, pos);

    // Row 0 is a valid selection: its position must not be the null position.
    f.list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    pos = f.list.GetFirstSelectedItemPosition();
    ASSERT_NE(nullptr, pos);
    EXPECT_EQ(0, f.list.GetNextSelectedItem(pos));
    EXPECT_EQ(nullptr, pos);

    f.list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED); // single selection: row 0 lets go
    pos = f.list.GetFirstSelectedItemPosition();
    EXPECT_EQ(2, f.list.GetNextSelectedItem(pos));
    EXPECT_EQ(nullptr, pos);
    EXPECT_EQ(2, f.list.GetNextItem(-1, LVNI_SELECTED));

    // A text longer than any first guess comes back whole.
    CString longText;
    for (int i = 0; i < 1000; ++i)
        longText += static_cast<wchar_t>(L'a' + i % 26);
    ASSERT_TRUE(f.list.SetItemText(1, 3, longText));
    EXPECT_EQ(longText, f.list.GetItemText(1, 3));
    EXPECT_EQ(CString(), f.list.GetItemText(7, 3)); // no such row

    EXPECT_EQ(10u, f.list.GetItemData(1));
    EXPECT_TRUE(f.list.DeleteItem(1));
    EXPECT_EQ(2, f.list.GetItemCount());
    EXPECT_EQ(20u, f.list.GetItemData(1));
    EXPECT_TRUE(f.list.DeleteAllItems());
    EXPECT_EQ(0, f.list.GetItemCount());
}

namespace
{
// What the header sends its list when a heading is clicked.
void ClickHeading(CListCtrl& list, int nColumn)
{
    NMHEADERW nm = {};
    nm.hdr.hwndFrom = list.GetHeaderCtrl()->GetSafeHwnd();
    nm.hdr.idFrom = 0;
    nm.hdr.code = HDN_ITEMCLICKW;
    nm.iItem = nColumn;
    list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
}

CString FirstColumn(CListCtrl& list)
{
    CString s;
    for (int i = 0; i < list.GetItemCount(); ++i)
        s += list.GetItemText(i, 0);
    return s;
}
} // namespace

TEST(ListCtrl, HeaderClickSortsThroughTheVirtuals)
{
    ListFixture<PaintedList> f;
    ClickHeading(f.list, 2);
    EXPECT_EQ(2, f.list.GetSortColumn());
    EXPECT_EQ(CString(L"abc"), FirstColumn(f.list)); // by item data: 10, 20, 30
    ClickHeading(f.list, 2);                         // the same heading again: descending
    EXPECT_FALSE(f.list.IsAscending());
    EXPECT_EQ(CString(L"cba"), FirstColumn(f.list));

    ListFixture<UnsortedList> g;
    ClickHeading(g.list, 2);
    EXPECT_EQ(CString(L"cab"), FirstColumn(g.list)); // rows stay in insertion order
}
