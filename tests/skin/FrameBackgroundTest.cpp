// The frame background behind the skin's bars: one cached picture, each bar copying its own slice,
// the category bar's lightened bands, and the fills of the other bars.
#include "framework/docview/FrameWnd.h"
#include "framework/bars/PopupMenu.h"
#include "skin/SkinCategoryBar.h"
#include "skin/SkinLinksBar.h"
#include "skin/SkinToolBar.h"
#include "tests/skin/SkinTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kPaper = RGB(1, 2, 3);
const int kWidth = 200;

// A frame with skin bars placed at given client positions (the skin reads a bar's place in its
// top-level frame).
class BarsHost : public CFrameWnd
{
public:
    BarsHost() { Create(nullptr, L"host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)); }
    ~BarsHost() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }
    void PostNcDestroy() override {} // owned by the test
    template <class TBar>
    BOOL Place(TBar& bar, UINT nID, const CRect& rect)
    {
        if (!bar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), nID))
            return FALSE;
        bar.MoveWindow(rect, FALSE);
        return TRUE;
    }
};

// The skin's manager with its picture loaded and cached for a strip of kWidth x 100.
struct CachedManager
{
    CSkinVisualManager manager;
    PixelCanvas screen{kWidth, 100};
    CachedManager()
    {
        manager.OnUpdateSystemColors();
        CSkinToolBar unplaced; // the first bar paint loads the picture
        manager.OnFillBarBackground(&screen.dc, &unplaced, CRect(0, 0, 1, 1), CRect(0, 0, 0, 0));
        manager.DrawFrameBackground(&screen.dc, CSize(kWidth, 100));
    }
};
} // namespace

TEST(FrameBackground, BlitCachedBitmapStretchesAWholeBitmapAndRefusesAnEmptyOne)
{
    PixelCanvas canvas(40, 20);
    canvas.Fill(kPaper);
    CBitmap empty;
    EXPECT_FALSE(CSkinVisualManager::BlitCachedBitmap(&canvas.dc, CRect(0, 0, 40, 20), &empty));
    EXPECT_EQ(canvas.At(0, 0), kPaper);

    // A 2 x 1 picture, red then blue, stretched to 40 x 20 from (0, 0) whatever rect's offset.
    CBitmap picture;
    ASSERT_TRUE(picture.CreateCompatibleBitmap(&canvas.dc, 2, 1));
    {
        CDC dc;
        dc.CreateCompatibleDC(&canvas.dc);
        CBitmap* pOld = dc.SelectObject(&picture);
        dc.SetPixel(0, 0, RGB(255, 0, 0));
        dc.SetPixel(1, 0, RGB(0, 0, 255));
        dc.SelectObject(pOld);
    }
    EXPECT_TRUE(CSkinVisualManager::BlitCachedBitmap(&canvas.dc, CRect(10, 10, 30, 20), &picture));
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(19, 9), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(20, 5), kPaper);
    EXPECT_EQ(canvas.At(5, 10), kPaper);
}

TEST(FrameBackground, StackedBarsShowAdjacentSlicesOfOnePicture)
{
    CachedManager cached;
    BarsHost host;
    CSkinToolBar upper, lower, both;
    ASSERT_TRUE(host.Place(upper, 0xE800, CRect(0, 10, kWidth, 30)));
    ASSERT_TRUE(host.Place(lower, 0xE801, CRect(0, 30, kWidth, 50)));
    ASSERT_TRUE(host.Place(both, 0xE802, CRect(0, 10, kWidth, 50)));

    PixelCanvas a(kWidth, 20), b(kWidth, 20), c(kWidth, 40);
    cached.manager.OnFillBarBackground(&a.dc, &upper, CRect(0, 0, kWidth, 20), CRect(0, 0, 0, 0));
    cached.manager.OnFillBarBackground(&b.dc, &lower, CRect(0, 0, kWidth, 20), CRect(0, 0, 0, 0));
    cached.manager.OnFillBarBackground(&c.dc, &both, CRect(0, 0, kWidth, 40), CRect(0, 0, 0, 0));
    for (int x : {0, 57, kWidth - 1})
    {
        EXPECT_EQ(a.At(x, 0), c.At(x, 0));
        EXPECT_EQ(a.At(x, 19), c.At(x, 19));
        EXPECT_EQ(b.At(x, 0), c.At(x, 20));
        EXPECT_EQ(b.At(x, 19), c.At(x, 39));
    }
    // The picture is blue and lighter toward its top.
    const COLORREF top = c.At(100, 0);
    EXPECT_GT(GetBValue(top), GetRValue(top));
    CachedManager fresh;
    PixelCanvas tall(kWidth, 100);
    CSkinToolBar whole;
    ASSERT_TRUE(host.Place(whole, 0xE804, CRect(0, 0, kWidth, 100)));
    fresh.manager.OnFillBarBackground(&tall.dc, &whole, CRect(0, 0, kWidth, 100), CRect(0, 0, 0, 0));
    EXPECT_GT(GetRValue(tall.At(100, 2)) + GetGValue(tall.At(100, 2)),
              GetRValue(tall.At(100, 97)) + GetGValue(tall.At(100, 97)));
}

