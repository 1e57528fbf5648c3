// Finding a top-level window by a piece of its title.
#include "engine/SystemActions.h"

#include <shlwapi.h>

namespace
{
// How long one window may take to report its title. A hung window (SMTO_ABORTIFHUNG) or one that does
// not answer in time is skipped, so that a hotkey never freezes on someone else's window.
const UINT kTitleTimeoutMs = 200;
} // namespace

BOOL CALLBACK FindWindowByTitleProc(HWND hWnd, LPARAM lParam)
{
    WindowSearchData* pData = reinterpret_cast<WindowSearchData*>(lParam);
    wchar_t szTitle[MAX_PATH] = {};
    DWORD_PTR dwResult = 0;
    if (!SendMessageTimeoutW(hWnd, WM_GETTEXT, MAX_PATH - 1, reinterpret_cast<LPARAM>(szTitle),
                             SMTO_ABORTIFHUNG, kTitleTimeoutMs, &dwResult))
        return TRUE;
    szTitle[MAX_PATH - 1] = 0;
    if (StrStrIW(szTitle, pData->pszText) != nullptr)
    {
        pData->hWndFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindWindowByTitle(const wchar_t* pszText)
{
    WindowSearchData data;
    data.pszText = pszText != nullptr ? pszText : L"";
    EnumWindows(FindWindowByTitleProc, reinterpret_cast<LPARAM>(&data));
    return data.hWndFound;
}
