// CKeystriderView's WM_HOTKEY handler: the pressed shortcut's command, then its sound.
#include "app/KeystriderView.h"

#include "app/KeystriderApp.h"
#include "engine/ShortCutSound.h"

void CKeystriderView::OnHotKey(UINT nHotKeyId, UINT nKey1, UINT nKey2)
{
    (void)nKey1;
    (void)nKey2;
    Default();
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    ShortCutItem* pItem = store.GetItemByHotKeyId(nHotKeyId);
    if (pItem == nullptr)
        return;
    // The sound is chosen before the command runs and played after it: the shell may run a message loop
    // of its own (an error box for a missing program), in which the list can change, this item be
    // deleted and its id pass to another shortcut.
    const CString strSound = GetShortCutSoundFile(store, *pItem);
    ExecuteCommand(pItem->m_pszCommand, pItem->m_pszName);
    PlayShortCutSoundFile(strSound, AfxGetInstanceHandle());
}
