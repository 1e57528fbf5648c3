// CFrameWndEx: following changes of the system colours and settings. Only top-level windows are told
// of them, so the frame passes the news on to its bars.
#include "framework/bars/FrameWndEx.h"
#include "framework/gdi/GlobalData.h"
#include "framework/bars/VisualManager.h"

void CFrameWndEx::OnSysColorChange()
{
    Default();
    afxGlobalData.UpdateSysColors();
    CMFCVisualManager::GetInstance()->OnUpdateSystemColors();
    SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, TRUE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void CFrameWndEx::OnSettingChange(UINT uFlags, const wchar_t* lpszSection)
{
    CFrameWnd::OnSettingChange(uFlags, lpszSection);
    // The menu font or the colour scheme may have changed: fonts, colours and bar sizes follow.
    afxGlobalData.UpdateFonts();
    afxGlobalData.UpdateSysColors();
    CMFCVisualManager::GetInstance()->OnUpdateSystemColors();
    RecalcLayout();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}
