// CSkinCategoryBar: the four page tabs under the tool bar ("Shortcut", "Windows Default", "Options",
// "About", commands 32832 to 32835); the frame's idle update checks the current page's tab.
#pragma once

#include "skin/SkinToolBar.h"

class CSkinCategoryBarButton : public CMFCToolBarButton
{
    DECLARE_SERIAL(CSkinCategoryBarButton)
public:
    CSkinCategoryBarButton();
    CSkinCategoryBarButton(const wchar_t* lpszText, UINT nId);

    // Bold label width + 24 by label height + 11 under the skin's manager; 0 x 0 when invisible.
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    // Interior, bold label 7 pixels below the top, and the border of a checked or hot tab.
    void OnDraw(CDC* pDC, const CRect& rect, CMFCToolBarImages* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
};

class CSkinCategoryBar : public CSkinToolBar
{
    DECLARE_DYNCREATE(CSkinCategoryBar)
public:
    CSkinCategoryBar() = default;

    // Puts the four tabs in place, in order; always TRUE.
    BOOL RestoreOriginalState() override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DECLARE_MESSAGE_MAP()
};
