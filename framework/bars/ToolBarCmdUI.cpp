// CToolBarCmdUI: button state bits from the update handlers.
#include "framework/bars/ToolBarCmdUI.h"
#include "framework/bars/ToolBar.h"

void CToolBarCmdUI::SetStyle(UINT nStyle)
{
    CMFCToolBarButton* pButton = m_pToolBar->GetButton(static_cast<int>(m_nIndex));
    if (pButton == nullptr || pButton->m_nStyle == nStyle)
        return;
    pButton->m_nStyle = nStyle;
    if (m_pToolBar->GetSafeHwnd() != nullptr)
    {
        CRect rect = pButton->Rect();
        m_pToolBar->InvalidateRect(&rect, FALSE);
    }
}

void CToolBarCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CMFCToolBarButton* pButton = m_pToolBar->GetButton(static_cast<int>(m_nIndex));
    if (pButton == nullptr)
        return;
    UINT nStyle = pButton->m_nStyle & ~TBBS_DISABLED;
    if (!bOn)
        nStyle = (nStyle | TBBS_DISABLED) & ~TBBS_PRESSED; // a disabled button cannot stay pressed
    SetStyle(nStyle);
}

void CToolBarCmdUI::SetCheck(int nCheck)
{
    CMFCToolBarButton* pButton = m_pToolBar->GetButton(static_cast<int>(m_nIndex));
    if (pButton == nullptr)
        return;
    UINT nStyle = pButton->m_nStyle & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
    if (nCheck == 1)
        nStyle |= TBBS_CHECKED;
    else if (nCheck == 2)
        nStyle |= TBBS_INDETERMINATE;
    SetStyle(nStyle);
}

void CToolBarCmdUI::SetText(const wchar_t* /*lpszText*/)
{
    // Button texts come from the resources; update handlers do not change them.
}
