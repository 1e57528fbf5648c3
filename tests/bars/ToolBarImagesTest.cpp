// CMFCToolBarImages: strips loaded and appended, drawn with their background left out, greyed when
// disabled.
#include "framework/gdi/MenuImages.h"
#include "framework/bars/ToolBarImages.h"
#include "res/resource.h"
#include "tests/bars/BarsTestSupport.h"

#include <gtest/gtest.h>

TEST(ToolBarImages, StripsAreCountedAtTheImageSizeAndAppended)
{
    CMFCToolBarImages images;
    EXPECT_FALSE(images.IsValid());
    images.SetImageSize(CSize(16, 16));
    ASSERT_TRUE(images.Load(IDR_MAINFRAME));
    EXPECT_EQ(images.GetCount(), 4);
    ASSERT_TRUE(images.Load(IDB_TOOLBAR_PRESSED, nullptr, TRUE));
    EXPECT_EQ(images.GetCount(), 8);
    EXPECT_FALSE(images.Load(4242, nullptr, TRUE)); // a missing strip keeps what was loaded
    EXPECT_EQ(images.GetCount(), 8);
    ASSERT_TRUE(images.Load(IDB_TOOLBAR_HOT)); // without append: replaces
    EXPECT_EQ(images.GetCount(), 4);
}

TEST(ToolBarImages, TheBackgroundIsTransparentAndDisabledImagesAreGrey)
{
    CMFCToolBarImages images;
    images.SetImageSize(CSize(16, 16));
    ASSERT_TRUE(images.Load(IDR_MAINFRAME));
    PixelCanvas canvas(64, 16);
    canvas.Fill(RGB(255, 0, 255));
    CAfxDrawState ds;
    ASSERT_TRUE(images.PrepareDrawImage(ds));
    EXPECT_TRUE(images.Draw(&canvas.dc, 0, 0, 0));
    EXPECT_TRUE(images.Draw(&canvas.dc, 16, 0, 3, FALSE, TRUE));
    EXPECT_FALSE(images.Draw(&canvas.dc, 32, 0, 4)); // past the last image
    images.EndDrawImage(ds);

    int background = 0, drawn = 0, colouredWhenDisabled = 0;
    for (int y = 0; y < 16; ++y)
    {
        for (int x = 0; x < 32; ++x)
        {
            const COLORREF clr = canvas.At(x, y);
            if (clr == RGB(255, 0, 255))
            {
                ++background;
                continue;
            }
            ++drawn;
            if (x >= 16 && !(GetRValue(clr) == GetGValue(clr) && GetGValue(clr) == GetBValue(clr)))
                ++colouredWhenDisabled;
        }
    }
    EXPECT_GT(background, 0); // the strip's light grey is not painted
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(colouredWhenDisabled, 0);
    EXPECT_EQ(canvas.At(40, 8), RGB(255, 0, 255));
}

TEST(MenuImages, TheDropDownArrowIsDrawnInItsStateColourInsideItsCell)
{
    PixelCanvas canvas(30, 30);
    canvas.Fill(RGB(0, 0, 0));
    const CSize size = CMFCMenuImages::Size();
    CMFCMenuImages::Draw(&canvas.dc, CMFCMenuImages::IdArrowDown, CPoint(10, 10), CMFCMenuImages::ImageWhite);
    int inside = 0, outside = 0;
    for (int y = 0; y < 30; ++y)
    {
        for (int x = 0; x < 30; ++x)
        {
            if (canvas.At(x, y) != RGB(255, 255, 255))
                continue;
            const bool bInCell = x >= 10 && x < 10 + size.cx && y >= 10 && y < 10 + size.cy;
            ++(bInCell ? inside : outside);
        }
    }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
}
