// WM_HOTKEY at the view: the id's shortcut runs through the executor (observed at the shell call), its
// sound plays by the sound-file rule, and the pop-up shows the shortcut's name.
#include "tests/view/ViewFixture.h"

#include "app/DlgInfo.h"
#include "engine/ShortCutSound.h"
#include "framework/window/ShellOpen.h"

#include <iterator>
#include <string>
#include <vector>

namespace
{
struct ShellCall
{
    std::wstring strVerb, strFile, strParameters;
    INT nShow;
};
std::vector<ShellCall> g_shellCalls;
std::vector<std::wstring> g_sounds;

HINSTANCE WINAPI RecordShellExecute(HWND, LPCWSTR pszVerb, LPCWSTR pszFile, LPCWSTR pszParameters, LPCWSTR,
                                    INT nShow)
{
    g_shellCalls.push_back({pszVerb ? pszVerb : L"(null)", pszFile ? pszFile : L"(null)",
                            pszParameters ? pszParameters : L"(null)", nShow});
    return reinterpret_cast<HINSTANCE>(42);
}

// A shell call during which the pressed shortcut is deleted, as the user can do while the shell's error
// box for a missing program runs its message loop.
ShortCutList* g_pListToChange = nullptr;
HINSTANCE WINAPI DeletingShellExecute(HWND hWnd, LPCWSTR pszVerb, LPCWSTR pszFile, LPCWSTR pszParameters,
                                      LPCWSTR pszFolder, INT nShow)
{
    if (g_pListToChange != nullptr && !g_pListToChange->empty())
    {
        delete g_pListToChange->front();
        g_pListToChange->pop_front();
    }
    return RecordShellExecute(hWnd, pszVerb, pszFile, pszParameters, pszFolder, nShow);
}

BOOL WINAPI RecordPlaySound(LPCWSTR pszSound, HMODULE, DWORD)
{
    g_sounds.push_back(pszSound ? pszSound : L"(null)");
    return TRUE;
}

ShortCutItem* NewItem(const wchar_t* pszName, const wchar_t* pszCommand, const wchar_t* pszKey)
{
    ShortCutItem* pItem = new ShortCutItem;
    pItem->m_pszName = _wcsdup(pszName);
    pItem->m_pszCommand = _wcsdup(pszCommand);
    pItem->ParseHotKey(pszKey);
    return pItem;
}

class HotKeyDispatchTest : public ViewTest
{
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        g_shellCalls.clear();
        g_sounds.clear();
        m_pfnShell = SetShellExecuteFunc(RecordShellExecute);
        m_pfnSound = SetPlaySoundFunc(RecordPlaySound);
        CShortCutConfig& store = Store();
        store.UnregisterHotKeys(m_pView->GetSafeHwnd());
        FreeShortCutList(store.m_ShortCutList);
        store.m_ShortCutList.push_back(
            NewItem(L"Editor", L"  notepad.exe  \"C:\\my file.txt\" ", L"Ctrl + Alt + F13"));
        store.m_ShortCutList.push_back(NewItem(L"No key", L"calc.exe", L""));
        store.m_ShortCutList.push_back(NewItem(L"Site", L"'www.example.com'", L"Ctrl + Alt + F14"));
        store.m_ShortCutList.push_back(NewItem(L"Blank", L"   ", L"Ctrl + Alt + F15"));
        store.m_ShortCutList.push_back(NewItem(L"Close all", L"Close", L"Ctrl + Alt + F16"));
        store.m_ShortCutList.push_back(NewItem(L"Toggle none", L"toggle \"\"", L"Ctrl + Alt + F17"));
        m_nPlaySound = store.m_nGenPlaySound;
        m_nAssign = store.m_nGenAssignASound;
        m_strSound = store.m_strGenSoundAddress;
        m_nPrompt = store.m_nPromptNameShortcut;
        store.m_nGenPlaySound = 1;
        store.m_nGenAssignASound = 0;
        store.m_strGenSoundAddress = L"tick.wav";
        store.m_nPromptNameShortcut = 1;
        store.RegisterHotKeys(m_pView->GetSafeHwnd());
    }
    void TearDown() override
    {
        CShortCutConfig& store = Store();
        store.UnregisterHotKeys(m_pView->GetSafeHwnd());
        store.LoadDefaultShortCuts();
        store.m_nGenPlaySound = m_nPlaySound;
        store.m_nGenAssignASound = m_nAssign;
        store.m_strGenSoundAddress = m_strSound;
        store.m_nPromptNameShortcut = m_nPrompt;
        store.RegisterHotKeys(m_pView->GetSafeHwnd());
        m_pView->ShowPage(0);
        SetShellExecuteFunc(m_pfnShell);
        SetShellUrlLimit(0);
        SetPlaySoundFunc(m_pfnSound);
        ViewTest::TearDown();
    }
    void HotKey(UINT nId) { m_pView->SendMessage(WM_HOTKEY, nId, 0); }
    // Adds a shortcut behind the others; returns its hotkey id.
    UINT AddShortcut(const std::wstring& strCommand)
    {
        Store().m_ShortCutList.push_back(NewItem(L"Added", strCommand.c_str(), L"Ctrl + Alt + F18"));
        return m_nNextId++;
    }
    // Presses the hotkey and returns the shell calls it made, then forgets them.
    std::vector<ShellCall> ShellCallsOf(UINT nId)
    {
        g_shellCalls.clear();
        HotKey(nId);
        std::vector<ShellCall> calls;
        calls.swap(g_shellCalls);
        return calls;
    }

