// CSkinLinksBar: a skin tool bar that remembers its selected link (the frame keeps four, never
// created), and CSkinLinksBarButton, its text-only link button.
#pragma once

#include "skin/SkinToolBar.h"

class CSkinLinksBarButton : public CMFCToolBarButton
{
    DECLARE_SERIAL(CSkinLinksBarButton)
public:
    CSkinLinksBarButton();

    // Bold label width + 6 by label height + 12 under the skin's manager.
    SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    // Interior as unchecked, label centred (bold while checked, cut with an ellipsis), border only
    // while hot or pressed.
    void OnDraw(CDC* pDC, const CRect& rect, CMFCToolBarImages* pImages, BOOL bHorz = TRUE,
                BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                BOOL bGrayDisabledButtons = TRUE) override;
};

class CSkinLinksBar : public CSkinToolBar
{
    DECLARE_DYNCREATE(CSkinLinksBar)
public:
    CSkinLinksBar() = default;

    void SetSelectedId(UINT nId) { m_nSelectedId = nId; }
    UINT GetSelectedId() const { return m_nSelectedId; }

    UINT m_nSelectedId = 0;
};
