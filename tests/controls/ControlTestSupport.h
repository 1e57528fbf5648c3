// Helpers of the control tests: a visible top-level host window, queue pumping, solid-colour icons
// and a screen-compatible memory canvas.
#pragma once

#include "tests/support/MessagePump.h"

#include "framework/gdi/Gdi.h"
#include "framework/window/Wnd.h"

// A top-level window of ours that hosts the control under test (reflection needs a bound parent). It
// stays hidden: without a window manager, hiding a shown window makes Wine wait for seconds.
class HostWnd : public CWnd
{
public:
    HostWnd()
    {
        CreateEx(0, nullptr, L"host", WS_POPUP | WS_CLIPCHILDREN, 10, 10, 600, 400, nullptr, nullptr);
    }
    ~HostWnd() override { DestroyWindow(); }
};

// An icon of one solid colour (fully opaque).
inline HICON MakeSolidIcon(COLORREF clr, int size = 16)
{
    CClientDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap color;
    color.CreateCompatibleBitmap(&screen, size, size);
    CBitmap* pOld = dc.SelectObject(&color);
    dc.FillSolidRect(0, 0, size, size, clr);
    dc.SelectObject(pOld);
    CBitmap mask;
    mask.CreateBitmap(size, size, 1, 1, nullptr);
    CDC maskDC;
    maskDC.CreateCompatibleDC(&screen);
    CBitmap* pOldMask = maskDC.SelectObject(&mask);
    maskDC.FillSolidRect(0, 0, size, size, RGB(0, 0, 0)); // black mask: the image shows everywhere
    maskDC.SelectObject(pOldMask);
    ICONINFO info = {TRUE, 0, 0, static_cast<HBITMAP>(mask.m_hObject), static_cast<HBITMAP>(color.m_hObject)};
    return ::CreateIconIndirect(&info);
}

// A memory DC with a screen-compatible bitmap selected.
struct ControlCanvas
{
    ControlCanvas(int cx, int cy, COLORREF clr = RGB(255, 255, 255))
    {
        CClientDC screen(nullptr);
        dc.CreateCompatibleDC(&screen);
        bmp.CreateCompatibleBitmap(&screen, cx, cy);
        pOld = dc.SelectObject(&bmp);
        dc.FillSolidRect(0, 0, cx, cy, clr);
    }
    ~ControlCanvas() { dc.SelectObject(pOld); }
    // How many pixels of a rectangle have this colour.
    int Count(const CRect& rect, COLORREF clr)
    {
        int n = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                n += dc.GetPixel(x, y) == clr ? 1 : 0;
        return n;
    }
    CDC dc;
    CBitmap bmp;
    CBitmap* pOld = nullptr;
};
