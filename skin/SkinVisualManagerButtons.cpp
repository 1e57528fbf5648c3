// CSkinVisualManager: text colours, borders and highlighted areas of tool-bar, menu, category and
// links buttons; popup-menu borders and highlights; separators; the two parts of a combo box.
#include "skin/SkinVisualManager.h"

#include "framework/gdi/DrawingManager.h"
#include "framework/gdi/GlobalData.h"
#include "framework/bars/MenuBar.h"
#include "framework/gdi/MenuImages.h"
#include "framework/bars/PopupMenu.h"
#include "framework/bars/ToolBarMenuButton.h"
#include "skin/SkinCategoryBar.h"
#include "skin/SkinLinksBar.h"
#include "skin/SkinToolBar.h"

namespace
{
// Where a button sits, as the skin tells its looks apart.
struct ButtonPlace
{
    CMFCToolBarMenuButton* pMenuButton = nullptr; // the button as a menu button, or null
    BOOL bOnMenuBar = FALSE;                      // a menu button on a menu bar
    BOOL bInPopupMenu = FALSE;                    // a menu button in a popup menu
    BOOL bOnSkinToolBar = FALSE;                  // a menu button on a skin tool bar
};

ButtonPlace PlaceOf(CMFCToolBarButton* pButton)
{
    ButtonPlace place;
    place.pMenuButton = DYNAMIC_DOWNCAST(CMFCToolBarMenuButton, pButton);
    if (place.pMenuButton == nullptr)
        return place;
    CWnd* pParent = place.pMenuButton->GetParentWnd();
    if (pParent == nullptr)
        return place;
    place.bOnMenuBar = pParent->IsKindOf(RUNTIME_CLASS(CMFCMenuBar));
    place.bInPopupMenu = pParent->IsKindOf(RUNTIME_CLASS(CMFCPopupMenuBar));
    place.bOnSkinToolBar = pParent->IsKindOf(RUNTIME_CLASS(CSkinToolBar));
    return place;
}

BOOL IsChecked(const CMFCToolBarButton* pButton)
{
    return (pButton->m_nStyle & TBBS_CHECKED) != 0;
}

// A one-pixel line from (x1, y1) toward (x2, y2), end point excluded, with a solid pen of clr.
void DrawLine(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF clr)
{
    CPen pen(PS_SOLID, 0, clr);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
    if (pOldPen != nullptr)
        pDC->SelectObject(pOldPen);
}
} // namespace

COLORREF CSkinVisualManager::GetToolbarButtonTextColor(CMFCToolBarButton* pButton, AFX_BUTTON_STATE state)
{
    if (state != ButtonsIsRegular && state != ButtonsIsPressed && state != ButtonsIsHighlighted)
        return CMFCVisualManagerOfficeXP::GetToolbarButtonTextColor(pButton, state);
    const ButtonPlace place = PlaceOf(pButton);
    if (place.pMenuButton != nullptr && !place.bInPopupMenu)
        return m_clrSkin[MenuBarButtonText + state];
    if (pButton != nullptr && pButton->IsKindOf(RUNTIME_CLASS(CSkinCategoryBarButton)))
        return m_clrSkin[CategoryButtonText + state];
    return m_clrSkin[ToolBarButtonText + state];
}

