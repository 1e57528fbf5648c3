// CFormView: a view whose window is a dialog template (created as a child, DS_CONTROL); its initial
// update binds the template's controls to the members (data exchange).
#pragma once

#include "framework/docview/View.h"

class CFormView : public CScrollView
{
    DECLARE_DYNAMIC(CFormView)
public:
    BOOL Create(const wchar_t* lpszClassName, const wchar_t* lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, void* pContext = nullptr) override;
    void OnInitialUpdate() override;
    // The frames' accelerators first, then the form's keyboard navigation.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    explicit CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}
    // A form over a template in memory (kept by the caller while the view exists).
    explicit CFormView(LPCDLGTEMPLATE lpTemplate) : m_lpTemplate(lpTemplate) {}

    UINT m_nIDTemplate = 0;
    LPCDLGTEMPLATE m_lpTemplate = nullptr;
};
