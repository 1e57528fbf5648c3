// Keystrider.exe's hotkeys end to end under Wine: shortcuts written to the configuration file, the program
// started, key combinations pressed from another process (keystrider_remote, SendInput), and what a user
// would see checked: a program started or ended, a window shown or closed, hotkeys silenced by Stop.
#include "engine/ShortCutConfig.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/KeystriderProgram.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace
{
// Every shortcut of these tests is Ctrl+Alt+F<n>; keystrider_remote presses it by virtual-key codes.
const UINT kModifiers = MOD_CONTROL | MOD_ALT;
std::wstring HotKeyText(int nF)
{
    return L"Ctrl + Alt + F" + std::to_wstring(nF);
}
UINT FKey(int nF)
{
    return VK_F1 + static_cast<UINT>(nF - 1);
}

int Press(int nF)
{
    return RunRemote(L"keys 17+18+" + std::to_wstring(FKey(nF)));
}

// True when someone holds the combination (this process cannot register it).
bool IsComboTaken(UINT fsModifiers, UINT vk)
{
    if (!RegisterHotKey(nullptr, 0x6000, fsModifiers, vk))
        return true;
    UnregisterHotKey(nullptr, 0x6000);
    return false;
}

bool IsHotKeyTaken(int nF)
{
    return IsComboTaken(kModifiers, FKey(nF));
}

bool WaitFor(bool (*pfnCondition)(const void*), const void* pArg, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;)
    {
        if (pfnCondition(pArg))
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(50);
    }
}

int CountProcesses(const wchar_t* pszExeName)
{
    int nCount = 0;
    HANDLE hSnapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE)
        return -1;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL bMore = Process32FirstW(hSnapshot, &entry); bMore; bMore = Process32NextW(hSnapshot, &entry))
    {
        if (_wcsicmp(entry.szExeFile, pszExeName) == 0)
            ++nCount;
    }
    CloseHandle(hSnapshot);
    return nCount;
}

struct ShortCut
{
    std::wstring strName;
    std::wstring strCommand;
    std::wstring strKey; // empty: no key
};

class HotKeyProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(KeystriderDataFolder().empty());
        DeleteFileW(KeystriderConfigFile().c_str());
        m_strTemp = MakeTestTempFolder(L"ks_hotkeys");
    }
    void TearDown() override
    {
        if (m_program.IsRunning())
            RunRemote(L"command " + std::to_wstring(kTrayCommandExit));
        if (!m_program.WaitForExit(kProgramExitTimeoutMs))
            m_program.Terminate();
        DeleteFileW(KeystriderConfigFile().c_str());
    }

    // Writes the shortcuts (and nothing else but the defaults of the settings) as the configuration.
    void WriteShortCuts(const std::vector<ShortCut>& shortcuts)
    {
        CShortCutConfig store;
        FreeShortCutList(store.m_ShortCutList);
        store.m_nGenPlaySound = 0;
        store.m_nGeneralLaunchStart = 0;
        store.m_nGeneralHideToTray = 0; // a window shown at once: no minimising at start
        for (const ShortCut& s : shortcuts)
        {
            ShortCutItem* pItem = new ShortCutItem;
            pItem->m_pszName = _wcsdup(s.strName.c_str());
            pItem->m_pszCommand = _wcsdup(s.strCommand.c_str());
            pItem->ParseHotKey(s.strKey.c_str());
            store.m_ShortCutList.push_back(pItem);
        }
        store.WriteConfig(nullptr);
    }

    // Starts the program and waits until its hotkey F<nF> is registered.
    void StartProgram(int nF)
    {
        ASSERT_TRUE(m_program.Start(TestBinPath(L"Keystrider.exe"), L""));
        ASSERT_EQ(RunRemote(L"find --wait " + std::to_wstring(kProgramStartTimeoutMs)), 0)
            << "no main window";
        ASSERT_TRUE(WaitFor([](const void* p) { return IsHotKeyTaken(*static_cast<const int*>(p)); }, &nF,
                            kProgramStartTimeoutMs))
            << "F" << nF << " never registered";
    }

    std::wstring Marker(const wchar_t* pszName) const { return m_strTemp + L"\\" + pszName; }
    // A shortcut command that starts window_helper, which writes the marker once its window exists.
    std::wstring HelperCommand(const std::wstring& strMarker) const
    {
        return QuoteArg(TestBinPath(L"window_helper.exe")) + L" --lifetime 60000 --marker " + strMarker;
    }

    ChildProcess m_program;
    std::wstring m_strTemp;
};

