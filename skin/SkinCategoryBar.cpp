// CSkinCategoryBar and its tab buttons: the tabs' set, size and drawing.
#include "skin/SkinCategoryBar.h"

#include "framework/gdi/GlobalData.h"
#include "framework/bars/VisualManager.h"
#include "framework/window/WndMessageMap.h"
#include "res/resource.h"
#include "skin/SkinLabelButton.h"
#include "skin/SkinVisualManager.h"

#include <algorithm>

IMPLEMENT_SERIAL(CSkinCategoryBarButton, CMFCToolBarButton, 1)
IMPLEMENT_DYNCREATE(CSkinCategoryBar, CSkinToolBar)

BEGIN_MESSAGE_MAP(CSkinCategoryBar, CSkinToolBar)
ON_WM_CREATE()
END_MESSAGE_MAP()

CSkinCategoryBarButton::CSkinCategoryBarButton()
{
    m_bText = TRUE;
}

CSkinCategoryBarButton::CSkinCategoryBarButton(const wchar_t* lpszText, UINT nId)
{
    m_strText = lpszText;
    m_nID = nId;
    m_bText = TRUE;
}

SIZE CSkinCategoryBarButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    return CalcSkinLabelButtonSize(*this, pDC, sizeDefault, bHorz, 18, 11);
}

void CSkinCategoryBarButton::OnDraw(CDC* pDC, const CRect& rect, CMFCToolBarImages*, BOOL bHorz,
                                    BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder, BOOL)
{
    m_bHorz = bHorz;
    FillInterior(pDC, rect, bHighlight);
    CFont* pOldFont = pDC->SelectObject(&afxGlobalData.fontBold);

    CMFCVisualManager* pManager = SetSkinLabelTextColor(*this, pDC, bHighlight);

    CRect rectText = rect;
    rectText.top += 7;
    if (bHorz)
    {
        // The label stands on the bar's picture, not on a box of the DC's background colour.
        const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(m_strText, &rectText, DT_SINGLELINE | DT_CENTER);
        pDC->SetBkMode(nOldBkMode);
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);

    if (bCustomizeMode || !HaveHotBorder() || !bDrawBorder || pManager == nullptr)
        return;
    if ((m_nStyle & (TBBS_CHECKED | TBBS_PRESSED)) != 0)
        pManager->OnDrawButtonBorder(pDC, this, rect, ButtonsIsPressed);
    else if (bHighlight && (m_nStyle & (TBBS_DISABLED | TBBS_CHECKED | TBBS_INDETERMINATE)) == 0)
        pManager->OnDrawButtonBorder(pDC, this, rect, ButtonsIsHighlighted);
}

int CSkinCategoryBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CSkinToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    RestoreOriginalState();
    return 0;
}

BOOL CSkinCategoryBar::RestoreOriginalState()
{
    static const struct
    {
        const wchar_t* text;
        UINT id;
    } kTabs[] = {
        {L"Shortcut", ID_PAGE_SHORTCUT},
        {L"Windows Default", ID_PAGE_WINDOWS_DEFAULT},
        {L"Options", ID_PAGE_OPTIONS},
        {L"About", ID_PAGE_ABOUT},
    };
    RemoveAllButtons();
    for (const auto& tab : kTabs)
        InsertButton(CSkinCategoryBarButton(tab.text, tab.id), -1);
    AdjustLayout();
    Invalidate(TRUE);
    return TRUE;
}
