// CContextMenuManager: the application's pop-up menus, registered by name and menu resource, and
// shown with their commands going to an owner window.
//
// A menu is shown with the system's TrackPopupMenu (through CMenu::TrackPopupMenu, whose test hook
// applies): the call returns once the menu has closed, the chosen command then waiting in the owner's
// queue as WM_COMMAND. Before it shows, every item asks the owner's command route for its state
// (update handlers), as menus of frames do.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"

#include <map>
#include <memory>

class CMenu;
class CMFCPopupMenu;
class CWnd;

class CContextMenuManager : public CObject
{
public:
    CContextMenuManager();
    ~CContextMenuManager() override;
    CContextMenuManager(const CContextMenuManager&) = delete;
    CContextMenuManager& operator=(const CContextMenuManager&) = delete;

    // Loads menu resource uiMenuResId and keeps it under the name (a string resource for the second
    // form). FALSE when the resource does not load or the name is taken.
    BOOL AddMenu(const wchar_t* lpszName, UINT uiMenuResId);
    BOOL AddMenu(UINT uiMenuNameResId, UINT uiMenuResId);

    // The loaded menu (its bar; the pop-up is its first sub-menu); null when none was added.
    HMENU GetMenuById(UINT nMenuResId) const;
    HMENU GetMenuByName(const wchar_t* lpszName, UINT* puiOrigResID = nullptr) const;

    // Shows hmenuPopup at (x, y) in screen coordinates. The commands go to pWndOwner when bOwnMessage
    // is set, else to the owner's top-level window. The menu stays the caller's (bAutoDestroy concerns
    // the menu window, which the system destroys on closing). The menu has closed when this returns:
    // the result is always null (no menu window is left to adjust); the system shows menus top-most.
    virtual CMFCPopupMenu* ShowPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner,
                                         BOOL bOwnMessage = FALSE, BOOL bAutoDestroy = TRUE,
                                         BOOL bRightAlign = FALSE);
    // Shows the menu and returns the chosen command (0: none) without sending it anywhere.
    virtual UINT TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL bRightAlign = FALSE);

private:
    struct MenuEntry
    {
        UINT nResId;
        std::unique_ptr<CMenu> pMenu;
    };
    std::map<CString, MenuEntry> m_Menus;

    // Asks the owner's command route for the enabled and checked state of every item.
    static void UpdateItems(HMENU hMenu, CWnd* pOwner);
    static HWND PrepareOwner(CWnd* pWndOwner, BOOL bOwnMessage);
};

// The application's context-menu manager; null until AfxInitContextMenuManager creates it (the
// application object's InitContextMenuManager), which keeps it until the process ends.
extern CContextMenuManager* afxContextMenuManager;
BOOL AfxInitContextMenuManager();