HWND FindHelperWindow(const std::wstring& strTitle)
{
    return FindWindowW(L"KeystriderTestWindow", strTitle.c_str());
}
} // namespace

TEST_F(HotKeyProgramTest, AShortcutStartsItsProgramAndAnItemWithoutKeyTakesNoId)
{
    const std::wstring strNoKey = Marker(L"nokey.txt");
    const std::wstring strFired = Marker(L"fired.txt");
    WriteShortCuts({{L"No key", HelperCommand(strNoKey), L""},
                    {L"Start helper", HelperCommand(strFired), HotKeyText(1)},
                    {L"Second", HelperCommand(Marker(L"second.txt")), HotKeyText(2)}});
    StartProgram(1);
    EXPECT_TRUE(IsHotKeyTaken(2));

    ASSERT_EQ(Press(1), 0);
    EXPECT_TRUE(WaitForFile(strFired, 10000)) << "the shortcut did not start its program";
    EXPECT_FALSE(FileExists(strNoKey));
    ASSERT_EQ(Press(2), 0);
    EXPECT_TRUE(WaitForFile(Marker(L"second.txt"), 10000));
}

TEST_F(HotKeyProgramTest, ToggleStartsAProgramAndASecondPressEndsIt)
{
    // A copy under a name of its own, so that no other helper process is taken for it.
    const std::wstring strExe = m_strTemp + L"\\ks_toggle_e2e.exe";
    ASSERT_TRUE(CopyFileW(TestBinPath(L"window_helper.exe").c_str(), strExe.c_str(), FALSE));
    WriteShortCuts({{L"Toggle helper", L"Toggle " + QuoteArg(strExe), HotKeyText(3)}});
    StartProgram(3);

    ASSERT_EQ(CountProcesses(L"ks_toggle_e2e.exe"), 0);
    ASSERT_EQ(Press(3), 0);
    const wchar_t* pszName = L"ks_toggle_e2e.exe";
    EXPECT_TRUE(WaitFor([](const void* p) { return CountProcesses(static_cast<const wchar_t*>(p)) == 1; },
                        pszName, 10000))
        << "Toggle did not start the program";
    Sleep(500); // its window exists before it is asked to close
    ASSERT_EQ(Press(3), 0);
    EXPECT_TRUE(WaitFor([](const void* p) { return CountProcesses(static_cast<const wchar_t*>(p)) == 0; },
                        pszName, 10000))
        << "a second Toggle did not end the program";
}

TEST_F(HotKeyProgramTest, ShowWithATitleShowsAHiddenWindow)
{
    const std::wstring strTitle = L"KS E2E Show " + std::to_wstring(GetCurrentProcessId());
    ChildProcess helper;
    ASSERT_TRUE(helper.Start(TestBinPath(L"window_helper.exe"), L"--hidden --lifetime 60000 --title " +
                                                                    QuoteArg(strTitle) + L" --marker " +
                                                                    Marker(L"show.txt")));
    ASSERT_TRUE(WaitForFile(Marker(L"show.txt"), 10000));
    HWND hWnd = FindHelperWindow(strTitle);
    ASSERT_NE(hWnd, nullptr);
    ASSERT_FALSE(IsWindowVisible(hWnd));

    WriteShortCuts(
        {{L"Show helper", L"Show e2e show " + std::to_wstring(GetCurrentProcessId()), HotKeyText(4)}});
    StartProgram(4);
    ASSERT_EQ(Press(4), 0);
    EXPECT_TRUE(WaitFor([](const void* p)
                        { return IsWindowVisible(static_cast<HWND>(const_cast<void*>(p))) != 0; },
                        hWnd, 10000))
        << "Show did not bring the window up";
}

