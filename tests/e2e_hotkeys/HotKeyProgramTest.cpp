// Keystrider.exe's hotkeys end to end under Wine: shortcuts written to the configuration file, the program
// started, key combinations pressed from another process (keystrider_remote, SendInput), and what a user
// would see checked: a program started or ended, a window shown or closed, hotkeys silenced by Stop.
#include "engine/ShortCutConfig.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/KeystriderProgram.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <functional>
#include <utility>
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

// Polls the condition until it holds; false on time-out.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!condition())
    {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(50);
    }
    return true;
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

    // Writes the shortcuts (and nothing else but the defaults of the settings) as the configuration;
    // the window is shown at once (no minimising at start) unless it is to start hidden in the tray.
    void WriteShortCuts(const std::vector<ShortCut>& shortcuts, int nHideToTray = 0)
    {
        CShortCutConfig store;
        FreeShortCutList(store.m_ShortCutList);
        store.m_nGenPlaySound = 0;
        store.m_nGeneralLaunchStart = 0;
        store.m_nGeneralHideToTray = nHideToTray;
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
        ASSERT_TRUE(WaitUntil([nF] { return IsHotKeyTaken(nF); }, kProgramStartTimeoutMs))
            << "F" << nF << " never registered";
    }

    std::wstring Marker(const wchar_t* pszName) const { return m_strTemp + L"\\" + pszName; }
    // A shortcut command that starts window_helper, which writes the marker once its window exists.
    std::wstring HelperCommand(const std::wstring& strMarker) const
    {
        return QuoteArg(TestBinPath(L"window_helper.exe")) + L" --lifetime 60000 --marker " + strMarker;
    }

    ChildProcess m_program;
    // The tests read the configuration file while the program may be saving it: a read that finds it
    // busy shows a message box, which is answered here instead of blocking a run without a user.
    MessageBoxRecorder m_boxes;
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
    EXPECT_TRUE(WaitUntil([pszName] { return CountProcesses(pszName) == 1; }, 10000))
        << "Toggle did not start the program";
    Sleep(500); // its window exists before it is asked to close
    ASSERT_EQ(Press(3), 0);
    EXPECT_TRUE(WaitUntil([pszName] { return CountProcesses(pszName) == 0; }, 10000))
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
    EXPECT_TRUE(WaitUntil([hWnd] { return IsWindowVisible(hWnd) != 0; }, 10000))
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
    EXPECT_TRUE(WaitUntil([nF] { return !IsHotKeyTaken(nF); }, 10000)) << "Stop left the hotkeys registered";
    EXPECT_FALSE(IsHotKeyTaken(9)); // the Run shortcut's own key is silent too
    ASSERT_EQ(Press(9), 0);
    ASSERT_EQ(Press(10), 0);
    Sleep(1500);
    EXPECT_FALSE(FileExists(strFired));

    ASSERT_EQ(RunRemote(L"command " + std::to_wstring(kTrayCommandPlay)), 0);
    ASSERT_TRUE(WaitUntil([nF] { return IsHotKeyTaken(nF); }, 10000));
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
// The information pop-up: the dialog window that the main window owns.
HWND FindPopUp(HWND hMain)
{
    struct Search
    {
        HWND hMain;
        HWND hFound;
    } search = {hMain, nullptr};
    EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL
        {
            auto* pSearch = reinterpret_cast<Search*>(lParam);
            wchar_t szClass[16] = {};
            GetClassNameW(hWnd, szClass, 16);
            if (wcscmp(szClass, L"#32770") != 0 || GetWindow(hWnd, GW_OWNER) != pSearch->hMain)
                return TRUE;
            pSearch->hFound = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

int LayeredAlpha(HWND hWnd)
{
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(hWnd, nullptr, &alpha, &flags) ? alpha : -1;
}
} // namespace

TEST_F(HotKeyProgramTest, ThePopUpShowsFadesAndHidesWhileTheWindowIsHiddenAtStart)
{
    // Hidden at start, the main window is minimised and then hidden: it owns the pop-up, which still
    // shows a shortcut's name, fades in to its opacity (80 %) and hides after its display time.
    WriteShortCuts({{L"Tray pop-up", L"Run", HotKeyText(9)}}, 1);
    StartProgram(9);
    const HWND hMain = FindKeystriderWindow();
    ASSERT_NE(hMain, nullptr);
    // The hotkeys are registered before the pop-up is made and the window hidden: both are waited for.
    HWND hPopUp = nullptr;
    ASSERT_TRUE(WaitUntil([hMain, &hPopUp] { return (hPopUp = FindPopUp(hMain)) != nullptr; }, 10000))
        << "no pop-up owned by the main window";
    EXPECT_TRUE(WaitUntil([hMain] { return !IsWindowVisible(hMain); }, 10000)) << "the window was not hidden";
    EXPECT_FALSE(IsWindowVisible(hPopUp));

    ASSERT_EQ(Press(9), 0);
    EXPECT_TRUE(WaitUntil([hPopUp] { return IsWindowVisible(hPopUp) && LayeredAlpha(hPopUp) == 204; }, 10000))
        << "alpha " << LayeredAlpha(hPopUp);
    EXPECT_TRUE(WaitUntil([hPopUp] { return !IsWindowVisible(hPopUp); }, 15000)) << "the pop-up stayed";
    EXPECT_FALSE(IsWindowVisible(hMain));
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

HWND FocusOf(HWND hWnd)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(hWnd, nullptr), &info) ? info.hwndFocus : nullptr;
}

