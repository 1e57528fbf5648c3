// CFormView: the view's window made from a dialog template, as a child control parent.
#include "framework/docview/FormView.h"
#include "framework/docview/DialogTemplate.h"
#include "framework/docview/FrameWnd.h"
#include "framework/window/WinApp.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BOOL CFormView::Create(const wchar_t*, const wchar_t*, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       UINT nID, void* pContext)
{
    // The template becomes a child window that hosts its controls (DS_CONTROL), whatever it says.
    const DWORD dwRemove =
        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | WS_VISIBLE | WS_DISABLED;
    LPCDLGTEMPLATE lpTemplate = m_lpTemplate != nullptr ? m_lpTemplate : AfxFindDialogTemplate(m_nIDTemplate);
    std::vector<BYTE> copy = AfxCopyDialogTemplate(lpTemplate, dwRemove, WS_CHILD | DS_CONTROL);
    if (copy.empty() || pParentWnd == nullptr || pParentWnd->m_hWnd == nullptr || m_hWnd != nullptr)
    {
        PostNcDestroy(); // as after any failed creation: the view deletes itself
        return FALSE;
    }

    m_pCreateContext = static_cast<CCreateContext*>(pContext);
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateDialogIndirectParamW(AfxGetInstanceHandle(), reinterpret_cast<LPCDLGTEMPLATE>(copy.data()),
                                     pParentWnd->m_hWnd, &AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
    {
        PostNcDestroy();
        return FALSE;
    }
    if (hWnd == nullptr)
        return FALSE; // created and destroyed again: WM_NCDESTROY has deleted the view
    m_pCreateContext = nullptr;

    SetDlgCtrlID(static_cast<int>(nID));
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE); // binds the template's controls to the members
    CScrollView::OnInitialUpdate();
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CScrollView::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || m_hWnd == nullptr)
        return FALSE;
    // Dialog navigation would eat the frames' accelerators: they come first.
    for (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr; pFrame = pFrame->GetParentFrame())
    {
        if (pFrame->PreTranslateMessage(pMsg))
            return TRUE;
    }
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}