void CSkinVisualManager::OnDrawButtonBorder(CDC* pDC, CMFCToolBarButton* pButton, CRect rect,
                                            AFX_BUTTON_STATE state)
{
    if (pDC == nullptr || pButton == nullptr || (state != ButtonsIsPressed && state != ButtonsIsHighlighted))
        return;
    const ButtonPlace place = PlaceOf(pButton);

    if (place.bOnMenuBar || place.bInPopupMenu)
    {
        const COLORREF clrBorder = place.bInPopupMenu ? m_clrMenuItemBorder : m_clrSkin[MenuBarButtonBorder];
        if (!(place.bInPopupMenu && state == ButtonsIsHighlighted))
        {
            rect.right--;
            rect.bottom--;
        }
        CMFCPopupMenu* pPopup = place.pMenuButton->GetPopupMenu();
        if (place.bOnMenuBar && place.pMenuButton->IsDroppedDown() && pPopup != nullptr &&
            (pPopup->IsWindowVisible() || pPopup->IsShown()))
        {
            ExtendMenuButton(place.pMenuButton, rect);
            if (m_bShadowDroppedDownMenuButton && (pPopup->GetExStyle() & WS_EX_LAYOUTRTL) == 0 &&
                CMFCMenuBar::IsMenuShadows() && !CMFCToolBar::IsCustomizeMode() && IsNormalColorMode() &&
                !pPopup->IsRightAlign())
            {
                CDrawingManager dm(*pDC);
                dm.DrawShadow(rect, GetMenuShadowDepth(), 100, 75, nullptr, nullptr, m_clrMenuShadowBase,
                              TRUE);
            }
        }
        if (place.bInPopupMenu && IsChecked(pButton))
            rect.bottom++;
        pDC->Draw3dRect(rect, clrBorder, clrBorder);
        return;
    }

    if (pButton->IsKindOf(RUNTIME_CLASS(CSkinCategoryBarButton)))
    {
        // The checked tab: a top edge light in its middle, side edges darkening downward, an inner
        // line under the top and a dark bottom line.
        if (!IsChecked(pButton))
            return;
        DrawGradient2(pDC, m_clrSkin[CategoryEdgeDark], m_clrSkin[CategoryEdgeLight],
                      m_clrSkin[CategoryEdgeDark], CRect(rect.left, rect.top, rect.right, rect.top + 1),
                      FALSE);
        CDrawingManager dm(*pDC);
        dm.FillGradient(CRect(rect.left, rect.top, rect.left + 1, rect.bottom), m_clrSkin[CategoryFillBottom],
                        m_clrSkin[CategoryEdgeDark], TRUE);
        dm.FillGradient(CRect(rect.right - 1, rect.top, rect.right, rect.bottom),
                        m_clrSkin[CategoryFillBottom], m_clrSkin[CategoryEdgeDark], TRUE);
        DrawLine(pDC, rect.left + 1, rect.top + 1, rect.right - 1, rect.top + 1,
                 m_clrSkin[CategoryInnerLine]);
        DrawLine(pDC, rect.left + 1, rect.bottom - 1, rect.right - 1, rect.bottom - 1,
                 m_clrSkin[CategoryFillBottom]);
        return;
    }

    if (pButton->IsKindOf(RUNTIME_CLASS(CSkinLinksBarButton)))
    {
        pDC->Draw3dRect(rect, m_clrLinksButtonBorder, m_clrLinksButtonBorder);
        return;
    }

    if (place.bOnSkinToolBar)
    {
        CDrawingManager dm(*pDC);
        dm.HighlightRect(CRect(rect.left, rect.top, rect.right, rect.top + 1), 15, (COLORREF)-1, 0, 0xFFFFFF);
        dm.HighlightRect(CRect(rect.left, rect.bottom - 1, rect.right, rect.bottom), 15, (COLORREF)-1, 0,
                         0xFFFFFF);
        dm.HighlightRect(CRect(rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1), 15, (COLORREF)-1, 0,
                         0xFFFFFF);
        dm.HighlightRect(CRect(rect.right - 1, rect.top + 1, rect.right, rect.bottom - 1), 15, (COLORREF)-1,
                         0, 0xFFFFFF);
    }
}

void CSkinVisualManager::OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush,
                                               CMFCToolBarButton* pButton)
{
    if (pButton == nullptr)
    {
        CMFCVisualManagerOffice2003::OnFillHighlightedArea(pDC, rect, pBrush, pButton);
        return;
    }
    if (pDC == nullptr)
        return;
    const ButtonPlace place = PlaceOf(pButton);
    if (place.bOnMenuBar)
    {
        CMFCVisualManagerOfficeXP::OnFillHighlightedArea(pDC, rect, &m_brMenuBarHighlight, pButton);
        return;
    }
    if (place.bInPopupMenu)
    {
        CMFCVisualManagerOfficeXP::OnFillHighlightedArea(pDC, rect, pBrush, pButton);
        return;
    }
    if (pButton->IsKindOf(RUNTIME_CLASS(CSkinLinksBarButton)))
    {
        rect.right++;
        rect.bottom++;
        CMFCVisualManagerOfficeXP::OnFillHighlightedArea(pDC, rect, &m_brLinksButtonHighlight, pButton);
        return;
    }
    if (pButton->IsKindOf(RUNTIME_CLASS(CSkinCategoryBarButton)))
    {
        if (IsChecked(pButton))
        {
            CDrawingManager dm(*pDC);
            dm.FillGradient(rect, m_clrSkin[CategoryFillBottom], m_clrSkin[CategoryFillTop], TRUE);
        }
        return;
    }
    if (place.bOnSkinToolBar)
    {
        rect.right++;
        rect.bottom++;
        CDrawingManager dm(*pDC);
        dm.HighlightRect(rect, 10, (COLORREF)-1, 0, 0xFFFFFF);
    }
}

void CSkinVisualManager::OnHighlightMenuItem(CDC* pDC, CMFCToolBarMenuButton* pButton, CRect rect,
                                             COLORREF& clrText)
{
    if (pButton != nullptr && PlaceOf(pButton).bInPopupMenu && rect.Width() > pButton->Rect().Width() / 2)
        rect.right--;
    CMFCVisualManagerOfficeXP::OnHighlightMenuItem(pDC, pButton, rect, clrText);
}

