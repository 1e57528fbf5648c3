// CDialog and CDialogEx: dialogs from template resources (or templates in memory), modeless through
// Create, modal through DoModal; OnInitDialog exchanges data with the controls (DDX_Control binds them).
#pragma once

#include "framework/window/Wnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Modeless: the window exists when this returns TRUE (hidden unless the template says WS_VISIBLE).
    // Without a parent, the application's main window (when it has one) is its owner.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Modal: a template in memory instead of the resource (kept by the caller until DoModal returns).
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Runs the dialog; the EndDialog result, or -1 when it could not be created.
    virtual INT_PTR DoModal();

    virtual BOOL OnInitDialog();
    void EndDialog(int nResult);
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    UINT m_nIDTemplate = 0;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    BOOL m_bModal = FALSE;

    BOOL CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, HWND hWndParent);
    // The window that owns the dialog, modal or modeless: its parent, else the main window (an unowned
    // dialog would get a taskbar button and an Alt+Tab entry of its own); null when neither exists.
    HWND GetOwnerHwnd() const;

    DECLARE_MESSAGE_MAP()
};

class CDialogEx : public CDialog
{
    DECLARE_DYNAMIC(CDialogEx)
public:
    CDialogEx() = default;
    explicit CDialogEx(UINT nIDTemplate, CWnd* pParentWnd = nullptr) : CDialog(nIDTemplate, pParentWnd) {}
};
