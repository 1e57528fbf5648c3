// CKeystriderView::PopupInfo: the one way the program shows the information pop-up.
#include "app/KeystriderView.h"

#include "app/DlgInfo.h"
#include "app/KeystriderApp.h"

void CKeystriderView::PopupInfo(UINT nMode, const wchar_t* pszText)
{
    if (m_pDlgInfo == nullptr || m_pDlgInfo->GetSafeHwnd() == nullptr)
        return;
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    m_pDlgInfo->SetMode(nMode);
    if (nMode != 0)
        m_pDlgInfo->SetInfoText(pszText);
    if (m_pDlgInfo->IsWindowVisible())
    {
        // Raised among the top-most windows; its place, opacity and fade stay as they are.
        m_pDlgInfo->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    }
    else
    {
        int x = GetSystemMetrics(SM_CXSCREEN) - 450;
        int y = GetSystemMetrics(SM_CYSCREEN) - 150;
        m_pDlgInfo->SetWindowPos(&CWnd::wndTopMost, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        m_pDlgInfo->SetTransparency(store.m_nInfoTransparent);
        m_pDlgInfo->ShowInfo(TRUE);
    }
    // Setting it again restarts the display time. A negative time (a hand-edited file) is no time at all,
    // as its slider shows it, and not the weeks that it would be taken as unsigned.
    const int nInfoTime = store.m_nInfoTime > 0 ? store.m_nInfoTime : 0;
    SetTimer(IDT_INFO_TIMEOUT, static_cast<UINT>(nInfoTime), nullptr);
}
