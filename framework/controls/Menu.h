// CMenu: a menu or pop-up menu. An object owns the menu it created or loaded (destroyed with it);
// Attach takes ownership too, Detach gives it up; FromHandle wraps a foreign menu (a window's system
// menu, a sub-menu) without owning it.
//
// TrackPopupMenu is the one road to a tracked pop-up menu in the program, so a test can choose a
// command (AfxSetTrackPopupMenuHook) without a modal menu loop blocking a headless run.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"

class CWnd;

// Receives the menu, the TPM_ flags, the screen position and the owner; returns the chosen command
// (0: the menu was dismissed).
using AfxTrackPopupMenuHook = UINT (*)(HMENU hMenu, UINT nFlags, int x, int y, HWND hWndOwner);

// Installs a hook (null restores real menus); returns the previous one.
AfxTrackPopupMenuHook AfxSetTrackPopupMenuHook(AfxTrackPopupMenuHook hook);

class CMenu : public CObject
{
public:
    CMenu() = default;
    ~CMenu() override;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    static CMenu* FromHandle(HMENU hMenu);
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    // FALSE when this object already holds a menu.
    BOOL CreatePopupMenu();
    BOOL CreateMenu();
    BOOL LoadMenu(UINT nIDResource);
    BOOL LoadMenu(const wchar_t* lpszResourceName);
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const wchar_t* lpszNewItem = nullptr);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE);
    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    CMenu* GetSubMenu(int nPos) const;

    // Shows the menu as a pop-up at (x, y) in screen coordinates. Without TPM_RETURNCMD the chosen
    // command is posted to pWnd as WM_COMMAND and the result says whether the menu was shown; with
    // it, the result is the chosen command (0: none) and nothing is posted.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
};