    ShellExecuteFunc m_pfnShell = nullptr;
    PlaySoundFunc m_pfnSound = nullptr;
    UINT m_nNextId = 5; // behind the registrable items of the fixture
    int m_nPlaySound = 0, m_nAssign = 0, m_nPrompt = 0;
    CString m_strSound;
};
} // namespace

TEST_F(HotKeyDispatchTest, AnIdRunsTheCommandOfItsRegistrableItem)
{
    HotKey(0);
    ASSERT_EQ(g_shellCalls.size(), 1u);
    EXPECT_EQ(g_shellCalls[0].strVerb, L"Open");
    EXPECT_EQ(g_shellCalls[0].strFile, L"notepad.exe");
    EXPECT_EQ(g_shellCalls[0].strParameters, L"C:\\my file.txt");
    EXPECT_EQ(g_shellCalls[0].nShow, SW_SHOW);

    // The item without a key has no id: id 1 is the third item.
    HotKey(1);
    ASSERT_EQ(g_shellCalls.size(), 2u);
    EXPECT_EQ(g_shellCalls[1].strFile, L"www.example.com");
    EXPECT_EQ(g_shellCalls[1].strParameters, L"");

    HotKey(5); // below the item count, no item behind it
    HotKey(99);
    EXPECT_EQ(g_shellCalls.size(), 2u);
    EXPECT_EQ(g_sounds.size(), 2u);
}

TEST_F(HotKeyDispatchTest, TheSoundFollowsTheCommandAndItsRule)
{
    CShortCutConfig& store = Store();
    ShortCutItem* pFirst = store.m_ShortCutList.front();
    pFirst->SetSoundFile(L"\"D:\\sounds\\own.wav\"");
    HotKey(0);
    ASSERT_EQ(g_sounds.size(), 1u);
    EXPECT_EQ(CString(g_sounds[0].c_str()), store.m_strExeFolder + L"tick.wav");

    store.m_nGenAssignASound = 1;
    HotKey(0);
    ASSERT_EQ(g_sounds.size(), 2u);
    EXPECT_EQ(g_sounds[1], L"D:\\sounds\\own.wav");

    pFirst->SetPlaySound(0);
    HotKey(0);
    store.m_nGenPlaySound = 0;
    pFirst->SetPlaySound(1);
    HotKey(0);
    EXPECT_EQ(g_sounds.size(), 2u);
    EXPECT_EQ(g_shellCalls.size(), 4u);
}

