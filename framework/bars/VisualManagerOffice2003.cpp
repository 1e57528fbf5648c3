// CMFCVisualManagerOffice2003: shaded bars over the Office XP look.
#include "framework/bars/VisualManagerOffice2003.h"
#include "framework/gdi/DC.h"
#include "framework/gdi/DrawingManager.h"
#include "framework/bars/BasePane.h"
#include "framework/bars/PopupMenu.h"

IMPLEMENT_DYNCREATE(CMFCVisualManagerOffice2003, CMFCVisualManagerOfficeXP)

CMFCVisualManagerOffice2003::CMFCVisualManagerOffice2003() = default;
CMFCVisualManagerOffice2003::~CMFCVisualManagerOffice2003() = default;

void CMFCVisualManagerOffice2003::OnUpdateSystemColors()
{
    CMFCVisualManagerOfficeXP::OnUpdateSystemColors();
    const COLORREF clrFace = m_clrBarBkgnd;
    m_clrBarGradientLight =
        RGB((GetRValue(clrFace) + 255) / 2, (GetGValue(clrFace) + 255) / 2, (GetBValue(clrFace) + 255) / 2);
}

void CMFCVisualManagerOffice2003::OnFillBarBackground(CDC* pDC, CBasePane* pBar, CRect rectClient,
                                                      CRect rectClip, BOOL bNCArea)
{
    if (pDC == nullptr)
        return;
    if (pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CMFCPopupMenuBar)))
    {
        if (rectClip.IsRectEmpty())
            rectClip = rectClient;
        pDC->FillRect(rectClip, &m_brMenuLight);
        return;
    }
    if (pBar == nullptr || pBar->IsDialogControl())
    {
        CMFCVisualManagerOfficeXP::OnFillBarBackground(pDC, pBar, rectClient, rectClip, bNCArea);
        return;
    }
    CDrawingManager dm(*pDC);
    dm.FillGradient(rectClient, m_clrBarBkgnd, m_clrBarGradientLight, TRUE);
}
