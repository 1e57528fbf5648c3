// CMFCToolBarImages: strips of button images, drawn transparently with TransparentBlt.
#include "framework/bars/ToolBarImages.h"
#include "framework/gdi/DC.h"
#include "framework/window/WinApp.h"

CMFCToolBarImages::CMFCToolBarImages() : m_sizeImage(16, 15), m_clrTransparent(::GetSysColor(COLOR_BTNFACE))
{
}

CMFCToolBarImages::~CMFCToolBarImages()
{
    Clear();
}

void CMFCToolBarImages::Clear()
{
    for (Strip& strip : m_strips)
        ::DeleteObject(strip.hbm);
    m_strips.clear();
}

namespace
{
// The strips are drawn on the classic grey: light grey is the button face, dark grey its shadow and the
// lighter grey its light edge. They become the system's colours, so the face can be left transparent.
void MapSystemColors(HBITMAP hbm)
{
    DIBSECTION dib = {};
    if (::GetObjectW(hbm, sizeof(dib), &dib) != sizeof(dib) || dib.dsBm.bmBits == nullptr)
        return;
    const int bytesPerPixel = dib.dsBm.bmBitsPixel / 8;
    if (bytesPerPixel != 3 && bytesPerPixel != 4)
        return;
    const struct
    {
        COLORREF from;
        int nIndex;
    } mapping[] = {{RGB(192, 192, 192), COLOR_3DFACE},
                   {RGB(128, 128, 128), COLOR_3DSHADOW},
                   {RGB(223, 223, 223), COLOR_3DLIGHT}};
    auto* pRow = static_cast<BYTE*>(dib.dsBm.bmBits);
    for (int y = 0; y < dib.dsBm.bmHeight; ++y, pRow += dib.dsBm.bmWidthBytes)
    {
        for (int x = 0; x < dib.dsBm.bmWidth; ++x)
        {
            BYTE* px = pRow + x * bytesPerPixel; // blue, green, red
            const COLORREF clr = RGB(px[2], px[1], px[0]);
            for (const auto& map : mapping)
            {
                if (clr != map.from)
                    continue;
                const COLORREF to = ::GetSysColor(map.nIndex);
                px[0] = GetBValue(to);
                px[1] = GetGValue(to);
                px[2] = GetRValue(to);
                break;
            }
        }
    }
}
} // namespace

