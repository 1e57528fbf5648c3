// CKeystriderView: the main window's form view over template 103 with its four pages (shortcut list,
// Windows Default, options, about). This is the view's first shape: page switching, the pop-up and
// the hotkeys' window; the list, the option handlers and the timers grow on it.
#pragma once

#include "framework/CStringArray.h"
#include "framework/FormView.h"

class CDlgInfo;

class CKeystriderView : public CFormView
{
    DECLARE_DYNCREATE(CKeystriderView)
protected:
    CKeystriderView();

public:
    ~CKeystriderView() override;

    void OnInitialUpdate() override;
    // Shows the controls of page 0 to 3 and hides the others; other pages change nothing.
    void ShowPage(int nPage);
    // The list's in-place editor while a cell is being edited; null otherwise.
    CWnd* GetInPlaceEditor() const { return nullptr; }
    // One new shortcut per dropped file; the shortcut list brings it.
    void AddDroppedFiles(CStringArray& files);

    CDlgInfo* GetDlgInfo() const { return m_pDlgInfo; }

protected:
    void OnDestroy();

    CDlgInfo* m_pDlgInfo = nullptr; // the information pop-up, owned

    DECLARE_MESSAGE_MAP()
};