bool IsListFocused(HWND hList)
{
    return FocusOf(hList) == hList;
}

// A visible control of the main window by its id.
HWND VisibleControl(HWND hMain, int nId)
{
    std::pair<int, HWND> search(nId, nullptr);
    EnumChildWindows(
        hMain,
        [](HWND hWnd, LPARAM lParam) -> BOOL
        {
            auto* pSearch = reinterpret_cast<std::pair<int, HWND>*>(lParam);
            if (GetDlgCtrlID(hWnd) != pSearch->first || !IsWindowVisible(hWnd))
                return TRUE;
            pSearch->second = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// Screen point in the middle of a row of the list, at a distance from the list's left edge. The row
// height is worked out from how many rows fit below the header (the list's own rectangles cannot be
// asked for from another process).
POINT RowPoint(HWND hList, int nRow, long nFromLeft)
{
    HWND hHeader = reinterpret_cast<HWND>(SendMessageW(hList, LVM_GETHEADER, 0, 0));
    RECT rcHeader = {}, rcClient = {};
    GetWindowRect(hHeader, &rcHeader);
    GetClientRect(hList, &rcClient);
    const double nRows = static_cast<double>(SendMessageW(hList, LVM_GETCOUNTPERPAGE, 0, 0));
    const double dHeight = (rcClient.bottom - (rcHeader.bottom - rcHeader.top)) / (nRows + 0.5);
    return {rcHeader.left + nFromLeft, rcHeader.bottom + static_cast<long>(dHeight * (nRow + 0.5))};
}

int ClickAt(const wchar_t* pszCommand, POINT pt)
{
    return RunRemote(std::wstring(pszCommand) + L" " + std::to_wstring(pt.x) + L"," + std::to_wstring(pt.y));
}

int SelectedRow(HWND hList)
{
    return static_cast<int>(SendMessageW(hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
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
    HWND hMain = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hMain = FindKeystriderWindow()) != nullptr; }, 5000));
    HWND hList = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hList = VisibleShortCutList(hMain)) != nullptr; }, 10000))
        << "the shortcut list is not shown";
    Sleep(500);
    ASSERT_EQ(ClickAt(L"click", RowPoint(hList, 0, 60)), 0);
    ASSERT_TRUE(WaitUntil([&] { return SelectedRow(hList) == 0 && IsListFocused(hList); }, 5000))
        << "the click did not select the first row and focus the list";

    // Pressing a combination with the list focused gives the row that key, and the apply registers it.
    ASSERT_EQ(RunRemote(L"keys 17+16+" + std::to_wstring(VK_F9)), 0);
    ASSERT_TRUE(WaitUntil([] { return IsComboTaken(MOD_CONTROL | MOD_SHIFT, VK_F9); }, 10000))
        << "the captured key was not registered";

    // The apply writes the file right after registering: captured as "Ctrl + Shift + F9", the key is
    // stored in the canonical order.
    CString strStored;
    EXPECT_TRUE(WaitUntil(
        [&]
        {
            CShortCutConfig store;
            if (store.m_ShortCutList.size() != 2 || store.m_ShortCutList.front()->m_pszName == nullptr)
                return false;
            strStored.Format(L"%s|%s", store.m_ShortCutList.front()->m_pszName,
                             store.m_ShortCutList.front()->FormatHotKey().GetString());
            return strStored == L"Start helper|Shift + Ctrl + F9";
        },
        5000))
        << "stored: " << std::wstring(strStored.GetString());

    // Pressed again, the new hotkey runs the row's command.
    EXPECT_FALSE(FileExists(strFired));
    ASSERT_EQ(RunRemote(L"keys 17+16+" + std::to_wstring(VK_F9)), 0);
    EXPECT_TRUE(WaitForFile(strFired, 10000)) << "the captured hotkey did not run its command";
}

