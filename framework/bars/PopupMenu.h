// CMFCPopupMenu and CMFCPopupMenuBar: the types of a popup menu window and of the bar of items inside
// it, as the visual managers test for them; CMFCColorBar, the colour-picker bar type.
// Menus themselves are shown by the system (TrackPopupMenu); these classes carry no menu logic.
#pragma once

#include "framework/bars/ToolBar.h"

class CMFCPopupMenuBar;

class CMFCPopupMenu : public CWnd
{
    DECLARE_DYNAMIC(CMFCPopupMenu)
public:
    CMFCPopupMenu();
    ~CMFCPopupMenu() override;

    // The popup window exists and is visible.
    BOOL IsShown() const;
    // The popup opens to the left of its button.
    BOOL IsRightAlign() const { return m_bRightAlign; }
    void SetRightAlign(BOOL bRightAlign = TRUE) { m_bRightAlign = bRightAlign; }
    CMFCPopupMenuBar* GetMenuBar() { return m_pMenuBar; }

protected:
    BOOL m_bRightAlign = FALSE;
    CMFCPopupMenuBar* m_pMenuBar = nullptr;
};

class CMFCPopupMenuBar : public CMFCToolBar
{
    DECLARE_DYNCREATE(CMFCPopupMenuBar)
public:
    CMFCPopupMenuBar();
    ~CMFCPopupMenuBar() override;
};

class CMFCColorBar : public CMFCPopupMenuBar
{
    DECLARE_DYNCREATE(CMFCColorBar)
public:
    CMFCColorBar();
    ~CMFCColorBar() override;
};
