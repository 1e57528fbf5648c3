// CMenu and its pop-up test hook.
#include "framework/controls/Menu.h"
#include "framework/window/TempHandleMap.h"
#include "framework/window/WinApp.h"
#include "framework/window/Wnd.h"

namespace
{
AfxTrackPopupMenuHook g_hook = nullptr;
} // namespace

AfxTrackPopupMenuHook AfxSetTrackPopupMenuHook(AfxTrackPopupMenuHook hook)
{
    AfxTrackPopupMenuHook old = g_hook;
    g_hook = hook;
    return old;
}

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    return AfxTemporaryWrapper<CMenu>(hMenu);
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr || m_hMenu != nullptr)
        return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::CreatePopupMenu()
{
    return m_hMenu == nullptr && Attach(::CreatePopupMenu());
}

BOOL CMenu::CreateMenu()
{
    return m_hMenu == nullptr && Attach(::CreateMenu());
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEW(nIDResource));
}

BOOL CMenu::LoadMenu(const wchar_t* lpszResourceName)
{
    return m_hMenu == nullptr && lpszResourceName != nullptr &&
           Attach(::LoadMenuW(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem)
{
    return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos)
{
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}

UINT CMenu::GetMenuItemCount() const
{
    const int nCount = ::GetMenuItemCount(m_hMenu);
    return nCount > 0 ? static_cast<UINT>(nCount) : 0;
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    const int nLength = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
    wchar_t* buffer = rString.GetBuffer(nLength > 0 ? nLength : 0);
    const int nCopied = nLength > 0 ? ::GetMenuStringW(m_hMenu, nIDItem, buffer, nLength + 1, nFlags) : 0;
    rString.ReleaseBuffer(nCopied > 0 ? nCopied : 0);
    return rString.GetLength();
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    HWND hWndOwner = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    if (m_hMenu == nullptr || hWndOwner == nullptr)
        return FALSE;
    if (g_hook != nullptr)
    {
        // As the system does: the choice is returned, or posted to the owner as a menu command.
        const UINT nCmd = g_hook(m_hMenu, nFlags, x, y, hWndOwner);
        if ((nFlags & TPM_RETURNCMD) != 0)
            return static_cast<BOOL>(nCmd);
        if (nCmd != 0 && (nFlags & TPM_NONOTIFY) == 0)
            ::PostMessageW(hWndOwner, WM_COMMAND, MAKEWPARAM(nCmd, 0), 0);
        return TRUE;
    }
    TPMPARAMS params = {};
    params.cbSize = sizeof(params);
    if (lpRect != nullptr)
        params.rcExclude = *lpRect;
    return ::TrackPopupMenuEx(m_hMenu, nFlags, x, y, hWndOwner, lpRect != nullptr ? &params : nullptr);
}
