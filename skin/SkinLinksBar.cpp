// CSkinLinksBar and its link buttons: size and drawing of a text-only link.
#include "skin/SkinLinksBar.h"

#include "framework/gdi/GlobalData.h"
#include "framework/bars/VisualManager.h"
#include "skin/SkinLabelButton.h"
#include "skin/SkinVisualManager.h"

IMPLEMENT_SERIAL(CSkinLinksBarButton, CMFCToolBarButton, 1)
IMPLEMENT_DYNCREATE(CSkinLinksBar, CSkinToolBar)

CSkinLinksBarButton::CSkinLinksBarButton()
{
    m_bText = TRUE;
}

SIZE CSkinLinksBarButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    return CalcSkinLabelButtonSize(*this, pDC, sizeDefault, bHorz, 0, 12);
}

void CSkinLinksBarButton::OnDraw(CDC* pDC, const CRect& rect, CMFCToolBarImages*, BOOL bHorz,
                                 BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder, BOOL)
{
    m_bHorz = bHorz;
    const BOOL bChecked = (m_nStyle & TBBS_CHECKED) != 0;
    m_nStyle &= ~TBBS_CHECKED;
    FillInterior(pDC, rect, bHighlight);
    if (bChecked)
        m_nStyle |= TBBS_CHECKED;

    CFont* pOldFont = pDC->SelectObject(bChecked ? &afxGlobalData.fontBold : &afxGlobalData.fontRegular);
    CMFCVisualManager* pManager = SetSkinLabelTextColor(*this, pDC, bHighlight);
    if (bHorz)
    {
        CRect rectText = rect;
        const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(m_strText, &rectText, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        pDC->SetBkMode(nOldBkMode);
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);

    if (bCustomizeMode || !HaveHotBorder() || !bDrawBorder || pManager == nullptr)
        return;
    if ((m_nStyle & (TBBS_CHECKED | TBBS_PRESSED)) != 0)
    {
        if ((m_nStyle & TBBS_PRESSED) != 0 || bHighlight)
            pManager->OnDrawButtonBorder(pDC, this, rect, ButtonsIsPressed);
    }
    else if (bHighlight && (m_nStyle & (TBBS_DISABLED | TBBS_INDETERMINATE)) == 0)
    {
        pManager->OnDrawButtonBorder(pDC, this, rect, ButtonsIsHighlighted);
    }
}
