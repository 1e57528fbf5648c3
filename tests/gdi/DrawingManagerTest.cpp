// CDrawingManager: where gradients put their colours, how far highlighting moves a pixel, shadows.
#include "framework/gdi/DrawingManager.h"
#include "tests/bars/BarsTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kStart = RGB(200, 40, 10);
const COLORREF kFinish = RGB(10, 120, 250);
} // namespace

TEST(DrawingManager, HorizontalGradientPutsStartAtTheBottomAndFinishAtTheTop)
{
    PixelCanvas canvas(40, 128);
    CDrawingManager dm(canvas.dc);
    dm.FillGradient(CRect(0, 0, 40, 128), kStart, kFinish, TRUE);
    EXPECT_EQ(canvas.At(5, 127), kStart);
    EXPECT_EQ(canvas.At(5, 0), kFinish);
    // 64 bands over 128 rows: two rows per band, and the bands step evenly in between.
    EXPECT_EQ(canvas.At(5, 126), kStart);
    EXPECT_NE(canvas.At(5, 125), kStart);
    const COLORREF middle = canvas.At(5, 64);
    EXPECT_GT(GetRValue(middle), 10);
    EXPECT_LT(GetRValue(middle), 200);
    // Rows run across: each row is one colour.
    EXPECT_EQ(canvas.At(0, 40), canvas.At(39, 40));
}

TEST(DrawingManager, VerticalGradientPutsStartAtTheLeftAndFinishAtTheRight)
{
    PixelCanvas canvas(100, 10);
    CDrawingManager dm(canvas.dc);
    dm.FillGradient(CRect(0, 0, 100, 10), kStart, kFinish, FALSE);
    EXPECT_EQ(canvas.At(0, 5), kStart);
    EXPECT_EQ(canvas.At(99, 5), kFinish);
    EXPECT_EQ(canvas.At(50, 0), canvas.At(50, 9));
}

TEST(DrawingManager, GradientStaysInsideItsRectangleAndEqualColoursFillSolid)
{
    PixelCanvas canvas(30, 30);
    canvas.Fill(RGB(1, 2, 3));
    CDrawingManager dm(canvas.dc);
    dm.FillGradient(CRect(10, 10, 20, 13), kStart, kFinish, TRUE); // fewer rows than bands
    EXPECT_EQ(canvas.At(9, 11), RGB(1, 2, 3));
    EXPECT_EQ(canvas.At(15, 9), RGB(1, 2, 3));
    EXPECT_EQ(canvas.At(15, 13), RGB(1, 2, 3));
    EXPECT_EQ(canvas.At(15, 12), kStart);
    EXPECT_EQ(canvas.At(15, 10), kFinish);
    EXPECT_NE(canvas.At(15, 11), kStart);
    EXPECT_NE(canvas.At(15, 11), kFinish);

    dm.FillGradient(CRect(0, 20, 30, 30), RGB(7, 8, 9), RGB(7, 8, 9), TRUE);
    EXPECT_EQ(canvas.At(0, 20), RGB(7, 8, 9));
    EXPECT_EQ(canvas.At(29, 29), RGB(7, 8, 9));
}

TEST(DrawingManager, HighlightRectMovesPixelsTowardWhiteByThePercentage)
{
    PixelCanvas canvas(20, 20);
    canvas.Fill(RGB(0, 100, 200));
    CDrawingManager dm(canvas.dc);
    ASSERT_TRUE(dm.HighlightRect(CRect(5, 5, 10, 10), 40, (COLORREF)-1, 0, RGB(255, 255, 255)));
    EXPECT_EQ(canvas.At(5, 5), RGB(102, 162, 222));
    EXPECT_EQ(canvas.At(9, 9), RGB(102, 162, 222));
    EXPECT_EQ(canvas.At(10, 10), RGB(0, 100, 200));
    EXPECT_EQ(canvas.At(4, 5), RGB(0, 100, 200));

    // A one-pixel row, as the skin lightens its bands.
    dm.HighlightRect(CRect(0, 15, 20, 16), 100, (COLORREF)-1, 0, RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(0, 15), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(0, 16), RGB(0, 100, 200));
}

TEST(DrawingManager, HighlightRectLeavesTheTransparentColourAndEmptyRectangles)
{
    PixelCanvas canvas(10, 10);
    canvas.Fill(RGB(0, 0, 0));
    canvas.dc.FillSolidRect(0, 0, 5, 10, RGB(10, 20, 30));
    CDrawingManager dm(canvas.dc);
    dm.HighlightRect(CRect(0, 0, 10, 10), 50, RGB(10, 20, 30), 0, RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(2, 2), RGB(10, 20, 30));
    EXPECT_EQ(canvas.At(7, 2), RGB(127, 127, 127));
    EXPECT_FALSE(dm.HighlightRect(CRect(3, 3, 3, 8), 50));
}

TEST(DrawingManager, ShadowOfDepthZeroDrawsNothingAndADeeperOneDarkensBelowAndRight)
{
    PixelCanvas canvas(40, 40);
    canvas.Fill(RGB(200, 200, 200));
    CDrawingManager dm(canvas.dc);
    EXPECT_FALSE(dm.DrawShadow(CRect(5, 5, 25, 25), 0, 100, 75));
    EXPECT_EQ(canvas.At(25, 15), RGB(200, 200, 200));
    EXPECT_EQ(canvas.At(15, 25), RGB(200, 200, 200));

    EXPECT_TRUE(dm.DrawShadow(CRect(5, 5, 25, 25), 4, 100, 50));
    EXPECT_LT(GetRValue(canvas.At(25, 15)), 200);
    EXPECT_LT(GetRValue(canvas.At(15, 25)), 200);
    EXPECT_EQ(canvas.At(15, 15), RGB(200, 200, 200)); // inside stays
    EXPECT_EQ(canvas.At(15, 30), RGB(200, 200, 200)); // beyond the depth stays
}
