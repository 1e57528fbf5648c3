// The caption-button strip: its cell size, and the cell drawn for each command and state.
#include "tests/skin/SkinTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kPaper = RGB(1, 2, 3);
const COLORREF kMagenta = RGB(255, 0, 255);
} // namespace

TEST(CaptionButtons, StripLoadsTwelveCellsOfEighteenPixels)
{
    CSkinVisualManager manager;
    EXPECT_FALSE(manager.LoadBitmapWithTransparency(L"NO_SUCH_BITMAP"));
    EXPECT_EQ(manager.GetCaptionButtonSize(), CSize(0, 0));
    ASSERT_TRUE(manager.LoadBitmapWithTransparency(L"IDB_SKIN_CAPTION_BTNS"));
    EXPECT_EQ(manager.GetCaptionButtonSize(), CSize(18, 18));
    // Loading again starts afresh; a failed load afterwards reports (0, 0).
    ASSERT_TRUE(manager.LoadBitmapWithTransparency(L"IDB_SKIN_CAPTION_BTNS"));
    EXPECT_FALSE(manager.LoadBitmapWithTransparency(L"NO_SUCH_BITMAP"));
    EXPECT_EQ(manager.GetCaptionButtonSize(), CSize(0, 0));
}

TEST(CaptionButtons, EachCommandAndStateDrawsItsOwnCell)
{
    CSkinVisualManager manager;
    ASSERT_TRUE(manager.LoadBitmapWithTransparency(L"IDB_SKIN_CAPTION_BTNS"));

    HBITMAP hStrip = static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), L"IDB_SKIN_CAPTION_BTNS",
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(hStrip, nullptr);
    PixelCanvas strip(216, 18);
    {
        CDC dc;
        dc.CreateCompatibleDC(&strip.dc);
        HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hStrip);
        ::BitBlt(strip.dc.GetSafeHdc(), 0, 0, 216, 18, dc.GetSafeHdc(), 0, 0, SRCCOPY);
        ::SelectObject(dc.GetSafeHdc(), hOld);
    }
    ::DeleteObject(hStrip);

    struct Case
    {
        UINT command;
        int firstCell;
    } commands[] = {{SC_MINIMIZE, 0}, {SC_MAXIMIZE, 3}, {SC_RESTORE, 6}, {SC_CLOSE, 9}, {SC_MOVE, 0}};
    struct StateCase
    {
        int state;
        int offset;
    } states[] = {{0, 0}, {2, 1}, {1, 2}};
    for (const Case& c : commands)
        for (const StateCase& s : states)
        {
            SCOPED_TRACE(testing::Message() << c.command << " state " << s.state);
            PixelCanvas canvas(30, 30);
            canvas.Fill(kPaper);
            CRect rect(4, 6, 22, 24);
            manager.OnDrawCaptionBarButton(&canvas.dc, &rect, s.state, c.command);
            const int cell = c.firstCell + s.offset;
            int compared = 0;
            for (int y = 0; y < 18; ++y)
                for (int x = 0; x < 18; ++x)
                {
                    const COLORREF source = strip.At(cell * 18 + x, y);
                    const COLORREF drawn = canvas.At(4 + x, 6 + y);
                    if (source == kMagenta)
                        ASSERT_EQ(drawn, kPaper) << x << "," << y; // the strip's magenta is transparent
                    else
                    {
                        ASSERT_EQ(drawn, source) << x << "," << y;
                        ++compared;
                    }
                }
            EXPECT_GT(compared, 100);
            EXPECT_EQ(canvas.At(3, 10), kPaper);
            EXPECT_EQ(canvas.At(22, 10), kPaper);
        }
}

TEST(CaptionButtons, WithoutTheStripTheSystemDrawsTheButton)
{
    CSkinVisualManager manager; // nothing loaded: visual styles or classic caption glyphs
    PixelCanvas canvas(30, 30);
    canvas.Fill(kPaper);
    CRect rect(4, 6, 22, 24);
    manager.OnDrawCaptionBarButton(&canvas.dc, &rect, 0, SC_CLOSE);
    EXPECT_NE(canvas.At(12, 14), kPaper);
    EXPECT_EQ(canvas.At(2, 2), kPaper);
}
