// What the skin's label-only buttons have in common: their size and their label colour.
#include "skin/SkinLabelButton.h"

#include "framework/gdi/DC.h"
#include "framework/gdi/GlobalData.h"
#include "skin/SkinVisualManager.h"

#include <algorithm>

SIZE CalcSkinLabelButtonSize(CMFCToolBarButton& button, CDC* pDC, const CSize& sizeDefault, BOOL bHorz,
                             int cxExtra, int cyExtra)
{
    CMFCVisualManager* pManager = CMFCVisualManager::GetInstance();
    if (pManager == nullptr || !pManager->IsKindOf(RUNTIME_CLASS(CSkinVisualManager)))
        return button.CMFCToolBarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    if (!button.IsVisible())
        return CSize(0, 0);
    CSize size = sizeDefault;
    if ((button.m_nStyle & TBBS_SEPARATOR) != 0)
        return size;
    if (!button.m_bImage || button.GetImage() < 0)
    {
        const CSize extra = button.m_bExtraSize ? pManager->GetButtonExtraBorder() : CSize(0, 0);
        if (bHorz)
            size.cx = extra.cx;
        else
            size.cy = extra.cy;
    }
    button.m_sizeText = CSize(0, 0);
    if (!button.m_strText.IsEmpty() && button.m_bText && pDC != nullptr)
    {
        CFont* pOldFont = pDC->SelectObject(&afxGlobalData.fontBold);
        CRect rectText(0, 0, 3 * sizeDefault.cx, sizeDefault.cy);
        UINT nFormat = DT_CALCRECT | DT_CENTER;
        if (CMFCToolBarButton::m_bWrapText)
            nFormat |= DT_WORDBREAK;
        pDC->DrawText(button.m_strText, &rectText, nFormat);
        button.m_sizeText = rectText.Size();
        button.m_sizeText.cx += 6;
        size.cx = std::max<int>(size.cx, button.m_sizeText.cx) + cxExtra;
        size.cy = button.m_sizeText.cy + cyExtra;
        if (pOldFont != nullptr)
            pDC->SelectObject(pOldFont);
    }
    return size;
}

CMFCVisualManager* SetSkinLabelTextColor(CMFCToolBarButton& button, CDC* pDC, BOOL bHighlight)
{
    CMFCVisualManager* pManager = CMFCVisualManager::GetInstance();
    AFX_BUTTON_STATE state = ButtonsIsRegular;
    if (bHighlight)
        state = ButtonsIsHighlighted;
    else if ((button.m_nStyle & (TBBS_CHECKED | TBBS_PRESSED)) != 0)
        state = ButtonsIsPressed;
    if (pManager != nullptr)
        pDC->SetTextColor(pManager->GetToolbarButtonTextColor(&button, state));
    return pManager;
}
