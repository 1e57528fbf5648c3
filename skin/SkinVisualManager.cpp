// CSkinVisualManager: construction and colours, the cached frame background behind the skin's bars,
// the tasks pane's gradient and the caption-button pictures. Buttons, menus, separators and combo
// boxes are in skin/SkinVisualManagerButtons.cpp.
#include "skin/SkinVisualManager.h"

#include "framework/gdi/DrawingManager.h"
#include "framework/docview/FrameWnd.h"
#include "framework/bars/PopupMenu.h"
#include "framework/bars/TasksPane.h"
#include "skin/SkinCaptionBar.h"
#include "skin/SkinCategoryBar.h"
#include "skin/SkinLinksBar.h"
#include "skin/SkinMenuBar.h"

#include <vsstyle.h>

CMFCToolBarImages g_SkinToolBarImages;

IMPLEMENT_DYNCREATE(CSkinVisualManager, CMFCVisualManagerOffice2003)

namespace
{
// The skin colours, 0x00BBGGRR, in the order of CSkinVisualManager::SkinColor.
const COLORREF kSkinColors[CSkinVisualManager::SkinColorCount] = {
    0xCE8639,                     // menu-bar button border
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, // menu-bar button text: regular, pressed, highlighted
    0xFFFFFF, 0x7FDFFF, 0x7FDFFF, // other tool-bar button text
    0xFDF3E8, 0x7FDFFF, 0x7FDFFF, // category tab text
    0xD3A277, 0xFFFFFF, 0xC68855, // separator gradient
    0xAB7A4E,                     // combo border
    0xFCDCD0, 0xFBCDB6, 0xF5C5B1, // combo drop button, normal: top, bottom, border
    0xFEF4E2, 0xFCDBCB, 0xE1A58C, // highlighted
    0xF2997A, 0xEBB29F, 0xF2C6B5, // dropped
    0x9F5E35, 0xE7D1BF, 0xD2A57B, // checked tab: dark edge, light edge, inner line
    0xC17F4D, 0x904A28,           // checked tab: fill top, fill bottom
};
} // namespace

CSkinVisualManager::CSkinVisualManager()
{
    SetMenuShadowDepth(0);
    m_brMenuBarHighlight.CreateSolidBrush(0xCE8639);
    for (int i = 0; i < SkinColorCount; ++i)
        m_clrSkin[i] = kSkinColors[i];
    m_brLinksBarBackground.CreateSolidBrush(0x995531);
    m_brLinksButtonHighlight.CreateSolidBrush(0x874526);
    m_clrLinksButtonBorder = 0x874526;
}

CSkinVisualManager::~CSkinVisualManager()
{
    // The cache bitmap goes back out of the memory DC before either is deleted.
    UnselectFrameCacheBitmap();
}

void CSkinVisualManager::UnselectFrameCacheBitmap()
{
    if (m_dcFrameCache.GetSafeHdc() != nullptr && m_hOldCacheBitmap != nullptr)
        ::SelectObject(m_dcFrameCache, m_hOldCacheBitmap);
}

void CSkinVisualManager::OnUpdateSystemColors()
{
    CMFCVisualManagerOffice2003::OnUpdateSystemColors();
    m_clrMenuLight = 0xFDE8D2;
    ResetBrush(m_brMenuLight, m_clrMenuLight);
    m_clrHighlight = 0xEBC098;
    ResetBrush(m_brHighlight, m_clrHighlight);
    m_clrHighlightDn = 0xEBC098;
    ResetBrush(m_brHighlightDn, m_clrHighlightDn);
    m_clrHighlightChecked = 0xEBC098;
    ResetBrush(m_brHighlightChecked, m_clrHighlightChecked);
    m_clrMenuItemBorder = 0xEBC098;
    m_clrMenuBorder = 0x808080;
}

