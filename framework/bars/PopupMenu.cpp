// CMFCPopupMenu, CMFCPopupMenuBar, CMFCColorBar: run-time classes and the popup's state.
#include "framework/bars/PopupMenu.h"

IMPLEMENT_DYNAMIC(CMFCPopupMenu, CWnd)
IMPLEMENT_DYNCREATE(CMFCPopupMenuBar, CMFCToolBar)
IMPLEMENT_DYNCREATE(CMFCColorBar, CMFCPopupMenuBar)

CMFCPopupMenu::CMFCPopupMenu() = default;
CMFCPopupMenu::~CMFCPopupMenu() = default;

BOOL CMFCPopupMenu::IsShown() const
{
    return m_hWnd != nullptr && ::IsWindowVisible(m_hWnd);
}

CMFCPopupMenuBar::CMFCPopupMenuBar()
{
    m_bMenuMode = TRUE; // its items are menu items
}
CMFCPopupMenuBar::~CMFCPopupMenuBar() = default;

CMFCColorBar::CMFCColorBar() = default;
CMFCColorBar::~CMFCColorBar() = default;
