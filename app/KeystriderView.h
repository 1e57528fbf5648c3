// CKeystriderView: the main window's form view over template 103 with its four pages (shortcut list,
// Windows Default, options, about). This is the view's first shape: page switching, the pop-up and
// the hotkeys' window; the list, the option handlers and the timers grow on it.
#pragma once

#include "framework/CStringArray.h"
#include "framework/FormView.h"

class CDlgInfo;

// The view's timers.
#define IDT_INFO_TIMEOUT 1000
#define IDT_UPDATE_CHECK 1002

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
    // Shows the information pop-up in a mode (0 volume, 1 shortcut name, 2 time or notice) with a text.
    void PopupInfo(UINT nMode, const wchar_t* pszText);

    // The update schedule (ViewUpdate.cpp): starts a download when one is due (or forced) and arms
    // the update timer; shows a newer version in the update link and the pop-up.
    void CheckForUpdate(BOOL bForce);
    void OnCheckNow();
    void ShowUpdateResult();

protected:
    void OnDestroy();

    CDlgInfo* m_pDlgInfo = nullptr; // the information pop-up, owned

    DECLARE_MESSAGE_MAP()
};