TEST(FrameBackground, CategoryBarLightensFourBandsOfItsSlice)
{
    CachedManager cached;
    BarsHost host;
    CSkinToolBar plain;
    CSkinCategoryBar tabs;
    ASSERT_TRUE(host.Place(plain, 0xE800, CRect(0, 20, kWidth, 50)));
    ASSERT_TRUE(host.Place(tabs, 0xE803, CRect(0, 20, kWidth, 50)));

    PixelCanvas p(kWidth, 30), t(kWidth, 30);
    cached.manager.OnFillBarBackground(&p.dc, &plain, CRect(0, 0, kWidth, 30), CRect(0, 0, 0, 0));
    cached.manager.OnFillBarBackground(&t.dc, &tabs, CRect(0, 0, kWidth, 30), CRect(0, 0, 0, 0));
    for (int x : {0, 99, kWidth - 1})
    {
        SCOPED_TRACE(x);
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(t.At(x, y), p.At(x, y));
        EXPECT_TRUE(NearColor(t.At(x, 3), Lightened(p.At(x, 3), 15)));
        EXPECT_TRUE(NearColor(t.At(x, 4), Lightened(p.At(x, 4), 40)));
        for (int y = 5; y < 29; ++y)
            EXPECT_TRUE(NearColor(t.At(x, y), Lightened(p.At(x, y), 30))) << y;
        EXPECT_TRUE(NearColor(t.At(x, 29), Lightened(p.At(x, 29), 10)));
    }
}

TEST(FrameBackground, OtherBarsGetTheirOwnFills)
{
    CachedManager cached;
    PixelCanvas canvas(40, 20);

    // A popup menu bar and a links bar fill the client rectangle when the clip rectangle is empty.
    CMFCPopupMenuBar popupBar;
    canvas.Fill(kPaper);
    cached.manager.OnFillBarBackground(&canvas.dc, &popupBar, CRect(0, 0, 40, 20), CRect(0, 0, 0, 0));
    EXPECT_EQ(canvas.At(39, 19), 0xFDE8D2u);
    CSkinLinksBar links;
    canvas.Fill(kPaper);
    cached.manager.OnFillBarBackground(&canvas.dc, &links, CRect(0, 0, 40, 20), CRect(0, 0, 10, 10));
    EXPECT_EQ(canvas.At(5, 5), 0x995531u);
    EXPECT_EQ(canvas.At(15, 15), kPaper);
}

TEST(FrameBackground, BarsPaintedBeforeTheFirstCacheShowNoPictureUntilItIsBuilt)
{
    CSkinVisualManager manager;
    BarsHost host;
    CSkinToolBar bar;
    ASSERT_TRUE(host.Place(bar, 0xE800, CRect(0, 0, kWidth, 20)));
    PixelCanvas canvas(kWidth, 20);
    canvas.Fill(kPaper);
    manager.OnFillBarBackground(&canvas.dc, &bar, CRect(0, 0, kWidth, 20), CRect(0, 0, 0, 0));
    EXPECT_EQ(canvas.At(10, 10), kPaper);

    manager.DrawFrameBackground(&canvas.dc, CSize(kWidth, 20));
    manager.OnFillBarBackground(&canvas.dc, &bar, CRect(0, 0, kWidth, 20), CRect(0, 0, 0, 0));
    EXPECT_NE(canvas.At(10, 10), kPaper);
    // A null DC is refused without touching the cache.
    manager.DrawFrameBackground(nullptr, CSize(10, 10));
    canvas.Fill(kPaper);
    manager.OnFillBarBackground(&canvas.dc, &bar, CRect(0, 0, kWidth, 20), CRect(0, 0, 0, 0));
    EXPECT_NE(canvas.At(150, 15), kPaper);
}
