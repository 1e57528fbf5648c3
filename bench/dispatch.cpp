// Hotkey dispatch benchmark: from a hotkey id to the command handed to the shell (the id's item found
// in the store, the command split and matched against the keyword table), with 10 and 1,000 shortcuts.
// The pressed id is the last one, so the whole list is walked. Nothing is opened: the shell call is
// the end point that is timed.
#include "engine/CommandKeywords.h"
#include "engine/CommandLine.h"
#include "engine/ShortCutConfig.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
BOOL WINAPI NoLocalAppData(HWND, LPWSTR, int, BOOL)
{
    return FALSE; // the store runs on its defaults and writes nothing
}

volatile int g_nHandedToShell = 0;

void HandToShell(const CString& strFile, const CString& strParameters)
{
    g_nHandedToShell = g_nHandedToShell + strFile.GetLength() + strParameters.GetLength();
}

// One dispatch: what happens between WM_HOTKEY and ShellExecuteW for an ordinary command.
void Dispatch(CShortCutConfig& store, UINT nId)
{
    ShortCutItem* pItem = store.GetItemByHotKeyId(nId);
    if (pItem == nullptr)
        return;
    CString strFirstWord, strRest;
    if (!SplitCommand(pItem->m_pszCommand, strFirstWord, strRest))
        return;
    if (FindCommandKeyword(strFirstWord) == COMMAND_OPEN)
        HandToShell(strFirstWord, strRest);
}

double MicrosecondsPerDispatch(int nShortCuts, int nRepeats)
{
    CShortCutConfig store;
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
    const UINT nLastId = static_cast<UINT>(nShortCuts - 1);
    std::vector<double> samples;
    LARGE_INTEGER freq;
    QueryPerformanceFrequency(&freq);
    for (int round = 0; round < 9; ++round)
    {
        LARGE_INTEGER t0, t1;
        QueryPerformanceCounter(&t0);
        for (int i = 0; i < nRepeats; ++i)
            Dispatch(store, nLastId);
        QueryPerformanceCounter(&t1);
        samples.push_back(1e6 * static_cast<double>(t1.QuadPart - t0.QuadPart) /
                          static_cast<double>(freq.QuadPart) / nRepeats);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}
} // namespace

int wmain()
{
    SetSpecialFolderPathFunc(NoLocalAppData);
    wprintf(L"hotkey dispatch to the shell call (last id, median of 9 runs)\n");
    for (int nShortCuts : {10, 1000})
        wprintf(L"  %5d shortcuts: %8.2f us per dispatch\n", nShortCuts,
                MicrosecondsPerDispatch(nShortCuts, 2000));
    return 0;
}