BOOL CSkinVisualManager::BlitCachedBitmap(CDC* pDC, const CRect& rect, CBitmap* pBitmap)
{
    if (pBitmap == nullptr || pBitmap->GetSafeHandle() == nullptr)
        return FALSE;
    BITMAP bm = {};
    pBitmap->GetBitmap(&bm);
    CDC dcTemp;
    if (!dcTemp.CreateCompatibleDC(pDC))
        return FALSE;
    CBitmap* pOld = dcTemp.SelectObject(pBitmap);
    const int nOldMode = pDC->SetStretchBltMode(COLORONCOLOR);
    pDC->StretchBlt(0, 0, rect.Width(), rect.Height(), &dcTemp, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    if (pOld != nullptr)
        dcTemp.SelectObject(pOld);
    pDC->SetStretchBltMode(nOldMode);
    return TRUE;
}

void CSkinVisualManager::DrawFrameBackground(CDC* pDC, const CSize& size)
{
    // Without a DC nothing can be made compatible with the screen: the cache stays as it is.
    if (pDC == nullptr)
        return;
    if (m_dcFrameCache.GetSafeHdc() != nullptr &&
        pDC->GetDeviceCaps(BITSPIXEL) != m_dcFrameCache.GetDeviceCaps(BITSPIXEL))
    {
        UnselectFrameCacheBitmap();
        m_hOldCacheBitmap = nullptr;
        m_dcFrameCache.DeleteDC();
        m_bmpFrameCache.DeleteObject();
    }
    if (m_dcFrameCache.GetSafeHdc() == nullptr && !m_dcFrameCache.CreateCompatibleDC(pDC))
        return;
    if (size != m_sizeFrameCache || m_bmpFrameCache.GetSafeHandle() == nullptr)
    {
        m_sizeFrameCache = size;
        UnselectFrameCacheBitmap();
        m_bmpFrameCache.DeleteObject();
        if (m_bmpFrameCache.CreateCompatibleBitmap(pDC, size.cx, size.cy))
        {
            HGDIOBJ hOld = ::SelectObject(m_dcFrameCache, m_bmpFrameCache.GetSafeHandle());
            if (m_hOldCacheBitmap == nullptr)
                m_hOldCacheBitmap = hOld;
        }
        m_bFrameCacheValid = FALSE;
    }
    if (m_bmpFrameBackground.GetSafeHandle() != nullptr)
        m_bFrameCacheValid =
            BlitCachedBitmap(&m_dcFrameCache, CRect(CPoint(0, 0), m_sizeFrameCache), &m_bmpFrameBackground);
}

void CSkinVisualManager::OnFillBarBackground(CDC* pDC, CBasePane* pBar, CRect rectClient, CRect rectClip,
                                             BOOL /*bNCArea*/)
{
    if (m_bmpFrameBackground.GetSafeHandle() == nullptr &&
        m_bmpFrameBackground.LoadBitmap(L"IDB_SKIN_FRAME_BKGND") && !m_bFrameCacheValid &&
        m_dcFrameCache.GetSafeHdc() != nullptr)
    {
        m_bFrameCacheValid =
            BlitCachedBitmap(&m_dcFrameCache, CRect(CPoint(0, 0), m_sizeFrameCache), &m_bmpFrameBackground);
    }
    if (rectClip.IsRectEmpty())
        rectClip = rectClient;

    if (pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CMFCPopupMenuBar)))
    {
        pDC->FillRect(&rectClip, &m_brMenuLight);
        return;
    }
    const BOOL bSkinBar = pBar != nullptr && (pBar->IsKindOf(RUNTIME_CLASS(CSkinCaptionBar)) ||
                                              pBar->IsKindOf(RUNTIME_CLASS(CSkinMenuBar)) ||
                                              pBar->IsKindOf(RUNTIME_CLASS(CSkinToolBar)));
    if (bSkinBar && pBar->IsKindOf(RUNTIME_CLASS(CSkinLinksBar)))
    {
        pDC->FillRect(&rectClip, &m_brLinksBarBackground);
        return;
    }
    if (!bSkinBar || pBar->IsFloating())
    {
        CMFCVisualManagerOffice2003::OnFillBarBackground(pDC, pBar, rectClient, rectClip, FALSE);
        return;
    }

    // The bar shows its own slice of the picture cached at the frame's size.
    CPoint ptSource = rectClient.TopLeft();
    if (CFrameWnd* pFrame = pBar->GetTopLevelFrame())
    {
        CRect rectBar;
        pBar->GetWindowRect(&rectBar);
        pFrame->ScreenToClient(&rectBar);
        ptSource.Offset(rectBar.left, rectBar.top);
    }
    if (m_dcFrameCache.GetSafeHdc() != nullptr)
    {
        const int nOldMode = pDC->SetStretchBltMode(COLORONCOLOR);
        pDC->BitBlt(rectClient.left, rectClient.top, rectClient.Width(), rectClient.Height(), &m_dcFrameCache,
                    ptSource.x, ptSource.y, SRCCOPY);
        pDC->SetStretchBltMode(nOldMode);
    }
    if (pBar->IsKindOf(RUNTIME_CLASS(CSkinCategoryBar)))
    {
        CDrawingManager dm(*pDC);
        dm.HighlightRect(CRect(rectClient.left, rectClient.top + 3, rectClient.right, rectClient.top + 4), 15,
                         (COLORREF)-1, 0, 0xFFFFFF);
        dm.HighlightRect(CRect(rectClient.left, rectClient.top + 4, rectClient.right, rectClient.top + 5), 40,
                         (COLORREF)-1, 0, 0xFFFFFF);
        dm.HighlightRect(CRect(rectClient.left, rectClient.top + 5, rectClient.right, rectClient.bottom - 1),
                         30, (COLORREF)-1, 0, 0xFFFFFF);
        dm.HighlightRect(CRect(rectClient.left, rectClient.bottom - 1, rectClient.right, rectClient.bottom),
                         10, (COLORREF)-1, 0, 0xFFFFFF);
    }
}

