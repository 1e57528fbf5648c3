// CPaintDC, CClientDC and CWindowDC: the DCs of a window, each released in its own way when the
// object goes (EndPaint, ReleaseDC); the base CDC never deletes them.
#pragma once

#include "framework/gdi/DC.h"

class CWnd;

// Between BeginPaint and EndPaint of a WM_PAINT.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps = {};

protected:
    HWND m_hWnd = nullptr;
};

// The client area of a window (GetDC); the screen when pWnd is null.
class CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};

// The whole window, non-client area included (GetWindowDC).
class CWindowDC : public CDC
{
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};
