// A real list view's row height through SetListRowHeight.
#include "engine/SystemActions.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace
{
// Wine's list view recomputes its row height whenever the small image list changes, so there the
// height falls back once the kept list is put back; on Windows it stays.
bool RunningOnWine()
{
    HMODULE hNtdll = GetModuleHandleW(L"ntdll.dll");
    return hNtdll != nullptr && GetProcAddress(hNtdll, "wine_get_version") != nullptr;
}

// What the list view was given through LVM_SETIMAGELIST (LVSIL_SMALL), with the icon size at the time.
struct ImageListChange
{
    HIMAGELIST hList;
    int cx;
    int cy;
};
std::vector<ImageListChange> g_changes;

LRESULT CALLBACK RecordImageLists(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (msg == LVM_SETIMAGELIST && wParam == LVSIL_SMALL)
    {
        ImageListChange change = {reinterpret_cast<HIMAGELIST>(lParam), 0, 0};
        if (change.hList != nullptr)
            ImageList_GetIconSize(change.hList, &change.cx, &change.cy);
        g_changes.push_back(change);
    }
    return DefSubclassProc(hWnd, msg, wParam, lParam);
}

class ListRowHeightTest : public testing::Test
{
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        m_hList = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT, 0, 0, 300, 400, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hList);
        LVCOLUMNW col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = 200;
        col.pszText = const_cast<wchar_t*>(L"Name");
        SendMessageW(m_hList, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.pszText = const_cast<wchar_t*>(L"Row");
        SendMessageW(m_hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        g_changes.clear();
        ASSERT_TRUE(SetWindowSubclass(m_hList, RecordImageLists, 1, 0));
    }
    void TearDown() override
    {
        if (m_hList != nullptr)
        {
            RemoveWindowSubclass(m_hList, RecordImageLists, 1);
            DestroyWindow(m_hList);
        }
    }

    int RowHeight() const
    {
        RECT rc = {};
        rc.left = LVIR_BOUNDS;
        SendMessageW(m_hList, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rc));
        return rc.bottom - rc.top;
    }
    HIMAGELIST SmallImages() const
    {
        return reinterpret_cast<HIMAGELIST>(SendMessageW(m_hList, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    }

    HWND m_hList = nullptr;
};
} // namespace

TEST_F(ListRowHeightTest, RowsAreSizedByATemporaryListAndNoneIsLeftBehind)
{
    SetListRowHeight(m_hList, 40);
    ASSERT_EQ(2u, g_changes.size());
    EXPECT_EQ(1, g_changes[0].cx);
    EXPECT_EQ(40, g_changes[0].cy);
    EXPECT_EQ(nullptr, g_changes[1].hList) << "the list had no image list and is left without one";
    EXPECT_EQ(nullptr, SmallImages());
    if (!RunningOnWine())
    {
        EXPECT_GE(RowHeight(), 40);
    }
}

TEST_F(ListRowHeightTest, TheListsOwnImageListIsKept)
{
    HIMAGELIST hOwn = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    ASSERT_NE(nullptr, hOwn);
    SendMessageW(m_hList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(hOwn));
    g_changes.clear();

    SetListRowHeight(m_hList, 18);
    ASSERT_EQ(2u, g_changes.size());
    EXPECT_EQ(18, g_changes[0].cy);
    EXPECT_EQ(hOwn, g_changes[1].hList);
    EXPECT_EQ(hOwn, SmallImages());
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(hOwn, &cx, &cy)) << "the kept list is still alive";
    EXPECT_EQ(16, cy);

    SendMessageW(m_hList, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    ImageList_Destroy(hOwn);
}

TEST_F(ListRowHeightTest, ANegativeHeightMeansTheSmallIconHeight)
{
    SetListRowHeight(m_hList, -1);
    ASSERT_EQ(2u, g_changes.size());
    EXPECT_EQ(GetSystemMetrics(SM_CYSMICON), g_changes[0].cy);
}
