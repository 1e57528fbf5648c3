// CMFCVisualManagerOfficeXP: flat bars; hot, pressed and checked buttons filled with light tints of the
// selection colour and framed in it.
#pragma once

#include "framework/bars/VisualManager.h"

class CMFCVisualManagerOfficeXP : public CMFCVisualManager
{
    DECLARE_DYNCREATE(CMFCVisualManagerOfficeXP)
public:
    CMFCVisualManagerOfficeXP();
    ~CMFCVisualManagerOfficeXP() override;

    void OnUpdateSystemColors() override;
    void OnDrawSeparator(CDC* pDC, CBasePane* pBar, CRect rect, BOOL bIsHoriz) override;
    void OnFillButtonInterior(CDC* pDC, CMFCToolBarButton* pButton, CRect rect,
                              AFX_BUTTON_STATE state) override;
    void OnDrawButtonBorder(CDC* pDC, CMFCToolBarButton* pButton, CRect rect,
                            AFX_BUTTON_STATE state) override;
    void OnHighlightMenuItem(CDC* pDC, CMFCToolBarMenuButton* pButton, CRect rect,
                             COLORREF& clrText) override;
    COLORREF GetHighlightedMenuItemTextColor(CMFCToolBarMenuButton* pButton) override;
    void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped, BOOL bIsHighlighted,
                           CMFCToolBarComboBoxButton* pButton) override;
};