TEST_F(HotKeyDispatchTest, ThePressedShortcutsSoundPlaysEvenWhenTheCommandChangedTheList)
{
    CShortCutConfig& store = Store();
    store.m_nGenAssignASound = 1;
    ShortCutList& list = store.m_ShortCutList;
    list.front()->SetSoundFile(L"D:\\editor.wav");
    (*std::next(list.begin(), 2))->SetSoundFile(L"D:\\site.wav"); // takes id 0 once the first is gone
    g_pListToChange = &list;
    SetShellExecuteFunc(DeletingShellExecute);
    HotKey(0);
    g_pListToChange = nullptr;
    SetShellExecuteFunc(RecordShellExecute);
    ASSERT_EQ(g_shellCalls.size(), 1u);
    EXPECT_EQ(g_shellCalls[0].strFile, L"notepad.exe");
    ASSERT_EQ(g_sounds.size(), 1u);
    EXPECT_EQ(g_sounds[0], L"D:\\editor.wav");
}

TEST_F(HotKeyDispatchTest, ABlankCommandDoesNothingButStillPlaysItsSound)
{
    CDlgInfo* pInfo = m_pView->GetDlgInfo();
    ASSERT_NE(pInfo, nullptr);
    pInfo->ShowWindow(SW_HIDE);
    HotKey(2);
    EXPECT_TRUE(g_shellCalls.empty());
    EXPECT_EQ(g_sounds.size(), 1u);
    EXPECT_FALSE(pInfo->IsWindowVisible()); // no pop-up for a blank command
}

TEST_F(HotKeyDispatchTest, CloseAndToggleWithNothingBehindThemDoNothing)
{
    HWND hFirst = ::GetTopWindow(nullptr);
    HotKey(3); // "Close"
    HotKey(4); // toggle ""
    EXPECT_TRUE(g_shellCalls.empty());
    EXPECT_TRUE(::IsWindow(hFirst));
    EXPECT_TRUE(m_pFrame->IsWindowVisible());
}

TEST_F(HotKeyDispatchTest, ANameLongerThanTheShellTakesDoesNothingAndTheNextShortcutStillRuns)
{
    // Wine's shell overruns a buffer on a name of about a thousand characters and ends the process.
    const std::wstring strLongest = L"C:\\" + std::wstring(MAX_PATH - 4, L'p'); // one under MAX_PATH
    const std::wstring commands[] = {
        L"C:\\" + std::wstring(1000, L'p') + L".exe",
        L"\"C:\\Program Files\\" + std::wstring(100000, L'p') + L".exe\" -a",
        L"http://" + std::wstring(1000, L'u'),
        L"'https://www.example.com/" + std::wstring(100000, L'u') + L"' --new-window",
        L"Toggle \"C:\\" + std::wstring(1000, L't') + L".exe\"",
        strLongest + L"x", // MAX_PATH characters: one too many
        strLongest,
    };
    ShortCutList& list = Store().m_ShortCutList;
    for (const std::wstring& strCommand : commands)
        list.push_back(NewItem(L"Long", strCommand.c_str(), L"Ctrl + Alt + F18"));

    const UINT nFirstLong = 5; // behind the registrable items of the fixture
    for (UINT i = 0; i + 1 < std::size(commands); ++i)
    {
        HotKey(nFirstLong + i);
        EXPECT_TRUE(g_shellCalls.empty()) << "command " << i << " reached the shell";
        g_shellCalls.clear();
        HotKey(0);
        ASSERT_EQ(g_shellCalls.size(), 1u);
        EXPECT_EQ(g_shellCalls[0].strFile, L"notepad.exe");
        g_shellCalls.clear();
    }
    HotKey(nFirstLong + static_cast<UINT>(std::size(commands)) - 1);
    ASSERT_EQ(g_shellCalls.size(), 1u);
    EXPECT_EQ(g_shellCalls[0].strFile, strLongest);
}