TEST_F(HotKeyProgramTest, CloseEndsTheWindowsProcessAlsoWhenItIgnoresClose)
{
    const std::wstring strPid = std::to_wstring(GetCurrentProcessId());
    ChildProcess polite, stubborn;
    ASSERT_TRUE(polite.Start(TestBinPath(L"window_helper.exe"), L"--lifetime 60000 --title " +
                                                                    QuoteArg(L"KS E2E Polite " + strPid) +
                                                                    L" --marker " + Marker(L"polite.txt")));
    ASSERT_TRUE(
        stubborn.Start(TestBinPath(L"window_helper.exe"), L"--ignore-close --lifetime 60000 --title " +
                                                              QuoteArg(L"KS E2E Stubborn " + strPid) +
                                                              L" --marker " + Marker(L"stubborn.txt")));
    ASSERT_TRUE(WaitForFile(Marker(L"polite.txt"), 10000));
    ASSERT_TRUE(WaitForFile(Marker(L"stubborn.txt"), 10000));

    WriteShortCuts({{L"Close polite", L"Close e2e polite " + strPid, HotKeyText(5)},
                    {L"Close stubborn", L"Close E2E STUBBORN " + strPid, HotKeyText(6)},
                    {L"Close nothing", L"Close", HotKeyText(7)}});
    StartProgram(7);

    // Close with nothing behind it closes nothing (not the first window it would find).
    ASSERT_EQ(Press(7), 0);
    Sleep(1000);
    EXPECT_TRUE(polite.IsRunning());
    EXPECT_TRUE(stubborn.IsRunning());
    EXPECT_TRUE(m_program.IsRunning());

    ASSERT_EQ(Press(5), 0);
    EXPECT_TRUE(polite.WaitForExit(10000)) << "Close did not end the helper";
    EXPECT_EQ(polite.ExitCode(), 0u); // closed through its window, not terminated
    ASSERT_EQ(Press(6), 0);
    EXPECT_TRUE(stubborn.WaitForExit(15000)) << "a helper that ignores WM_CLOSE was not terminated";
    EXPECT_TRUE(m_program.IsRunning());
}

TEST_F(HotKeyProgramTest, StopSilencesEveryHotKeyUntilRunFromTheTray)
{
    const std::wstring strFired = Marker(L"fired.txt");
    WriteShortCuts({{L"Stop", L"Stop", HotKeyText(8)},
                    {L"Run", L"Run", HotKeyText(9)},
                    {L"Start helper", HelperCommand(strFired), HotKeyText(10)}});
    StartProgram(10);

    ASSERT_EQ(Press(8), 0);
    int nF = 10;
    EXPECT_TRUE(
        WaitFor([](const void* p) { return !IsHotKeyTaken(*static_cast<const int*>(p)); }, &nF, 10000))
        << "Stop left the hotkeys registered";
    EXPECT_FALSE(IsHotKeyTaken(9)); // the Run shortcut's own key is silent too
    ASSERT_EQ(Press(9), 0);
    ASSERT_EQ(Press(10), 0);
    Sleep(1500);
    EXPECT_FALSE(FileExists(strFired));

    ASSERT_EQ(RunRemote(L"command " + std::to_wstring(kTrayCommandPlay)), 0);
    ASSERT_TRUE(
        WaitFor([](const void* p) { return IsHotKeyTaken(*static_cast<const int*>(p)); }, &nF, 10000));
    ASSERT_EQ(Press(10), 0);
    EXPECT_TRUE(WaitForFile(strFired, 10000)) << "the hotkeys did not come back with Play";
}

TEST_F(HotKeyProgramTest, ExitByHotKeyEndsTheProgramAndWritesTheConfiguration)
{
    WriteShortCuts({{L"Leave", L"Exit", HotKeyText(11)}});
    StartProgram(11);
    ASSERT_TRUE(DeleteFileW(KeystriderConfigFile().c_str()));

    ASSERT_EQ(Press(11), 0);
    ASSERT_TRUE(m_program.WaitForExit(kProgramExitTimeoutMs)) << "Exit did not end the program";
    ASSERT_TRUE(FileExists(KeystriderConfigFile()));
    CShortCutConfig store;
    ASSERT_EQ(store.m_ShortCutList.size(), 1u);
    EXPECT_STREQ(store.m_ShortCutList.front()->m_pszName, L"Leave");
    EXPECT_EQ(store.m_ShortCutList.front()->FormatHotKey(), HotKeyText(11).c_str());
    EXPECT_FALSE(IsHotKeyTaken(11));
}

