// CShortCutConfig's hotkey members: registering the list on a window and mapping an id to its item.
#include "engine/ShortCutConfig.h"

namespace
{
// The RegisterHotKey modifiers of an item: the accelerator flags and the Win-key word mapped one by one.
UINT HotKeyModifiers(const ShortCutItem& item)
{
    UINT fsModifiers = 0;
    if (item.m_wWinKey != 0)
        fsModifiers |= MOD_WIN;
    if (item.m_wModifiers & FCONTROL)
        fsModifiers |= MOD_CONTROL;
    if (item.m_wModifiers & FALT)
        fsModifiers |= MOD_ALT;
    if (item.m_wModifiers & FSHIFT)
        fsModifiers |= MOD_SHIFT;
    return fsModifiers;
}
} // namespace

void CShortCutConfig::RegisterHotKeys(HWND hWnd)
{
    int nId = 0;
    for (ShortCutItem* pItem : m_ShortCutList)
    {
        if (pItem == nullptr || !pItem->IsRegistrable())
            continue;
        // A refused combination (held by another program, or twice in the list) still uses up its id,
        // so the ids of the items behind it stay their positions.
        RegisterHotKey(hWnd, nId, HotKeyModifiers(*pItem), pItem->m_wVirtualKey);
        ++nId;
    }
}

void CShortCutConfig::UnregisterHotKeys(HWND hWnd)
{
    // The item count bounds every id that was given, since registrable items are never more than items.
    const int nCount = static_cast<int>(m_ShortCutList.size());
    for (int nId = 0; nId < nCount; ++nId)
        UnregisterHotKey(hWnd, nId);
}

ShortCutItem* CShortCutConfig::GetItemByHotKeyId(UINT nId)
{
    if (nId >= m_ShortCutList.size())
        return nullptr;
    for (ShortCutItem* pItem : m_ShortCutList)
    {
        if (pItem == nullptr || !pItem->IsRegistrable())
            continue;
        if (nId == 0)
            return pItem;
        --nId;
    }
    return nullptr;
}