void CSkinVisualManager::OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea)
{
    CDrawingManager dm(*pDC);
    dm.FillGradient(rectWorkArea, 0xFCE4CB, 0xFEF2E2, FALSE);
    CPen pen(PS_SOLID, 1, 0xF7DABC);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rectWorkArea.right - 1, rectWorkArea.top);
    pDC->LineTo(rectWorkArea.right - 1, rectWorkArea.bottom);
    if (pOldPen != nullptr)
        pDC->SelectObject(pOldPen);
}

void CSkinVisualManager::OnFillTasksGroupInterior(CDC*, CRect, BOOL) {}

void CSkinVisualManager::OnDrawTasksGroupAreaBorder(CDC*, CRect, BOOL, BOOL) {}

void CSkinVisualManager::OnDrawTask(CDC* pDC, CMFCTasksPaneTask* pTask, CImageList* pIcons,
                                    BOOL bIsHighlighted, BOOL bIsSelected)
{
    if (pTask != nullptr)
    {
        pTask->m_clrText = 0x7F2510;
        pTask->m_clrTextHot = 0x7F2510;
    }
    CMFCVisualManagerOffice2003::OnDrawTask(pDC, pTask, pIcons, bIsHighlighted, bIsSelected);
}

BOOL CSkinVisualManager::LoadBitmapWithTransparency(const wchar_t* lpszResourceName)
{
    m_sizeCaptionButton = CSize(0, 0);
    CBitmap bmp;
    if (!bmp.LoadBitmap(lpszResourceName))
        return FALSE;
    // A list made for another strip (even an empty one) has the wrong cell size: start afresh.
    if (m_imlCaptionButtons.GetSafeHandle() != nullptr)
        m_imlCaptionButtons.DeleteImageList();
    BITMAP bm = {};
    bmp.GetBitmap(&bm);
    UINT nFlags = ILC_MASK;
    switch (bm.bmBitsPixel)
    {
    case 4:
        nFlags |= ILC_COLOR4;
        break;
    case 8:
        nFlags |= ILC_COLOR8;
        break;
    case 16:
        nFlags |= ILC_COLOR16;
        break;
    case 24:
        nFlags |= ILC_COLOR24;
        break;
    case 32:
        nFlags |= ILC_COLOR32;
        break;
    default:
        break;
    }
    m_sizeCaptionButton = CSize(bm.bmWidth / 12, bm.bmHeight);
    if (m_imlCaptionButtons.Create(m_sizeCaptionButton.cx, m_sizeCaptionButton.cy, nFlags, 0, 3))
        m_imlCaptionButtons.Add(&bmp, 0xFF00FF);
    return TRUE;
}

void CSkinVisualManager::OnDrawCaptionBarButton(CDC* pDC, CRect* pRect, int nState, UINT nCommand)
{
    if (m_imlCaptionButtons.GetSafeHandle() != nullptr && m_imlCaptionButtons.GetImageCount() >= 12)
    {
        int nFirst = 0;
        switch (nCommand)
        {
        case SC_MAXIMIZE:
            nFirst = 3;
            break;
        case SC_RESTORE:
            nFirst = 6;
            break;
        case SC_CLOSE:
            nFirst = 9;
            break;
        default:
            break;
        }
        const int nOffset = nState == 2 ? 1 : (nState == 1 ? 2 : 0);
        m_imlCaptionButtons.Draw(pDC, nFirst + nOffset, pRect->TopLeft(), ILD_NORMAL);
        return;
    }
    if (m_pfDrawThemeBackground != nullptr && m_hThemeWindow != nullptr)
    {
        int nPart = WP_MINBUTTON;
        switch (nCommand)
        {
        case SC_MAXIMIZE:
            nPart = WP_MAXBUTTON;
            break;
        case SC_RESTORE:
            nPart = WP_RESTOREBUTTON;
            break;
        case SC_CLOSE:
            nPart = WP_CLOSEBUTTON;
            break;
        default:
            break;
        }
        const int nThemeState = nState == 2 ? 2 : (nState == 1 ? 3 : 1);
        m_pfDrawThemeBackground(m_hThemeWindow, pDC->GetSafeHdc(), nPart, nThemeState, pRect, nullptr);
        return;
    }
    UINT nGlyph = DFCS_CAPTIONMIN;
    switch (nCommand)
    {
    case SC_MAXIMIZE:
        nGlyph = DFCS_CAPTIONMAX;
        break;
    case SC_RESTORE:
        nGlyph = DFCS_CAPTIONRESTORE;
        break;
    case SC_CLOSE:
        nGlyph = DFCS_CAPTIONCLOSE;
        break;
    default:
        break;
    }
    pDC->DrawFrameControl(pRect, DFC_CAPTION, nGlyph | (nState == 1 ? DFCS_PUSHED : 0));
}
