// CDrawingManager: gradients, highlighting and shadows through a 32-bit copy of the pixels.
#include "framework/gdi/DrawingManager.h"
#include "framework/gdi/DC.h"

#include <vector>

namespace
{
const int kGradientBands = 64;

BYTE Mix(int from, int to, int step, int steps)
{
    return static_cast<BYTE>(from + (to - from) * step / steps);
}

COLORREF MixColor(COLORREF from, COLORREF to, int step, int steps)
{
    return RGB(Mix(GetRValue(from), GetRValue(to), step, steps),
               Mix(GetGValue(from), GetGValue(to), step, steps),
               Mix(GetBValue(from), GetBValue(to), step, steps));
}

void FillSolid(HDC hdc, const RECT& rect, COLORREF clr)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    // ExtTextOut with an opaque rectangle: a solid fill without creating a brush.
    const COLORREF old = ::SetBkColor(hdc, clr);
    ::ExtTextOutW(hdc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(hdc, old);
}

// The pixels of a rectangle of a DC as top-down 32-bit BGRA, read and written back through a DIB.
class PixelBlock
{
public:
    PixelBlock(HDC hdc, const CRect& rect) : m_hdc(hdc), m_rect(rect)
    {
        if (hdc == nullptr || rect.Width() <= 0 || rect.Height() <= 0)
            return;
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = rect.Width();
        bmi.bmiHeader.biHeight = -rect.Height();
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        m_hdcMem = ::CreateCompatibleDC(hdc);
        m_hbm = ::CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_pBits), nullptr, 0);
        if (m_hdcMem == nullptr || m_hbm == nullptr || m_pBits == nullptr)
        {
            m_pBits = nullptr;
            return;
        }
        m_hbmOld = ::SelectObject(m_hdcMem, m_hbm);
        if (!::BitBlt(m_hdcMem, 0, 0, rect.Width(), rect.Height(), hdc, rect.left, rect.top, SRCCOPY))
            m_pBits = nullptr;
    }
    ~PixelBlock()
    {
        if (m_hbmOld != nullptr)
            ::SelectObject(m_hdcMem, m_hbmOld);
        if (m_hbm != nullptr)
            ::DeleteObject(m_hbm);
        if (m_hdcMem != nullptr)
            ::DeleteDC(m_hdcMem);
    }
    PixelBlock(const PixelBlock&) = delete;
    PixelBlock& operator=(const PixelBlock&) = delete;

    bool IsValid() const { return m_pBits != nullptr; }
    int Width() const { return m_rect.Width(); }
    int Height() const { return m_rect.Height(); }
    DWORD& At(int x, int y) { return m_pBits[y * m_rect.Width() + x]; }
    void WriteBack()
    {
        ::GdiFlush();
        ::BitBlt(m_hdc, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hdcMem, 0, 0, SRCCOPY);
    }

private:
    HDC m_hdc;
    CRect m_rect;
    HDC m_hdcMem = nullptr;
    HBITMAP m_hbm = nullptr;
    HGDIOBJ m_hbmOld = nullptr;
    DWORD* m_pBits = nullptr;
};

// DIB pixels hold blue in the low byte; COLORREF holds red there.
COLORREF PixelToColor(DWORD px)
{
    return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}
DWORD ColorToPixel(COLORREF clr)
{
    return (static_cast<DWORD>(GetRValue(clr)) << 16) | (static_cast<DWORD>(GetGValue(clr)) << 8) |
           GetBValue(clr);
}

bool IsNear(COLORREF a, COLORREF b, int tolerance)
{
    return abs(GetRValue(a) - GetRValue(b)) <= tolerance && abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}
} // namespace

CDrawingManager::CDrawingManager(CDC& dc) : m_hdc(dc.GetSafeHdc()) {}