HBITMAP CMFCToolBarImages::LoadStrip(HINSTANCE hinst, UINT uiResID, CSize& size)
{
    auto hbm = static_cast<HBITMAP>(
        ::LoadImageW(hinst, MAKEINTRESOURCEW(uiResID), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (hbm == nullptr)
        return nullptr;
    MapSystemColors(hbm);
    BITMAP bm = {};
    ::GetObjectW(hbm, sizeof(bm), &bm);
    size = CSize(bm.bmWidth, bm.bmHeight);
    return hbm;
}

BOOL CMFCToolBarImages::Load(UINT uiResID, HINSTANCE hinstRes, BOOL bAdd)
{
    if (hinstRes == nullptr)
        hinstRes = AfxGetResourceHandle();
    Strip strip;
    strip.uiResID = uiResID;
    strip.hinst = hinstRes;
    strip.hbm = LoadStrip(hinstRes, uiResID, strip.size);
    if (strip.hbm == nullptr)
        return FALSE;
    if (!bAdd)
        Clear();
    m_strips.push_back(strip);
    return TRUE;
}

void CMFCToolBarImages::SetImageSize(SIZE sizeImage, BOOL /*bUpdateCount*/)
{
    // Counts always follow from the strips and the size, so there is nothing to recount.
    if (sizeImage.cx > 0 && sizeImage.cy > 0)
        m_sizeImage = sizeImage;
}

int CMFCToolBarImages::StripCount(const Strip& strip) const
{
    return m_sizeImage.cx > 0 ? strip.size.cx / m_sizeImage.cx : 0;
}

int CMFCToolBarImages::GetCount() const
{
    int count = 0;
    for (const Strip& strip : m_strips)
        count += StripCount(strip);
    return count;
}

COLORREF CMFCToolBarImages::SetTransparentColor(COLORREF clrTransparent)
{
    const COLORREF old = m_clrTransparent;
    m_clrTransparent = clrTransparent;
    m_bUserTransparent = TRUE;
    return old;
}

BOOL CMFCToolBarImages::PrepareDrawImage(CAfxDrawState& ds, CSize sizeImageDest, BOOL /*bFadeInactive*/)
{
    ds.hdcMem = ::CreateCompatibleDC(nullptr);
    ds.sizeDest = (sizeImageDest.cx > 0 && sizeImageDest.cy > 0) ? sizeImageDest : m_sizeImage;
    return ds.hdcMem != nullptr;
}

void CMFCToolBarImages::EndDrawImage(CAfxDrawState& ds)
{
    if (ds.hdcMem != nullptr)
        ::DeleteDC(ds.hdcMem);
    ds.hdcMem = nullptr;
}

BOOL CMFCToolBarImages::Draw(CDC* pDC, int x, int y, int iImage, BOOL /*bHilite*/, BOOL bDisabled,
                             BOOL bIndeterminate, BOOL /*bShadow*/, BOOL /*bInactive*/, BYTE /*alphaSrc*/)
{
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr || iImage < 0)
        return FALSE;

    // Find the strip that holds the image.
    const Strip* pStrip = nullptr;
    int index = iImage;
    for (const Strip& strip : m_strips)
    {
        const int count = StripCount(strip);
        if (index < count)
        {
            pStrip = &strip;
            break;
        }
        index -= count;
    }
    if (pStrip == nullptr)
        return FALSE;

    const int cx = m_sizeImage.cx;
    const int cy = m_sizeImage.cy < pStrip->size.cy ? m_sizeImage.cy : pStrip->size.cy;
    HDC hdc = pDC->GetSafeHdc();
    HDC hdcSrc = ::CreateCompatibleDC(hdc);
    if (hdcSrc == nullptr)
        return FALSE;
    HGDIOBJ hOld = ::SelectObject(hdcSrc, pStrip->hbm);
    BOOL bResult = FALSE;
    if (!bDisabled && !bIndeterminate)
    {
        bResult = ::TransparentBlt(hdc, x, y, cx, cy, hdcSrc, index * cx, 0, cx, cy, m_clrTransparent);
    }
    else
    {
        // A grey copy of the image: every opaque pixel becomes a light shade of grey.
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        DWORD* pBits = nullptr;
        HBITMAP hbmGrey =
            ::CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&pBits), nullptr, 0);
        HDC hdcGrey = ::CreateCompatibleDC(hdc);
        if (hbmGrey != nullptr && hdcGrey != nullptr && pBits != nullptr)
        {
            HGDIOBJ hOldGrey = ::SelectObject(hdcGrey, hbmGrey);
            ::BitBlt(hdcGrey, 0, 0, cx, cy, hdcSrc, index * cx, 0, SRCCOPY);
            ::GdiFlush();
            const DWORD transparent = (static_cast<DWORD>(GetRValue(m_clrTransparent)) << 16) |
                                      (static_cast<DWORD>(GetGValue(m_clrTransparent)) << 8) |
                                      GetBValue(m_clrTransparent);
            for (int i = 0; i < cx * cy; ++i)
            {
                const DWORD px = pBits[i] & 0xFFFFFF;
                if (px == transparent)
                    continue;
                const int lum = (((px >> 16) & 0xFF) * 30 + ((px >> 8) & 0xFF) * 59 + (px & 0xFF) * 11) / 100;
                const DWORD grey = static_cast<DWORD>(128 + lum / 2);
                DWORD out = (grey << 16) | (grey << 8) | grey;
                if (out == transparent)
                    out ^= 1; // stay visible
                pBits[i] = out;
            }
            bResult = ::TransparentBlt(hdc, x, y, cx, cy, hdcGrey, 0, 0, cx, cy, m_clrTransparent);
            ::SelectObject(hdcGrey, hOldGrey);
        }
        if (hdcGrey != nullptr)
            ::DeleteDC(hdcGrey);
        if (hbmGrey != nullptr)
            ::DeleteObject(hbmGrey);
    }
    ::SelectObject(hdcSrc, hOld);
    ::DeleteDC(hdcSrc);
    return bResult;
}

void CMFCToolBarImages::OnSysColorChange()
{
    for (Strip& strip : m_strips)
    {
        CSize size;
        HBITMAP hbm = LoadStrip(strip.hinst, strip.uiResID, size);
        if (hbm == nullptr)
            continue; // keep the old pixels rather than lose the images
        ::DeleteObject(strip.hbm);
        strip.hbm = hbm;
        strip.size = size;
    }
    if (!m_bUserTransparent)
        m_clrTransparent = ::GetSysColor(COLOR_BTNFACE);
}
