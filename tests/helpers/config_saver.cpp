// config_saver: saves a configuration of many shortcuts over and over, so that a test can end it by
// force in the middle of a save and then read what the save left behind.
//
// Usage: config_saver.exe FOLDER COUNT EVENT
//   FOLDER  taken as the local application-data folder: the file is FOLDER\Keystrider\Keystrider.ini
//   COUNT   the number of shortcuts saved; shortcut n (from 1) is named "Shortcut n", has the key
//           Ctrl + Alt + K, the command "C:\Tools\tool<n>.exe --option <n>" and the sound "sound<n>.wav"
//   EVENT   the name of an event that the test created: it is set once the first save has ended; the
//           saves then follow each other until the process is ended (at the latest after two minutes,
//           so that a helper a test failed to end does not outlive the test run for long)
// Exit codes: 0 at the end of the lifetime, 1 bad arguments or no such event.
#include "engine/ShortCutConfig.h"

#include <windows.h>

#include <cstdlib>
#include <cwchar>

namespace
{
const DWORD kLifetimeMs = 120000;
const int kExitLifetime = 0;
const int kExitBadArguments = 1;

wchar_t g_szFolder[MAX_PATH] = {};

// The store's data folder lies in the test's folder, never in the profile's.
BOOL WINAPI TestFolder(HWND, LPWSTR pszPath, int, BOOL)
{
    wcsncpy_s(pszPath, MAX_PATH, g_szFolder, _TRUNCATE);
    return TRUE;
}

ShortCutItem* MakeItem(int n)
{
    const size_t kSize = 80;
    wchar_t szText[kSize] = {};
    ShortCutItem* pItem = new ShortCutItem;
    swprintf(szText, kSize, L"Shortcut %d", n);
    pItem->m_pszName = _wcsdup(szText);
    swprintf(szText, kSize, L"C:\\Tools\\tool%d.exe --option %d", n, n);
    pItem->m_pszCommand = _wcsdup(szText);
    swprintf(szText, kSize, L"sound%d.wav", n);
    pItem->SetSoundFile(szText);
    pItem->ParseHotKey(L"Ctrl + Alt + K");
    return pItem;
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4)
        return kExitBadArguments;
    wcsncpy_s(g_szFolder, MAX_PATH, argv[1], _TRUNCATE);
    int nCount = _wtoi(argv[2]);
    HANDLE hSaving = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[3]);
    if (nCount < 1 || hSaving == nullptr)
    {
        if (hSaving != nullptr)
            CloseHandle(hSaving);
        return kExitBadArguments;
    }
    SetSpecialFolderPathFunc(TestFolder);

    CShortCutConfig store;
    FreeShortCutList(store.m_ShortCutList);
    for (int n = 1; n <= nCount; ++n)
        store.m_ShortCutList.push_back(MakeItem(n));
    store.WriteConfig(nullptr);
    SetEvent(hSaving);
    DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < kLifetimeMs)
        store.WriteConfig(nullptr);
    CloseHandle(hSaving);
    return kExitLifetime;
}
