// The skin tool bar's pressed images: the pressed strip appended to the shared list, and a pressed
// button drawn from it while the other states keep the bar's own lists.
#include "res/resource.h"
#include "skin/SkinToolBar.h"
#include "tests/skin/SkinTestSupport.h"

#include <gtest/gtest.h>

namespace
{
// Every pixel of rect on the two canvases is the same.
bool SamePixels(const PixelCanvas& a, const PixelCanvas& b, const CRect& rect)
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (a.At(x, y) != b.At(x, y))
                return false;
    return true;
}
} // namespace

TEST(PressedImages, PressedButtonIsDrawnFromTheSharedPressedStrip)
{
    SkinManagerScope skin;
    CommandSink host;
    CSkinToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&host, TBSTYLE_FLAT, 0x5040280A, CRect(1, 1, 1, 1), AFX_IDW_TOOLBAR));
    EXPECT_EQ(bar.GetPaneStyle() & (CBRS_GRIPPER | CBRS_BORDER_ANY), 0u);
    EXPECT_FALSE(bar.GetGrayDisabledButtons());

    const int before = g_SkinToolBarImages.GetCount();
    ASSERT_TRUE(bar.LoadButtonImages(IDR_MAINFRAME, IDB_TOOLBAR_COLD, IDB_TOOLBAR_MENU, FALSE,
                                     IDB_TOOLBAR_DISABLED, 0, IDB_TOOLBAR_HOT, 0));
    EXPECT_EQ(g_SkinToolBarImages.GetCount(), before); // no pressed strip asked for
    ASSERT_EQ(before, 0) << "the shared list is filled by this test only";
    ASSERT_TRUE(bar.LoadButtonImages(IDR_MAINFRAME, IDB_TOOLBAR_COLD, IDB_TOOLBAR_MENU, FALSE,
                                     IDB_TOOLBAR_DISABLED, 0, IDB_TOOLBAR_HOT, IDB_TOOLBAR_PRESSED));
    EXPECT_GE(g_SkinToolBarImages.GetCount(), 4);
    EXPECT_FALSE(bar.LoadButtonImages(IDR_MAINFRAME, 0, 0, FALSE, 0, 0, 0, 9999)); // a missing strip

    CMFCToolBarButton* pButton = bar.GetButton(bar.CommandToIndex(ID_TOOL_STOP));
    ASSERT_NE(pButton, nullptr);
    const CRect rect = pButton->Rect();
    ASSERT_FALSE(rect.IsRectEmpty());
    const CRect inner(rect.left + 3, rect.top + 3, rect.right - 3, rect.bottom - 3);

    PixelCanvas normal(rect.right + 4, rect.bottom + 4), pressed(rect.right + 4, rect.bottom + 4),
        released(rect.right + 4, rect.bottom + 4);
    for (PixelCanvas* canvas : {&normal, &pressed, &released})
        canvas->Fill(RGB(1, 2, 3));
    bar.DrawButton(&normal.dc, pButton, bar.GetImages(), FALSE, FALSE);
    pButton->m_nStyle |= TBBS_PRESSED;
    bar.DrawButton(&pressed.dc, pButton, bar.GetImages(), FALSE, FALSE);
    pButton->m_nStyle &= ~TBBS_PRESSED;
    bar.DrawButton(&released.dc, pButton, bar.GetImages(), FALSE, FALSE);

    EXPECT_FALSE(SamePixels(normal, pressed, inner));
    EXPECT_TRUE(SamePixels(normal, released, inner));
}
