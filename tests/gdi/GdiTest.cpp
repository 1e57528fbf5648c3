// GDI wrappers: pixels drawn through CDC on a memory DC, ownership of handles, the double buffer and
// an image list built from a bitmap with a mask colour.
#include <gtest/gtest.h>

#include "framework/gdi/Gdi.h"
#include "framework/window/Wnd.h"
#include "tests/controls/ControlTestSupport.h"

namespace
{
// A memory DC with a screen-compatible bitmap selected, filled white.
struct Canvas
{
    Canvas(int cx, int cy)
    {
        CClientDC screen(nullptr);
        dc.CreateCompatibleDC(&screen);
        bmp.CreateCompatibleBitmap(&screen, cx, cy);
        pOld = dc.SelectObject(&bmp);
        dc.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
    }
    ~Canvas() { dc.SelectObject(pOld); }
    CDC dc;
    CBitmap bmp;
    CBitmap* pOld = nullptr;
};
} // namespace

TEST(Gdi, FillSolidRectAndDraw3dRectPixels)
{
    Canvas c(20, 20);
    c.dc.SetBkColor(RGB(1, 2, 3));
    c.dc.FillSolidRect(CRect(2, 2, 10, 10), RGB(200, 10, 10));
    EXPECT_EQ(RGB(200, 10, 10), c.dc.GetPixel(2, 2));
    EXPECT_EQ(RGB(200, 10, 10), c.dc.GetPixel(9, 9));
    EXPECT_EQ(RGB(255, 255, 255), c.dc.GetPixel(10, 10)); // the right and bottom edges are exclusive
    EXPECT_EQ(RGB(1, 2, 3), c.dc.GetBkColor());           // the fill leaves the background colour

    // One colour twice: a one-pixel frame just inside the rectangle, the inside untouched.
    c.dc.Draw3dRect(CRect(0, 0, 20, 20), RGB(0xC8, 0xC8, 0xC8), RGB(0xC8, 0xC8, 0xC8));
    for (int i = 0; i < 20; ++i)
    {
        EXPECT_EQ(RGB(0xC8, 0xC8, 0xC8), c.dc.GetPixel(i, 0));
        EXPECT_EQ(RGB(0xC8, 0xC8, 0xC8), c.dc.GetPixel(i, 19));
        EXPECT_EQ(RGB(0xC8, 0xC8, 0xC8), c.dc.GetPixel(0, i));
        EXPECT_EQ(RGB(0xC8, 0xC8, 0xC8), c.dc.GetPixel(19, i));
    }
    EXPECT_EQ(RGB(255, 255, 255), c.dc.GetPixel(1, 1));
    EXPECT_EQ(RGB(200, 10, 10), c.dc.GetPixel(2, 2));

    // Two colours: top and left in the first, bottom and right (corners included) in the second.
    c.dc.Draw3dRect(4, 4, 6, 6, RGB(0, 0, 255), RGB(0, 255, 0));
    EXPECT_EQ(RGB(0, 0, 255), c.dc.GetPixel(4, 4));
    EXPECT_EQ(RGB(0, 0, 255), c.dc.GetPixel(8, 4));
    EXPECT_EQ(RGB(0, 255, 0), c.dc.GetPixel(9, 4));
    EXPECT_EQ(RGB(0, 255, 0), c.dc.GetPixel(4, 9));
    EXPECT_EQ(RGB(0, 255, 0), c.dc.GetPixel(9, 9));
}

TEST(Gdi, SelectObjectHandsBackThePreviousObjectWithoutOwningIt)
{
    Canvas c(8, 8);
    LOGFONTW lf = {};
    lf.lfHeight = 20;
    lstrcpynW(lf.lfFaceName, L"Tahoma", LF_FACESIZE);
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    EXPECT_FALSE(font.CreateFontIndirect(&lf)); // one font per object, no handle leaked

    CFont* pOld = c.dc.SelectObject(&font);
    ASSERT_NE(nullptr, pOld);
    CFont* pMine = c.dc.SelectObject(pOld);
    ASSERT_NE(nullptr, pMine);
    EXPECT_EQ(font.m_hObject, pMine->m_hObject);

    LOGFONTW back = {};
    ASSERT_EQ(static_cast<int>(sizeof(LOGFONTW)), CFont::FromHandle(font)->GetLogFont(&back));
    EXPECT_EQ(20, back.lfHeight);

    // Releasing the temporaries must not delete the font that we own.
    AfxDeleteTempMaps();
    EXPECT_EQ(static_cast<int>(sizeof(LOGFONTW)), font.GetLogFont(&back));
}

