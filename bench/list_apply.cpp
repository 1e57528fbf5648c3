// List benchmark: the view's apply (rows into the store, refill, hotkeys registered again, file
// written) and the list filling alone, with 100, 1,000 and 5,000 shortcuts; then 200 files dropped on
// the main window over as many rows. The time per call should grow linearly with the row count.
#include "app/KeystriderApp.h"
#include "app/KeystriderDoc.h"
#include "app/KeystriderView.h"
#include "app/MainFrame.h"
#include "framework/docview/DocTemplate.h"
#include "res/resource.h"

#include <shlobj.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

double Now()
{
    static LARGE_INTEGER frequency = {};
    if (frequency.QuadPart == 0)
        ::QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// N shortcuts; every one has a key (a few hundred distinct combinations, the rest repeat them and
// their registration fails, as a duplicate's does).
void FillStore(CShortCutConfig& store, int nShortCuts)
{
    FreeShortCutList(store.m_ShortCutList);
    const wchar_t* modifiers[] = {L"Ctrl + Alt", L"Ctrl + Shift", L"Shift + Alt", L"Win + Ctrl",
                                  L"Win + Alt"};
    for (int i = 0; i < nShortCuts; ++i)
    {
        auto* pItem = new ShortCutItem;
        wchar_t szText[128];
        swprintf(szText, 128, L"Shortcut %d", i);
        pItem->m_pszName = _wcsdup(szText);
        swprintf(szText, 128, L"\"C:\\Program Files\\Tool %d\\tool.exe\" --item %d", i, i);
        pItem->m_pszCommand = _wcsdup(szText);
        swprintf(szText, 128, L"%ls + F%d", modifiers[i % 5], 13 + (i / 5) % 12);
        pItem->ParseHotKey(szText);
        store.m_ShortCutList.push_back(pItem);
    }
}

// A drop of nFiles file names, as the shell hands it to the window; the receiver releases it.
HDROP MakeDrop(int nFiles)
{
    std::vector<wchar_t> names;
    for (int i = 0; i < nFiles; ++i)
    {
        wchar_t szPath[MAX_PATH];
        const int nLength = swprintf(szPath, MAX_PATH, L"C:\\Users\\me\\Documents\\file %d.txt", i);
        names.insert(names.end(), szPath, szPath + nLength + 1);
    }
    names.push_back(L'\0');
    const size_t cbNames = names.size() * sizeof(wchar_t);
    HGLOBAL hDrop = ::GlobalAlloc(GHND, sizeof(DROPFILES) + cbNames);
    if (hDrop == nullptr)
        return nullptr;
    auto* pDrop = static_cast<DROPFILES*>(::GlobalLock(hDrop));
    pDrop->pFiles = sizeof(DROPFILES);
    pDrop->fWide = TRUE;
    memcpy(reinterpret_cast<BYTE*>(pDrop) + sizeof(DROPFILES), names.data(), cbNames);
    ::GlobalUnlock(hDrop);
    return static_cast<HDROP>(hDrop);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int wmain()
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    wchar_t szTemp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szTemp);
    store.m_strConfigFilePath = CString(szTemp) + L"ks_bench_list.ini";
    store.m_bRunning = 1;

    theApp.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKeystriderDoc),
                                                 RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CKeystriderView)));
    theApp.OnFileNew();
    CMainFrame* pFrame = GetMainFrame();
    CKeystriderView* pView =
        pFrame != nullptr ? DYNAMIC_DOWNCAST(CKeystriderView, pFrame->GetActiveView()) : nullptr;
    if (pView == nullptr)
    {
        std::printf("the view could not be created\n");
        return 1;
    }
    pFrame->ShowWindow(SW_SHOWNORMAL);
    Pump();

    std::printf("%8s %14s %14s %16s\n", "rows", "apply ms", "fill ms", "apply us/row");
    for (int nRows : {100, 1000, 5000})
    {
        store.UnregisterHotKeys(pView->GetSafeHwnd());
        FillStore(store, nRows);
        pView->FillList(0);
        Pump();
        const int nRounds = nRows <= 1000 ? 7 : 3;
        std::vector<double> apply, fill;
        for (int r = 0; r < nRounds; ++r)
        {
            double t0 = Now();
            pView->OnApplyList();
            apply.push_back(Now() - t0);
            Pump();
            t0 = Now();
            pView->FillList(0);
            fill.push_back(Now() - t0);
            Pump();
        }
        const double dApply = Median(apply);
        std::printf("%8d %14.1f %14.1f %16.1f\n", nRows, dApply, Median(fill), dApply * 1000.0 / nRows);
    }

    // Files dropped on the frame, until the list has painted them.
    const int kDroppedFiles = 200;
    std::printf("\n%8s %8s %14s %16s\n", "rows", "files", "drop ms", "drop us/file");
    for (int nRows : {100, 1000, 5000})
    {
        const int nRounds = nRows <= 1000 ? 5 : 3;
        std::vector<double> drop;
        for (int r = 0; r < nRounds; ++r)
        {
            store.UnregisterHotKeys(pView->GetSafeHwnd());
            FillStore(store, nRows);
            pView->FillList(0);
            Pump();
            HDROP hDrop = MakeDrop(kDroppedFiles);
            if (hDrop == nullptr)
                return 1;
            const double t0 = Now();
            pFrame->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop), 0);
            Pump();
            drop.push_back(Now() - t0);
        }
        const double dDrop = Median(drop);
        std::printf("%8d %8d %14.1f %16.1f\n", nRows, kDroppedFiles, dDrop, dDrop * 1000.0 / kDroppedFiles);
    }
    store.UnregisterHotKeys(pView->GetSafeHwnd());
    pFrame->DestroyWindow();
    ::DeleteFileW(store.m_strConfigFilePath);
    return 0;
}
