// CGdiObject, CPen, CBrush, CFont and CBitmap.
#include "framework/gdi/GdiObject.h"
#include "framework/gdi/DC.h"
#include "framework/window/TempHandleMap.h"
#include "framework/window/WinApp.h"

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return AfxTemporaryWrapper<CGdiObject>(hObject);
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, void* lpObject) const
{
    return m_hObject != nullptr ? ::GetObjectW(m_hObject, nCount, lpObject) : 0;
}

CPen* CPen::FromHandle(HPEN hPen)
{
    return AfxTemporaryWrapper<CPen>(hPen);
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return m_hObject == nullptr && Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

CBrush* CBrush::FromHandle(HBRUSH hBrush)
{
    return AfxTemporaryWrapper<CBrush>(hBrush);
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return m_hObject == nullptr && Attach(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    // A system-colour brush is shared by the system; ours is a solid brush of the same colour, so that
    // deleting it is always right.
    return m_hObject == nullptr && Attach(::CreateSolidBrush(::GetSysColor(nIndex)));
}

CFont* CFont::FromHandle(HFONT hFont)
{
    return AfxTemporaryWrapper<CFont>(hFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    return lpLogFont != nullptr && m_hObject == nullptr && Attach(::CreateFontIndirectW(lpLogFont));
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    return GetObject(sizeof(LOGFONT), pLogFont);
}

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap)
{
    return AfxTemporaryWrapper<CBitmap>(hBitmap);
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCEW(nIDResource));
}

BOOL CBitmap::LoadBitmap(const wchar_t* lpszResourceName)
{
    if (m_hObject != nullptr || lpszResourceName == nullptr)
        return FALSE;
    return Attach(::LoadBitmapW(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    if (m_hObject != nullptr || pDC == nullptr || pDC->GetSafeHdc() == nullptr)
        return FALSE;
    return Attach(::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    if (m_hObject != nullptr)
        return FALSE;
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const
{
    return GetObject(sizeof(BITMAP), pBitMap);
}
