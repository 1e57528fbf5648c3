// CMFCVisualManagerOfficeXP: the flat look with tinted highlights.
#include "framework/bars/VisualManagerOfficeXP.h"
#include "framework/gdi/DC.h"
#include "framework/bars/ToolBarButton.h"
#include "framework/bars/ToolBarMenuButton.h"

IMPLEMENT_DYNCREATE(CMFCVisualManagerOfficeXP, CMFCVisualManager)

CMFCVisualManagerOfficeXP::CMFCVisualManagerOfficeXP() = default;
CMFCVisualManagerOfficeXP::~CMFCVisualManagerOfficeXP() = default;

void CMFCVisualManagerOfficeXP::OnUpdateSystemColors()
{
    CMFCVisualManager::OnUpdateSystemColors();
    // The highlight is a light tint here, so highlighted menu text keeps the menu's text colour.
    m_clrHighlightMenuItemText = ::GetSysColor(COLOR_MENUTEXT);
}

void CMFCVisualManagerOfficeXP::OnDrawSeparator(CDC* pDC, CBasePane* /*pBar*/, CRect rect, BOOL bIsHoriz)
{
    if (pDC == nullptr)
        return;
    const COLORREF clr = ::GetSysColor(COLOR_BTNSHADOW);
    if (bIsHoriz)
    {
        const int x = (rect.left + rect.right) / 2;
        pDC->FillSolidRect(CRect(x, rect.top + 2, x + 1, rect.bottom - 2), clr);
    }
    else
    {
        const int y = (rect.top + rect.bottom) / 2;
        pDC->FillSolidRect(CRect(rect.left + 2, y, rect.right - 2, y + 1), clr);
    }
}

void CMFCVisualManagerOfficeXP::OnFillButtonInterior(CDC* pDC, CMFCToolBarButton* pButton, CRect rect,
                                                     AFX_BUTTON_STATE state)
{
    if (pDC == nullptr || pButton == nullptr || (pButton->m_nStyle & TBBS_DISABLED) != 0)
        return;
    CBrush* pBrush = nullptr;
    if (state == ButtonsIsPressed)
        pBrush = &m_brHighlightDn;
    else if (state == ButtonsIsHighlighted)
        pBrush = &m_brHighlight;
    else if ((pButton->m_nStyle & TBBS_CHECKED) != 0)
        pBrush = &m_brHighlightChecked;
    if (pBrush != nullptr)
        OnFillHighlightedArea(pDC, rect, pBrush, pButton);
}

void CMFCVisualManagerOfficeXP::OnDrawButtonBorder(CDC* pDC, CMFCToolBarButton* /*pButton*/, CRect rect,
                                                   AFX_BUTTON_STATE state)
{
    if (pDC != nullptr && (state == ButtonsIsPressed || state == ButtonsIsHighlighted))
        pDC->Draw3dRect(rect, m_clrMenuItemBorder, m_clrMenuItemBorder);
}

void CMFCVisualManagerOfficeXP::OnHighlightMenuItem(CDC* pDC, CMFCToolBarMenuButton* pButton, CRect rect,
                                                    COLORREF& clrText)
{
    if (pDC == nullptr)
        return;
    rect.DeflateRect(1, 0);
    const BOOL bDisabled = pButton != nullptr && (pButton->m_nStyle & TBBS_DISABLED) != 0;
    OnFillHighlightedArea(pDC, rect, bDisabled ? &m_brMenuLight : &m_brHighlight, pButton);
    pDC->Draw3dRect(rect, m_clrMenuItemBorder, m_clrMenuItemBorder);
    clrText = GetHighlightedMenuItemTextColor(pButton);
}

COLORREF CMFCVisualManagerOfficeXP::GetHighlightedMenuItemTextColor(CMFCToolBarMenuButton* pButton)
{
    if (pButton != nullptr && (pButton->m_nStyle & TBBS_DISABLED) != 0)
        return ::GetSysColor(COLOR_GRAYTEXT);
    return m_clrHighlightMenuItemText;
}

void CMFCVisualManagerOfficeXP::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                                  BOOL bIsHighlighted, CMFCToolBarComboBoxButton* /*pButton*/)
{
    if (pDC == nullptr)
        return;
    COLORREF clr = ::GetSysColor(COLOR_BTNSHADOW);
    if (!bDisabled && (bIsDropped || bIsHighlighted))
        clr = m_clrMenuItemBorder;
    pDC->Draw3dRect(rect, clr, clr);
}