void CDrawingManager::FillGradient(CRect rect, COLORREF clrStart, COLORREF clrFinish, BOOL bHorz,
                                   int nStartFlatPercentage, int nEndFlatPercentage)
{
    if (m_hdc == nullptr || rect.IsRectEmpty())
        return;
    if (clrStart == clrFinish)
    {
        FillSolid(m_hdc, rect, clrStart);
        return;
    }

    // The flat parts first: they shrink the rectangle the bands share.
    const int length = bHorz ? rect.Height() : rect.Width();
    const int startFlat = length * nStartFlatPercentage / 100;
    const int endFlat = length * nEndFlatPercentage / 100;
    if (startFlat > 0 || endFlat > 0)
    {
        CRect rStart = rect, rEnd = rect;
        if (bHorz)
        {
            rStart.top = rect.bottom - startFlat;
            rEnd.bottom = rect.top + endFlat;
            rect.bottom -= startFlat;
            rect.top += endFlat;
        }
        else
        {
            rStart.right = rect.left + startFlat;
            rEnd.left = rect.right - endFlat;
            rect.left += startFlat;
            rect.right -= endFlat;
        }
        FillSolid(m_hdc, rStart, clrStart);
        FillSolid(m_hdc, rEnd, clrFinish);
        if (rect.IsRectEmpty())
            return;
    }

    // Band i (0 = the start edge) covers [i * span / bands, (i + 1) * span / bands) from the start edge.
    // A rectangle thinner than 64 pixels gets one band per pixel, so both edges keep their colours.
    const int span = bHorz ? rect.Height() : rect.Width();
    const int bands = span < kGradientBands ? span : kGradientBands;
    const int steps = bands > 1 ? bands - 1 : 1;
    for (int i = 0; i < bands; ++i)
    {
        const int from = i * span / bands;
        const int to = (i + 1) * span / bands;
        CRect band = rect;
        if (bHorz)
        {
            band.bottom = rect.bottom - from;
            band.top = rect.bottom - to;
        }
        else
        {
            band.left = rect.left + from;
            band.right = rect.left + to;
        }
        FillSolid(m_hdc, band, MixColor(clrStart, clrFinish, i, steps));
    }
}

BOOL CDrawingManager::HighlightRect(CRect rect, int nPercentage, COLORREF clrTransparent, int nTolerance,
                                    COLORREF clrBlend)
{
    if (nPercentage == -1)
        nPercentage = 10;
    if (clrBlend == (COLORREF)-1)
        clrBlend = RGB(255, 255, 255);

    PixelBlock block(m_hdc, rect);
    if (!block.IsValid())
        return FALSE;
    for (int y = 0; y < block.Height(); ++y)
    {
        for (int x = 0; x < block.Width(); ++x)
        {
            DWORD& px = block.At(x, y);
            const COLORREF clr = PixelToColor(px);
            if (clrTransparent != (COLORREF)-1 && IsNear(clr, clrTransparent, nTolerance))
                continue;
            px = ColorToPixel(MixColor(clr, clrBlend, nPercentage, 100));
        }
    }
    block.WriteBack();
    return TRUE;
}

BOOL CDrawingManager::DrawShadow(CRect rect, int nDepth, int iMinBrightness, int iMaxBrightness,
                                 CBitmap* /*pBmpSaveBottom*/, CBitmap* /*pBmpSaveRight*/, COLORREF clrBase,
                                 BOOL bRightShadow)
{
    if (nDepth <= 0 || rect.IsRectEmpty())
        return FALSE;

    // One block covering rect and its shadow strips; only the strips are changed.
    CRect outer(rect.left, rect.top, rect.right + (bRightShadow ? nDepth : 0), rect.bottom + nDepth);
    PixelBlock block(m_hdc, outer);
    if (!block.IsValid())
        return FALSE;

    auto darken = [&](int x, int y, int distance)
    {
        // distance 0 touches rect; nDepth - 1 is the outer edge.
        const int brightness = iMaxBrightness + (iMinBrightness - iMaxBrightness) * distance / nDepth;
        DWORD& px = block.At(x, y);
        COLORREF clr = PixelToColor(px);
        if (clrBase != (COLORREF)-1)
            clr = MixColor(clr, clrBase, 50, 100);
        px = ColorToPixel(RGB(GetRValue(clr) * brightness / 100, GetGValue(clr) * brightness / 100,
                              GetBValue(clr) * brightness / 100));
    };
    const int w = rect.Width(), h = rect.Height();
    for (int d = 0; d < nDepth; ++d)
    {
        for (int x = nDepth; x < w + (bRightShadow ? d : 0); ++x)
            darken(x, h + d, d);
        if (bRightShadow)
        {
            for (int y = nDepth; y < h; ++y)
                darken(w + d, y, d);
        }
    }
    block.WriteBack();
    return TRUE;
}
