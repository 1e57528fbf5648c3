// CMemDC: the off-screen buffer and its copy to the target.
#include "framework/gdi/MemDC.h"
#include "framework/window/Wnd.h"

CMemDC::CMemDC(CDC& dc, CWnd* pWnd) : m_dc(dc)
{
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        pWnd->GetClientRect(&m_rect);
    Init();
}

CMemDC::CMemDC(CDC& dc, const CRect& rect) : m_dc(dc), m_rect(rect)
{
    Init();
}

void CMemDC::Init()
{
    if (m_rect.IsRectEmpty() || m_dc.GetSafeHdc() == nullptr)
        return;
    if (!m_dcMem.CreateCompatibleDC(&m_dc))
        return;
    if (!m_bmp.CreateCompatibleBitmap(&m_dc, m_rect.Width(), m_rect.Height()))
    {
        m_dcMem.DeleteDC();
        return;
    }
    m_pOldBmp = m_dcMem.SelectObject(&m_bmp);
    // The buffer's origin is the rectangle's top-left, so callers draw in the target's coordinates.
    ::SetViewportOrgEx(m_dcMem, -m_rect.left, -m_rect.top, nullptr);
    m_bMemDC = TRUE;
}

CMemDC::~CMemDC()
{
    if (!m_bMemDC)
        return;
    m_dc.BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), &m_dcMem, m_rect.left, m_rect.top,
                SRCCOPY);
    m_dcMem.SelectObject(m_pOldBmp); // the bitmap leaves the DC before either is deleted
}
