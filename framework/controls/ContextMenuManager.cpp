// CContextMenuManager.
#include "framework/controls/ContextMenuManager.h"
#include "framework/window/CmdUI.h"
#include "framework/controls/Menu.h"
#include "framework/window/Wnd.h"

CContextMenuManager* afxContextMenuManager = nullptr;

BOOL AfxInitContextMenuManager()
{
    // Destroyed with the process's other statics, after the application's windows are gone.
    static std::unique_ptr<CContextMenuManager> s_pManager;
    if (afxContextMenuManager != nullptr)
        return FALSE;
    s_pManager = std::make_unique<CContextMenuManager>();
    afxContextMenuManager = s_pManager.get();
    return TRUE;
}

namespace
{
// A menu item asked for its state by the update handlers.
class CMenuItemCmdUI : public CCmdUI
{
public:
    HMENU m_hMenu = nullptr;

    void Enable(BOOL bOn) override
    {
        ::EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override
    {
        ::CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck != 0 ? MF_CHECKED : MF_UNCHECKED));
    }
    void SetText(const wchar_t* lpszText) override
    {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<wchar_t*>(lpszText != nullptr ? lpszText : L"");
        ::SetMenuItemInfoW(m_hMenu, m_nIndex, TRUE, &info);
    }
};
} // namespace

CContextMenuManager::CContextMenuManager() = default;

CContextMenuManager::~CContextMenuManager()
{
    if (afxContextMenuManager == this)
        afxContextMenuManager = nullptr;
}

BOOL CContextMenuManager::AddMenu(const wchar_t* lpszName, UINT uiMenuResId)
{
    if (lpszName == nullptr || m_Menus.count(lpszName) != 0)
        return FALSE;
    auto pMenu = std::make_unique<CMenu>();
    if (!pMenu->LoadMenu(uiMenuResId))
        return FALSE;
    m_Menus[lpszName] = MenuEntry{uiMenuResId, std::move(pMenu)};
    return TRUE;
}

BOOL CContextMenuManager::AddMenu(UINT uiMenuNameResId, UINT uiMenuResId)
{
    CString strName;
    if (!strName.LoadString(uiMenuNameResId))
        return FALSE;
    return AddMenu(strName, uiMenuResId);
}

HMENU CContextMenuManager::GetMenuById(UINT nMenuResId) const
{
    for (const auto& entry : m_Menus)
        if (entry.second.nResId == nMenuResId)
            return entry.second.pMenu->GetSafeHmenu();
    return nullptr;
}

HMENU CContextMenuManager::GetMenuByName(const wchar_t* lpszName, UINT* puiOrigResID) const
{
    if (lpszName == nullptr)
        return nullptr;
    auto it = m_Menus.find(lpszName);
    if (it == m_Menus.end())
        return nullptr;
    if (puiOrigResID != nullptr)
        *puiOrigResID = it->second.nResId;
    return it->second.pMenu->GetSafeHmenu();
}

void CContextMenuManager::UpdateItems(HMENU hMenu, CWnd* pOwner)
{
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        const UINT nID = ::GetMenuItemID(hMenu, i);
        // Separators and sub-menus have no command; system commands keep the state their owner gave.
        if (nID == 0 || nID == static_cast<UINT>(-1) || nID >= 0xF000)
            continue;
        CMenuItemCmdUI state;
        state.m_hMenu = hMenu;
        state.m_nID = nID;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nIndexMax = static_cast<UINT>(nCount);
        state.DoUpdate(pOwner, TRUE);
    }
}

HWND CContextMenuManager::PrepareOwner(CWnd* pWndOwner, BOOL bOwnMessage)
{
    HWND hOwner = pWndOwner != nullptr ? pWndOwner->GetSafeHwnd() : nullptr;
    if (hOwner == nullptr)
        return nullptr;
    HWND hTop = ::GetAncestor(hOwner, GA_ROOT);
    // A menu shown for a window that is not in front (a tray icon's hidden frame) closes on a click
    // elsewhere only when that window is the foreground window.
    ::SetForegroundWindow(hTop != nullptr ? hTop : hOwner);
    return bOwnMessage || hTop == nullptr ? hOwner : hTop;
}

CMFCPopupMenu* CContextMenuManager::ShowPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner,
                                                  BOOL bOwnMessage, BOOL, BOOL bRightAlign)
{
    HWND hOwner = PrepareOwner(pWndOwner, bOwnMessage);
    if (hmenuPopup == nullptr || hOwner == nullptr)
        return nullptr;
    CWnd* pOwner = CWnd::FromHandle(hOwner);
    UpdateItems(hmenuPopup, pOwner);

    CMenu menu;
    menu.Attach(hmenuPopup);
    menu.TrackPopupMenu(TPM_LEFTBUTTON | TPM_RIGHTBUTTON | (bRightAlign ? TPM_RIGHTALIGN : TPM_LEFTALIGN), x,
                        y, pOwner);
    menu.Detach(); // the menu stays the caller's
    ::PostMessageW(hOwner, WM_NULL, 0, 0);
    return nullptr;
}

UINT CContextMenuManager::TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL bRightAlign)
{
    HWND hOwner = PrepareOwner(pWndOwner, TRUE);
    if (hmenuPopup == nullptr || hOwner == nullptr)
        return 0;
    CWnd* pOwner = CWnd::FromHandle(hOwner);
    UpdateItems(hmenuPopup, pOwner);

    CMenu menu;
    menu.Attach(hmenuPopup);
    const UINT nCmd = static_cast<UINT>(menu.TrackPopupMenu(
        TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTBUTTON | TPM_RIGHTBUTTON | (bRightAlign ? TPM_RIGHTALIGN : 0),
        x, y, pOwner));
    menu.Detach();
    ::PostMessageW(hOwner, WM_NULL, 0, 0);
    return nCmd;
}