TEST_F(HotKeyProgramTest, AShortcutMadeInTheWindowWorks)
{
    WriteShortCuts({{L"Ready", L"Run", HotKeyText(12)}});
    StartProgram(12);
    HWND hMain = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hMain = FindKeystriderWindow()) != nullptr; }, 5000));
    HWND hList = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hList = VisibleShortCutList(hMain)) != nullptr; }, 10000));
    const int kNewButton = 1007;
    HWND hNew = VisibleControl(hMain, kNewButton);
    ASSERT_NE(hNew, nullptr);
    Sleep(500);

    // New: a second row, selected, the list focused.
    RECT rcNew = {};
    GetWindowRect(hNew, &rcNew);
    ASSERT_EQ(ClickAt(L"click", {(rcNew.left + rcNew.right) / 2, (rcNew.top + rcNew.bottom) / 2}), 0);
    ASSERT_TRUE(WaitUntil([&] { return SelectedRow(hList) == 1 && IsListFocused(hList); }, 10000))
        << "New did not add a selected row";

    // The name and the command typed into the cells (the columns "No." 30 and "Name" 100 wide): a
    // double click opens the editor over the cell, Enter commits it and gives the list the focus back.
    const long kNameX = 80, kCommandX = 200;
    for (const auto& cell : {std::make_pair(kNameX, L"s"), std::make_pair(kCommandX, L"stop")})
    {
        ASSERT_EQ(ClickAt(L"dblclick", RowPoint(hList, 1, cell.first)), 0);
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(hList) != hList && FocusOf(hList) != nullptr; }, 10000))
            << "no editor over the cell for " << cell.second;
        ASSERT_EQ(RunRemote(std::wstring(L"type ") + cell.second), 0);
        ASSERT_EQ(RunRemote(L"keys 13"), 0);
        ASSERT_TRUE(WaitUntil([&] { return IsListFocused(hList); }, 10000));
    }

    // Its key pressed on the selected row.
    ASSERT_EQ(ClickAt(L"click", RowPoint(hList, 1, kNameX)), 0);
    ASSERT_TRUE(WaitUntil([&] { return SelectedRow(hList) == 1 && IsListFocused(hList); }, 10000));
    ASSERT_EQ(RunRemote(L"keys 17+16+" + std::to_wstring(VK_F8)), 0);
    ASSERT_TRUE(WaitUntil([] { return IsComboTaken(MOD_CONTROL | MOD_SHIFT, VK_F8); }, 10000))
        << "the new shortcut's key was not registered";
    CString strText;
    ASSERT_TRUE(WaitUntil(
        [&]
        {
            CShortCutConfig store;
            if (store.m_ShortCutList.size() != 2)
                return false;
            const ShortCutItem* pItem = store.m_ShortCutList.back();
            auto text = [](const wchar_t* psz) { return psz != nullptr ? psz : L"(none)"; };
            strText.Format(L"%s|%s|%s", text(pItem->m_pszName), text(pItem->m_pszCommand),
                           pItem->FormatHotKey().GetString());
            return strText == L"s|stop|Shift + Ctrl + F8";
        },
        5000))
        << "stored: " << std::wstring(strText.GetString());

    // Used: its command stops every hotkey, its own included.
    ASSERT_EQ(RunRemote(L"keys 17+16+" + std::to_wstring(VK_F8)), 0);
    EXPECT_TRUE(
        WaitUntil([] { return !IsHotKeyTaken(12) && !IsComboTaken(MOD_CONTROL | MOD_SHIFT, VK_F8); }, 10000))
        << "the new shortcut did not stop the hotkeys";
}
