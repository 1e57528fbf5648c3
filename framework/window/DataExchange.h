// CDataExchange and DDX_Control: binding the controls of a dialog or form template to their members.
#pragma once

#include "framework/window/Wnd.h"

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    BOOL m_bSaveAndValidate; // TRUE: controls -> members; FALSE: members -> controls
    CWnd* m_pDlgWnd;
    BOOL m_bFailed = FALSE;
    int m_idLastControl = 0;

    // The control of that id in the dialog (null, and the exchange failed, when there is none).
    HWND PrepareCtrl(int nIDC);
    // Marks the exchange failed; UpdateData then answers FALSE. No exception is thrown.
    void Fail() { m_bFailed = TRUE; }
};

// Subclasses the template's control nIDC onto rControl, once (a bound member is left as it is).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
