// CDialog: modeless and modal dialogs from templates.
#include "framework/docview/Dialog.h"
#include "framework/docview/DialogTemplate.h"
#include "framework/window/WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)
IMPLEMENT_DYNAMIC(CDialogEx, CDialog)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    return CreateIndirect(AfxFindDialogTemplate(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    if (pParentWnd != nullptr)
        m_pParentWnd = pParentWnd;
    return CreateFromTemplate(lpDialogTemplate, GetOwnerHwnd());
}

HWND CDialog::GetOwnerHwnd() const
{
    CWnd* pOwner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    return pOwner != nullptr ? pOwner->m_hWnd : nullptr;
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, HWND hWndParent)
{
    if (lpTemplate == nullptr || m_hWnd != nullptr)
        return FALSE;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamW(AfxGetInstanceHandle(), lpTemplate, hWndParent, &AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    return hWnd != nullptr && m_hWnd == hWnd;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    if (pParentWnd != nullptr)
        m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE lpTemplate =
        m_lpDialogTemplate != nullptr ? m_lpDialogTemplate : AfxFindDialogTemplate(m_nIDTemplate);
    if (lpTemplate == nullptr || m_hWnd != nullptr)
        return -1;
    const HWND hWndParent = GetOwnerHwnd();

    m_bModal = TRUE;
    AfxHookWindowCreate(this);
    // The system's modal loop runs the dialog; the window is bound from its first message on.
    const INT_PTR nResult =
        ::DialogBoxIndirectParamW(AfxGetInstanceHandle(), lpTemplate, hWndParent, &AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    m_bModal = FALSE;
    return nResult;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::EndDialog(int nResult)
{
    if (m_hWnd != nullptr)
        ::EndDialog(m_hWnd, nResult);
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // Keyboard navigation of a modeless dialog (a modal one has the system's own loop).
    if (m_bModal || m_hWnd == nullptr || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}