TEST(Gdi, CompatibleDCOwnsWhatItCreatesAndBorrowsWhatItIsGiven)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    {
        CDC borrowed;
        ASSERT_TRUE(borrowed.Attach(hDC));
        EXPECT_FALSE(borrowed.CreateCompatibleDC(nullptr)); // already holds one
    }
    EXPECT_NE(0, ::GetDeviceCaps(hDC, BITSPIXEL)); // still alive
    ::DeleteDC(hDC);

    CDC owned;
    ASSERT_TRUE(owned.CreateCompatibleDC(nullptr));
    HDC hOwned = owned.GetSafeHdc();
    EXPECT_TRUE(owned.DeleteDC());
    EXPECT_EQ(nullptr, owned.GetSafeHdc());
    EXPECT_EQ(0, ::GetDeviceCaps(hOwned, BITSPIXEL)); // gone
    EXPECT_FALSE(owned.DeleteDC());
}

TEST(Gdi, MemDCCopiesItsBufferToTheTargetAtTheEnd)
{
    Canvas c(30, 20);
    {
        CMemDC mem(c.dc, CRect(10, 5, 30, 20));
        ASSERT_TRUE(mem.IsMemDC());
        // Drawn in the target's coordinates; nothing reaches the target before the end.
        mem.GetDC().FillSolidRect(CRect(10, 5, 30, 20), RGB(0, 128, 0));
        EXPECT_EQ(RGB(255, 255, 255), c.dc.GetPixel(12, 7));
    }
    EXPECT_EQ(RGB(0, 128, 0), c.dc.GetPixel(10, 5));
    EXPECT_EQ(RGB(0, 128, 0), c.dc.GetPixel(29, 19));
    EXPECT_EQ(RGB(255, 255, 255), c.dc.GetPixel(9, 5)); // outside the rectangle
}

TEST(Gdi, ImageListFromBitmapWithMaskColour)
{
    // Three 4x4 cells: magenta background, one blue pixel at the centre of each.
    Canvas c(12, 4);
    c.dc.FillSolidRect(0, 0, 12, 4, RGB(255, 0, 255));
    for (int cell = 0; cell < 3; ++cell)
        c.dc.SetPixel(cell * 4 + 1, 1, RGB(0, 0, 255));
    c.dc.SelectObject(c.pOld);
    c.pOld = nullptr;

    CImageList list;
    ASSERT_TRUE(list.Create(4, 4, ILC_COLOR24 | ILC_MASK, 0, 3));
    EXPECT_FALSE(list.Create(4, 4, ILC_COLOR24 | ILC_MASK, 0, 3));
    EXPECT_EQ(0, list.Add(&c.bmp, RGB(255, 0, 255)));
    EXPECT_EQ(3, list.GetImageCount());

    Canvas target(4, 4);
    target.dc.FillSolidRect(0, 0, 4, 4, RGB(10, 20, 30));
    ASSERT_TRUE(list.Draw(&target.dc, 2, CPoint(0, 0), ILD_NORMAL));
    EXPECT_EQ(RGB(0, 0, 255), target.dc.GetPixel(1, 1));
    EXPECT_EQ(RGB(10, 20, 30), target.dc.GetPixel(0, 0)); // the mask colour is transparent

    EXPECT_TRUE(list.DeleteImageList());
    EXPECT_EQ(0, list.GetImageCount());
    EXPECT_EQ(-1, list.Add(&c.bmp, RGB(255, 0, 255)));
}

TEST(Gdi, GlobalDataFollowsTheSystem)
{
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), afxGlobalData.clrBtnFace);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), afxGlobalData.clrBtnShadow);
    EXPECT_NE(nullptr, afxGlobalData.fontRegular.GetSafeHandle());
    LOGFONTW lf = {};
    afxGlobalData.fontBold.GetLogFont(&lf);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_GT(afxGlobalData.m_nBitsPerPixel, 8);
    EXPECT_FALSE(afxGlobalData.IsHighContrastMode());

    afxGlobalData.UpdateFonts();
    EXPECT_NE(nullptr, afxGlobalData.fontRegular.GetSafeHandle());
}

TEST(Gdi, MemDCForAWindowCoversItsClientArea)
{
    HostWnd host; // 600 x 400, no border
    CRect rectClient;
    host.GetClientRect(&rectClient);
    Canvas target(rectClient.Width() + 10, rectClient.Height() + 10);
    {
        CMemDC mem(&target.dc, &host);
        ASSERT_TRUE(mem.IsMemDC());
        mem.GetDC().FillSolidRect(rectClient, RGB(9, 99, 199));
    }
    EXPECT_EQ(RGB(9, 99, 199), target.dc.GetPixel(0, 0));
    EXPECT_EQ(RGB(9, 99, 199), target.dc.GetPixel(rectClient.right - 1, rectClient.bottom - 1));
    EXPECT_EQ(RGB(255, 255, 255), target.dc.GetPixel(rectClient.right, rectClient.bottom));

    // Nothing to buffer: drawing goes straight to the target.
    CWnd none;
    CMemDC direct(target.dc, &none);
    EXPECT_FALSE(direct.IsMemDC());
    EXPECT_EQ(target.dc.GetSafeHdc(), direct.GetDC().GetSafeHdc());
}
