// CCmdUI: one user-interface item (tool-bar button, control) asked for its state when the message
// queue goes idle. The bars derive their own item class and override Enable/SetCheck/SetText.
#pragma once

#include <windows.h>

class CCmdTarget;
class CWnd;

class CCmdUI
{
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    UINT m_nIndexMax = 0;
    CWnd* m_pOther = nullptr; // the control standing for the item, when it is a window

    // Defaults act on m_pOther: enable the window, check a button, set the window's text.
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1); // 0 unchecked, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE) { SetCheck(bOn ? 1 : 0); }
    virtual void SetText(const wchar_t* lpszText);

    // The update handler asks that the route goes on after it.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget's route for the update handler of m_nID. Without one the item is disabled when
    // bDisableIfNoHndler is set and no command handler exists either. TRUE when a handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
};
