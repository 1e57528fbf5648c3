// CDC: a device context and the drawing calls the program makes on it.
//
// Ownership: a CDC deletes only the DC it created itself (CreateCompatibleDC); a DC given to it by
// Attach, or wrapped by FromHandle, is borrowed and left alone. The window DCs (CPaintDC, CClientDC,
// CWindowDC in framework/gdi/WindowDC.h) release theirs in their own way.
#pragma once

#include <windows.h>

#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/gdi/GdiObject.h"
#include "framework/core/Geometry.h"

class CDC : public CObject
{
public:
    CDC() = default;
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    static CDC* FromHandle(HDC hDC);
    // Borrows hDC (it is not deleted by this object); FALSE when this object already holds a DC.
    BOOL Attach(HDC hDC);
    HDC Detach();
    // A memory DC compatible with pDC (with the screen when pDC is null), owned by this object.
    BOOL CreateCompatibleDC(CDC* pDC);
    // Deletes an owned DC; a borrowed one is only given up. FALSE when there was none.
    BOOL DeleteDC();

    // --- selection: each returns the object that was selected before (a temporary wrapper) ---
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CGdiObject* SelectStockObject(int nIndex);
    int SaveDC();
    BOOL RestoreDC(int nSavedDC);

    // --- attributes ---
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    int SetBkMode(int nBkMode);
    int GetBkMode() const;
    int SetStretchBltMode(int nStretchMode);
    int GetStretchBltMode() const;
    int GetDeviceCaps(int nIndex) const;
    int GetClipBox(LPRECT lpRect) const;
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
    CSize GetTextExtent(const wchar_t* lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const;

    // --- drawing ---
    int DrawText(const wchar_t* lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    // A one-pixel frame just inside the rectangle: top and left edges in the first colour, bottom and
    // right edges in the second.
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop);
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    BOOL Rectangle(LPCRECT lpRect);
    BOOL DrawIcon(int x, int y, HICON hIcon);
    BOOL DrawIcon(POINT point, HICON hIcon) { return DrawIcon(point.x, point.y, hIcon); }
    BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState);
    void DrawFocusRect(LPCRECT lpRect);
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    COLORREF GetPixel(int x, int y) const;

private:
    BOOL m_bOwnsDC = FALSE; // m_hDC was created by CreateCompatibleDC: DeleteDC deletes it
};
