// CCmdUI: asking the command route for an item's enabled and checked state.
#include "framework/window/CmdUI.h"
#include "framework/window/CmdTarget.h"
#include "framework/window/Wnd.h"

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pOther != nullptr && m_pOther->GetSafeHwnd() != nullptr)
    {
        // Never leave the focus on a window that is being disabled: move it to the next control.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
        {
            HWND hParent = ::GetParent(m_pOther->m_hWnd);
            if (hParent != nullptr)
                ::SendMessageW(hParent, WM_NEXTDLGCTL, 0, FALSE);
        }
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pOther != nullptr && m_pOther->GetSafeHwnd() != nullptr &&
        (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON) != 0)
        m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
}

void CCmdUI::SetText(const wchar_t* lpszText)
{
    if (m_pOther != nullptr && m_pOther->GetSafeHwnd() != nullptr)
        m_pOther->SetWindowText(lpszText);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (pTarget == nullptr || m_nID == 0)
        return TRUE; // separators and items without target are left alone

    m_bEnableChanged = FALSE;
    m_bContinueRouting = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, nullptr);
    if (bResult && m_bContinueRouting)
        bResult = FALSE;

    if (!bResult && bDisableIfNoHndler && !m_bEnableChanged)
    {
        // No update handler: the item is enabled exactly when someone handles its command. System
        // command ids (0xF000 and above) are handled by the default window procedure.
        AFX_CMDHANDLERINFO info = {nullptr, nullptr};
        BOOL bHandler = m_nID >= 0xF000 || pTarget->OnCmdMsg(m_nID, CN_COMMAND, nullptr, &info);
        Enable(bHandler);
    }
    return bResult;
}