namespace
{
// The shortcut list: the visible list view among the main window's descendants.
HWND VisibleShortCutList(HWND hMain)
{
    HWND hFound = nullptr;
    EnumChildWindows(
        hMain,
        [](HWND hWnd, LPARAM lParam) -> BOOL
        {
            wchar_t szClass[64] = {};
            GetClassNameW(hWnd, szClass, 64);
            if (_wcsicmp(szClass, WC_LISTVIEWW) != 0 || !IsWindowVisible(hWnd))
                return TRUE;
            *reinterpret_cast<HWND*>(lParam) = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&hFound));
    return hFound;
}

bool IsListFocused(HWND hList)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(hList, nullptr), &info) && info.hwndFocus == hList;
}
} // namespace

TEST_F(HotKeyProgramTest, AKeyCapturedInTheListIsLiveAtOnce)
{
    const std::wstring strFired = Marker(L"captured.txt");
    // Ctrl+Alt+F12 only tells when the program has registered its hotkeys; the row under test has none.
    WriteShortCuts({{L"Start helper", HelperCommand(strFired), L""}, {L"Ready", L"Run", HotKeyText(12)}});
    StartProgram(12);
    ASSERT_FALSE(IsComboTaken(MOD_CONTROL | MOD_SHIFT, VK_F9));

    // The window is shown at start (no hide to tray): click the first row, as a user would.
    HWND hMain = FindKeystriderWindow();
    ASSERT_NE(hMain, nullptr);
    HWND hList = nullptr;
    for (int i = 0; i < 100 && hList == nullptr; ++i, Sleep(100))
        hList = VisibleShortCutList(hMain);
    ASSERT_NE(hList, nullptr) << "the shortcut list is not shown";
    Sleep(500);
    HWND hHeader = reinterpret_cast<HWND>(SendMessageW(hList, LVM_GETHEADER, 0, 0));
    ASSERT_NE(hHeader, nullptr);
    RECT rcHeader = {};
    GetWindowRect(hHeader, &rcHeader);
    const long x = rcHeader.left + 60;
    const long y = rcHeader.bottom + 6;
    ASSERT_EQ(RunRemote(L"click " + std::to_wstring(x) + L"," + std::to_wstring(y)), 0);
    bool bSelected = false;
    for (int i = 0; i < 50 && !bSelected; ++i, Sleep(100))
        bSelected = SendMessageW(hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 0 &&
                    IsListFocused(hList);
    ASSERT_TRUE(bSelected) << "the click did not select the first row and focus the list";

    // Pressing a combination with the list focused gives the row that key, and the apply registers it.
    ASSERT_EQ(RunRemote(L"keys 17+16+" + std::to_wstring(VK_F9)), 0);
    bool bTaken = false;
    for (int i = 0; i < 100 && !bTaken; ++i, Sleep(100))
        bTaken = IsComboTaken(MOD_CONTROL | MOD_SHIFT, VK_F9);
    ASSERT_TRUE(bTaken) << "the captured key was not registered";

    // The apply writes the file right after registering: captured as "Ctrl + Shift + F9", the key is
    // stored in the canonical order.
    CString strStored;
    for (int i = 0; i < 50 && strStored != L"Shift + Ctrl + F9"; ++i, Sleep(100))
    {
        CShortCutConfig store;
        ASSERT_EQ(store.m_ShortCutList.size(), 2u);
        EXPECT_STREQ(store.m_ShortCutList.front()->m_pszName, L"Start helper");
        strStored = store.m_ShortCutList.front()->FormatHotKey();
    }
    EXPECT_STREQ(strStored.GetString(), L"Shift + Ctrl + F9");

    // Pressed again, the new hotkey runs the row's command.
    EXPECT_FALSE(FileExists(strFired));
    ASSERT_EQ(RunRemote(L"keys 17+16+" + std::to_wstring(VK_F9)), 0);
    EXPECT_TRUE(WaitForFile(strFired, 10000)) << "the captured hotkey did not run its command";
}
