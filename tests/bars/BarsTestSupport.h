// Helpers of the bar tests: a memory DC over a 32-bit picture whose pixels can be read exactly (and
// what a button paints on one), a parent window that records the commands its children send, and message
// pumping.
#pragma once

#include "tests/support/MessagePump.h"

#include "framework/controls/MFCButton.h"
#include "framework/gdi/Gdi.h"
#include "framework/window/Wnd.h"
#include "framework/window/WndMessageMap.h"

#include <vector>

// A width x height 32-bit DIB selected into a memory DC.
class PixelCanvas
{
public:
    PixelCanvas(int width, int height) : m_width(width)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = width;
        bmi.bmiHeader.biHeight = -height;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        dc.CreateCompatibleDC(nullptr);
        m_hbm = ::CreateDIBSection(dc.GetSafeHdc(), &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_pBits),
                                   nullptr, 0);
        m_hbmOld = ::SelectObject(dc.GetSafeHdc(), m_hbm);
    }
    ~PixelCanvas()
    {
        ::SelectObject(dc.GetSafeHdc(), m_hbmOld);
        ::DeleteObject(m_hbm);
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    COLORREF At(int x, int y) const
    {
        ::GdiFlush();
        const DWORD px = m_pBits[y * m_width + x];
        return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
    }
    void Fill(COLORREF clr)
    {
        CRect rect;
        ::GetClipBox(dc.GetSafeHdc(), &rect);
        dc.FillSolidRect(&rect, clr);
    }

    CDC dc;

private:
    int m_width;
    HBITMAP m_hbm = nullptr;
    HGDIOBJ m_hbmOld = nullptr;
    DWORD* m_pBits = nullptr;
};

// The pixels an owner-drawn button paints on a cx x cy picture in one owner-draw state, as its
// parent's WM_DRAWITEM asks, row by row.
inline std::vector<COLORREF> DrawnButtonPixels(CMFCButton& button, UINT uiState, int cx, int cy)
{
    PixelCanvas canvas(cx, cy);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = uiState;
    dis.hwndItem = button.GetSafeHwnd();
    dis.hDC = canvas.dc.GetSafeHdc();
    dis.rcItem = {0, 0, cx, cy};
    button.DrawItem(&dis);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            pixels.push_back(canvas.At(x, y));
    return pixels;
}

// A top-level window that records every WM_COMMAND that reaches it.
class CommandSink : public CWnd
{
public:
    CommandSink()
    {
        CreateEx(0, AfxRegisterWndClass(0), L"sink", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                 CRect(0, 0, 600, 400), nullptr, 0);
    }
    ~CommandSink() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }
    std::vector<UINT> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.push_back(LOWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
};
