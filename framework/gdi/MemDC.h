// CMemDC: double-buffered painting. Drawing goes to an off-screen bitmap the size of the window's
// client area (or of a rectangle); the destructor copies it onto the target DC in one BitBlt.
#pragma once

#include "framework/gdi/DC.h"

class CWnd;

class CMemDC
{
public:
    CMemDC(CDC& dc, CWnd* pWnd);
    CMemDC(CDC* pDC, CWnd* pWnd) : CMemDC(*pDC, pWnd) {}
    CMemDC(CDC& dc, const CRect& rect);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    // Where to draw: the memory DC, or the target itself when no buffer could be made.
    CDC& GetDC() { return m_bMemDC ? m_dcMem : m_dc; }
    BOOL IsMemDC() const { return m_bMemDC; }

private:
    void Init();

    CDC& m_dc;
    CRect m_rect;
    CDC m_dcMem;
    CBitmap m_bmp;
    CBitmap* m_pOldBmp = nullptr;
    BOOL m_bMemDC = FALSE;
};
