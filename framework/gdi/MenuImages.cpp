// CMFCMenuImages: glyphs drawn as filled polygons and lines.
#include "framework/gdi/MenuImages.h"
#include "framework/gdi/DC.h"

namespace
{
COLORREF StateColor(CMFCMenuImages::IMAGE_STATE state)
{
    switch (state)
    {
    case CMFCMenuImages::ImageGray:
        return ::GetSysColor(COLOR_GRAYTEXT);
    case CMFCMenuImages::ImageLtGray:
        return ::GetSysColor(COLOR_BTNSHADOW);
    case CMFCMenuImages::ImageWhite:
        return RGB(255, 255, 255);
    default:
        return RGB(0, 0, 0);
    }
}
} // namespace

void CMFCMenuImages::Draw(CDC* pDC, IMAGES_IDS id, const CPoint& ptImage, IMAGE_STATE state,
                          const CSize& sizeImage)
{
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr)
        return;
    const CSize size = (sizeImage.cx > 0 && sizeImage.cy > 0) ? sizeImage : Size();
    HDC hdc = pDC->GetSafeHdc();
    const COLORREF clr = StateColor(state);
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    HPEN hPen = ::CreatePen(PS_SOLID, 1, clr);
    HGDIOBJ hOldBrush = ::SelectObject(hdc, hBrush);
    HGDIOBJ hOldPen = ::SelectObject(hdc, hPen);
    const int x = ptImage.x, y = ptImage.y, w = size.cx, h = size.cy;

    switch (id)
    {
    case IdArrowDown:
    {
        POINT pts[3] = {{x + 1, y + h / 3}, {x + w - 1, y + h / 3}, {x + w / 2, y + h / 3 + (w - 2) / 2}};
        ::Polygon(hdc, pts, 3);
        break;
    }
    }

    ::SelectObject(hdc, hOldPen);
    ::SelectObject(hdc, hOldBrush);
    ::DeleteObject(hPen);
    ::DeleteObject(hBrush);
}
