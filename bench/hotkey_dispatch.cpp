// Hotkey dispatch benchmark through the main view: from WM_HOTKEY arriving at the view to the command
// handed to the shell (the shell call is replaced and only timed), with 10 and 1,000 shortcuts. The
// pressed id is the last one, so the whole list is walked. The view is made as at start-up, through the
// document template; the pop-up is off, so only the dispatch itself is timed.
#include "app/KeystriderApp.h"
#include "app/KeystriderDoc.h"
#include "app/KeystriderView.h"
#include "app/MainFrame.h"
#include "framework/docview/DocTemplate.h"
#include "framework/window/ShellOpen.h"
#include "res/resource.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
LARGE_INTEGER g_tmHandedToShell;

HINSTANCE WINAPI TimeShellExecute(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT)
{
    QueryPerformanceCounter(&g_tmHandedToShell);
    return reinterpret_cast<HINSTANCE>(42);
}

void FillStore(CShortCutConfig& store, int nShortCuts)
{
    FreeShortCutList(store.m_ShortCutList);
    for (int i = 0; i < nShortCuts; ++i)
    {
        ShortCutItem* pItem = new ShortCutItem;
        wchar_t szText[128];
        swprintf(szText, 128, L"Shortcut %d", i);
        pItem->m_pszName = _wcsdup(szText);
        swprintf(szText, 128, L"\"C:\\Program Files\\Tools\\tool%d.exe\" --open \"D:\\data %d.txt\"", i, i);
        pItem->m_pszCommand = _wcsdup(szText);
        pItem->ParseHotKey(L"Ctrl + Alt + F1");
        store.m_ShortCutList.push_back(pItem);
    }
}

double MicrosecondsPerDispatch(CKeystriderView& view, int nShortCuts)
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    store.UnregisterHotKeys(view.GetSafeHwnd());
    FillStore(store, nShortCuts);
    LARGE_INTEGER freq;
    QueryPerformanceFrequency(&freq);
    std::vector<double> samples;
    const WPARAM nLastId = static_cast<WPARAM>(nShortCuts - 1);
    for (int i = 0; i < 2001; ++i)
    {
        LARGE_INTEGER t0;
        QueryPerformanceCounter(&t0);
        view.SendMessage(WM_HOTKEY, nLastId, 0);
        samples.push_back(1e6 * static_cast<double>(g_tmHandedToShell.QuadPart - t0.QuadPart) /
                          static_cast<double>(freq.QuadPart));
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}
} // namespace

int wmain()
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    store.m_nGeneralHideToTray = 0;
    store.m_nPromptNameShortcut = 0;
    store.m_nGenPlaySound = 0;
    theApp.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKeystriderDoc),
                                                 RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CKeystriderView)));
    theApp.OnFileNew();
    CMainFrame* pFrame = GetMainFrame();
    CKeystriderView* pView =
        pFrame != nullptr ? DYNAMIC_DOWNCAST(CKeystriderView, pFrame->GetActiveView()) : nullptr;
    if (pView == nullptr)
    {
        wprintf(L"the main view could not be created\n");
        return 1;
    }
    SetShellExecuteFunc(TimeShellExecute);
    wprintf(L"WM_HOTKEY at the view to the command handed to the shell (last id, median of 2001)\n");
    for (int nShortCuts : {10, 1000})
        wprintf(L"  %5d shortcuts: %8.2f us\n", nShortCuts, MicrosecondsPerDispatch(*pView, nShortCuts));
    // The measured lists are not the user's: leave the configuration file as it was.
    FreeShortCutList(store.m_ShortCutList);
    store.LoadConfig();
    pFrame->DestroyWindow();
    return 0;
}