TEST_F(HotKeyDispatchTest, AWebAddressReachesTheShellUpToThePlatformsBoundAFilePathBelowMaxPath)
{
    const UINT nWineBound = GetShellUrlLimit();
    // Under Wine the shell overruns a buffer from about 990 characters on; 420 are known to open.
    EXPECT_GE(nWineBound, 420u);
    EXPECT_LT(nWineBound, 990u);

    // Windows opens addresses up to 2,083 characters; paths, addresses without a scheme and file
    // addresses stay below MAX_PATH.
    SetShellUrlLimit(2083);
    const std::wstring strAddress = L"https://www.example.com/search?q=" + std::wstring(2083 - 33, L'q');
    const std::wstring commands[] = {
        L"'" + strAddress + L"' --new-window",
        L"mailto:" + std::wstring(2076, L'm'),
        L"http://" + std::wstring(2077, L'u'),
        L"www.example.com/" + std::wstring(1000, L'u'),
        L"file:///C:/" + std::wstring(1000, L'f') + L".txt",
        L"C:\\" + std::wstring(1000, L'p') + L".exe",
    };
    const size_t nReaching = 2; // the first two
    std::vector<UINT> ids;
    for (const std::wstring& strCommand : commands)
        ids.push_back(AddShortcut(strCommand));
    for (size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(ShellCallsOf(ids[i]).size(), i < nReaching ? 1u : 0u) << "command " << i;

    // Under Wine's bound a 420-character address opens, the 2,083-character one does nothing.
    SetShellUrlLimit(0);
    EXPECT_EQ(GetShellUrlLimit(), nWineBound);
    const std::vector<ShellCall> calls =
        ShellCallsOf(AddShortcut(L"http://www.example.com/" + std::wstring(420 - 23, L'u')));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].strFile.size(), 420u);
    EXPECT_TRUE(ShellCallsOf(ids[0]).empty());
}

TEST_F(HotKeyDispatchTest, ANameIsMeasuredAsTheShellSeesItAfterItsEnvironmentReferencesAreExpanded)
{
    wchar_t szPath[64] = {};
    ASSERT_GE(::GetEnvironmentVariableW(L"PATH", szPath, 64), 7u); // 40 times at least 280 characters
    std::wstring strPathTimes40;
    for (int i = 0; i < 40; ++i)
        strPathTimes40 += L"%PATH%";
    ASSERT_TRUE(::SetEnvironmentVariableW(L"KS_TEST_QUERY", std::wstring(1000, L'q').c_str()));
    const std::wstring commands[] = {
        strPathTimes40 + L".exe", // 244 characters as written
        L"Toggle " + strPathTimes40 + L".exe",
        L"http://www.example.com/?q=%KS_TEST_QUERY%",
        L"%SystemRoot%\\notepad.exe",
    };
    for (size_t i = 0; i + 1 < std::size(commands); ++i)
        EXPECT_TRUE(ShellCallsOf(AddShortcut(commands[i])).empty())
            << "command " << i << " reached the shell";
    // A short expansion still opens; the shell is handed the name as written and expands it itself.
    const std::vector<ShellCall> calls = ShellCallsOf(AddShortcut(commands[std::size(commands) - 1]));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].strFile, L"%SystemRoot%\\notepad.exe");
    ::SetEnvironmentVariableW(L"KS_TEST_QUERY", nullptr);
}

TEST_F(HotKeyDispatchTest, ThePopUpShowsTheNameWhenPromptNameIsOn)
{
    CDlgInfo* pInfo = m_pView->GetDlgInfo();
    ASSERT_NE(pInfo, nullptr);
    pInfo->ShowWindow(SW_HIDE);
    HotKey(1);
    EXPECT_TRUE(pInfo->IsWindowVisible());
    EXPECT_EQ(pInfo->GetMode(), 1u);
    wchar_t szCaption[64] = {};
    ::GetDlgItemTextW(pInfo->GetSafeHwnd(), 1012, szCaption, 64);
    EXPECT_STREQ(szCaption, L"Site");
    RECT rc = {};
    pInfo->GetWindowRect(&rc);
    EXPECT_EQ(rc.left, ::GetSystemMetrics(SM_CXSCREEN) - 450);
    EXPECT_EQ(rc.top, ::GetSystemMetrics(SM_CYSCREEN) - 150);
    EXPECT_NE(::GetWindowLongW(pInfo->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    Store().m_nPromptNameShortcut = 0;
    pInfo->ShowWindow(SW_HIDE);
    HotKey(0);
    EXPECT_FALSE(pInfo->IsWindowVisible());
}
