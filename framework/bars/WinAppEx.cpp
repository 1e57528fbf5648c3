// CWinAppEx: the framework's stored state (window placement) under the registry base.
#include "framework/bars/WinAppEx.h"
#include "framework/docview/FrameWnd.h"

IMPLEMENT_DYNAMIC(CWinAppEx, CWinApp)

CWinAppEx::CWinAppEx(BOOL bResourceSmartUpdate) : m_bResourceSmartUpdate(bResourceSmartUpdate) {}

void CWinAppEx::SetRegistryBase(const wchar_t* lpszSectionName)
{
    m_strRegSection = lpszSectionName != nullptr ? lpszSectionName : L"Workspace";
}

BOOL CWinAppEx::LoadState(CFrameWnd*)
{
    PreLoadState();
    return TRUE;
}

BOOL CWinAppEx::SaveState(CFrameWnd* pFrame)
{
    PreSaveState();
    if (pFrame == nullptr || pFrame->m_hWnd == nullptr)
        return FALSE;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (!::GetWindowPlacement(pFrame->m_hWnd, &wp))
        return FALSE;
    return StoreWindowPlacement(CRect(wp.rcNormalPosition), static_cast<int>(wp.flags),
                                static_cast<int>(wp.showCmd));
}

BOOL CWinAppEx::LoadWindowPlacement(CRect& rectNormalPosition, int& nFlags, int& nShowCmd)
{
    RECT rect = {};
    if (!GetProfileBinary(PlacementSection(), L"MainWindowRect", &rect, sizeof(rect)))
        return FALSE;
    rectNormalPosition = rect;
    nFlags = static_cast<int>(GetProfileInt(PlacementSection(), L"Flags", 0));
    nShowCmd = static_cast<int>(GetProfileInt(PlacementSection(), L"ShowCmd", SW_SHOWNORMAL));
    return TRUE;
}

BOOL CWinAppEx::StoreWindowPlacement(const CRect& rectNormalPosition, int nFlags, int nShowCmd)
{
    const RECT rect = rectNormalPosition;
    return WriteProfileBinary(PlacementSection(), L"MainWindowRect", &rect, sizeof(rect)) &&
           WriteProfileInt(PlacementSection(), L"Flags", nFlags) &&
           WriteProfileInt(PlacementSection(), L"ShowCmd", nShowCmd);
}