void CSkinVisualManager::OnDrawMenuBorder(CDC* pDC, CMFCPopupMenu* /*pMenu*/, CRect rect)
{
    if (pDC == nullptr)
        return;
    pDC->Draw3dRect(rect, m_clrMenuBorder, m_clrMenuBorder);
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(rect, m_clrMenuLight, m_clrMenuLight);
    const CRect rectColumn(1, 1, 2, rect.bottom - 1);
    pDC->FillRect(rectColumn, &m_brBarBkgnd);
}

void CSkinVisualManager::OnDrawSeparator(CDC* pDC, CBasePane* pBar, CRect rect, BOOL bIsHoriz)
{
    if (pBar != nullptr && (pBar->IsDialogControl() || pBar->IsKindOf(RUNTIME_CLASS(CMFCPopupMenuBar)) ||
                            pBar->IsKindOf(RUNTIME_CLASS(CMFCColorBar))))
    {
        CMFCVisualManagerOffice2003::OnDrawSeparator(pDC, pBar, rect, bIsHoriz);
        return;
    }
    if (pDC == nullptr)
        return;
    CRect rectStrip = rect;
    if (bIsHoriz)
    {
        rectStrip.left = rectStrip.right = (rect.left + rect.right) / 2;
        rectStrip.bottom = rect.bottom - 1;
    }
    else
    {
        rectStrip.top = rectStrip.bottom = (rect.top + rect.bottom) / 2;
    }
    if (rectStrip.left == rectStrip.right)
        rectStrip.right++;
    if (rectStrip.top == rectStrip.bottom)
        rectStrip.bottom++;
    DrawGradient2(pDC, m_clrSkin[SeparatorFirst], m_clrSkin[SeparatorFirst + 1],
                  m_clrSkin[SeparatorFirst + 2], rectStrip, bIsHoriz);
}

void CSkinVisualManager::DrawGradient2(CDC* pDC, COLORREF clr1, COLORREF clr2, COLORREF clr3,
                                       const CRect& rect, BOOL bVertical)
{
    if (pDC == nullptr)
        return;
    CDrawingManager dm(*pDC);
    if (bVertical)
    {
        const int mid = (rect.top + rect.bottom) / 2;
        dm.FillGradient(CRect(rect.left, rect.top, rect.right, mid), clr2, clr1, TRUE);
        dm.FillGradient(CRect(rect.left, mid, rect.right, rect.bottom), clr3, clr2, TRUE);
    }
    else
    {
        const int mid = (rect.left + rect.right) / 2;
        dm.FillGradient(CRect(rect.left, rect.top, mid, rect.bottom), clr1, clr2, FALSE);
        dm.FillGradient(CRect(mid, rect.top, rect.right, rect.bottom), clr2, clr3, FALSE);
    }
}

void CSkinVisualManager::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                               BOOL bIsHighlighted, CMFCToolBarComboBoxButton* pButton)
{
    if (!IsNormalColorMode())
    {
        CMFCVisualManagerOfficeXP::OnDrawComboDropButton(pDC, rect, bDisabled, bIsDropped, bIsHighlighted,
                                                         pButton);
        return;
    }
    if (pDC == nullptr)
        return;
    const CSize sizeArrow = CMFCMenuImages::Size();
    const CPoint ptArrow(rect.left + (rect.Width() - sizeArrow.cx) / 2 + 1,
                         rect.top + (rect.Height() - sizeArrow.cy) / 2 + 1);
    if (!bDisabled)
    {
        int nFirst = ComboDropNormal;
        if (bIsHighlighted)
            nFirst = ComboDropHighlighted;
        else if (bIsDropped)
            nFirst = ComboDropDropped;
        const COLORREF clrTop = m_clrSkin[nFirst];
        const COLORREF clrBottom = m_clrSkin[nFirst + 1];
        const COLORREF clrBorder = m_clrSkin[nFirst + 2];
        CDrawingManager dm(*pDC);
        dm.FillGradient(rect, clrBottom, clrTop, TRUE);
        pDC->Draw3dRect(rect, clrBorder, clrBorder);
    }
    CMFCMenuImages::IMAGE_STATE imageState = CMFCMenuImages::ImageBlack;
    if (bDisabled)
        imageState = CMFCMenuImages::ImageGray;
    else if (bIsDropped && bIsHighlighted)
        imageState = CMFCMenuImages::ImageWhite;
    CMFCMenuImages::Draw(pDC, CMFCMenuImages::IdArrowDown, ptArrow, imageState, CSize(0, 0));
}

void CSkinVisualManager::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                           BOOL bIsHighlighted, CMFCToolBarComboBoxButton* pButton)
{
    if (!IsNormalColorMode())
    {
        CMFCVisualManagerOffice2003::OnDrawComboBorder(pDC, rect, bDisabled, bIsDropped, bIsHighlighted,
                                                       pButton);
        return;
    }
    if (pDC == nullptr)
        return;
    rect.DeflateRect(1, 1);
    const COLORREF clr = bDisabled ? afxGlobalData.clrBtnShadow : m_clrSkin[ComboBorder];
    pDC->Draw3dRect(rect, clr, clr);
}
