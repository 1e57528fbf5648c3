// Finding windows by title and closing or killing processes, against real helper programs.
#include "engine/SystemActions.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const DWORD kStartTimeoutMs = 10000;

// A window helper started for one test, with its own marker file in its own temporary folder. The
// helper can be a copy of window_helper.exe under another name, so that a search by executable name
// can only ever find this test's process.
class WindowHelper
{
public:
    explicit WindowHelper(const wchar_t* folderPrefix) : m_folder(MakeTestTempFolder(folderPrefix)) {}
    ~WindowHelper()
    {
        m_process.Terminate();
        if (!m_exe.empty() && m_exe != TestBinPath(L"window_helper.exe"))
            DeleteFileW(m_exe.c_str());
        DeleteFileW(m_marker.c_str());
        RemoveDirectoryW(m_folder.c_str());
    }

    // Starts the helper (copied to exeName in the folder, when given) and waits for its window.
    bool Start(const std::wstring& args, const wchar_t* exeName = nullptr)
    {
        if (m_folder.empty())
            return false;
        m_exe = TestBinPath(L"window_helper.exe");
        if (exeName != nullptr)
        {
            std::wstring copy = m_folder + L"\\" + exeName;
            if (!CopyFileW(m_exe.c_str(), copy.c_str(), FALSE))
                return false;
            m_exe = copy;
        }
        m_marker = m_folder + L"\\started.txt";
        if (!m_process.Start(m_exe, args + L" --lifetime 60000 --marker " + QuoteArg(m_marker)))
            return false;
        return WaitForFile(m_marker, kStartTimeoutMs);
    }

    // The helper's top-level window (it has exactly one).
    HWND Window() const
    {
        struct Search
        {
            DWORD pid;
            HWND hWnd;
        } search = {m_process.Id(), nullptr};
        EnumWindows(
            [](HWND hWnd, LPARAM lParam) -> BOOL
            {
                Search* p = reinterpret_cast<Search*>(lParam);
                DWORD pid = 0;
                GetWindowThreadProcessId(hWnd, &pid);
                wchar_t szClass[64] = {};
                GetClassNameW(hWnd, szClass, 64);
                if (pid != p->pid || wcscmp(szClass, L"KeystriderTestWindow") != 0)
                    return TRUE;
                p->hWnd = hWnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.hWnd;
    }

    ChildProcess& Process() { return m_process; }
    const std::wstring& Exe() const { return m_exe; }
    const std::wstring& Folder() const { return m_folder; }

private:
    std::wstring m_folder;
    std::wstring m_exe;
    std::wstring m_marker;
    ChildProcess m_process;
};

// A name that no other process of this test run (or any other suite running beside it) carries.
// Moves another process's window in the Z order. Wine hands the move to the window's own thread, which
// can be slow to answer while the machine is busy: try for a while before calling it a failure.
bool MoveInZOrder(HWND hWnd, HWND hWndInsertAfter)
{
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    for (int attempt = 0; attempt < 50; ++attempt)
    {
        if (SetWindowPos(hWnd, hWndInsertAfter, 0, 0, 0, 0, flags))
            return true;
        Sleep(100);
    }
    return false;
}

// Whether hUpper comes before hLower in the order the window search walks (top-level Z order).
bool IsAbove(HWND hUpper, HWND hLower)
{
    for (HWND h = GetTopWindow(nullptr); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
    {
        if (h == hUpper)
            return true;
        if (h == hLower)
            return false;
    }
    return false;
}

// Raises hRaise above hOther and searches for pszTitle while that order holds. Wine can still raise a
// helper's freshly shown window after the move (its activation arrives late): the move is retried until
// the order is seen settled before and after the search; null when it never settles.
HWND FindWhileAbove(HWND hRaise, HWND hOther, const wchar_t* pszTitle)
{
    for (int attempt = 0; attempt < 50; ++attempt)
    {
        if (MoveInZOrder(hRaise, HWND_TOP) && IsAbove(hRaise, hOther))
        {
            HWND hFound = FindWindowByTitle(pszTitle);
            if (IsAbove(hRaise, hOther))
                return hFound;
        }
        Sleep(100);
    }
    return nullptr;
}

std::wstring UniqueName(const wchar_t* stem)
{
    return std::wstring(stem) + std::to_wstring(GetCurrentProcessId()) + L"_" +
           std::to_wstring(GetTickCount());
}
} // namespace

TEST(FindWindowByTitle, FindsAPieceOfTheTitleIgnoringCaseAndHiddenWindowsToo)
{
    std::wstring tag = UniqueName(L"KsFind");
    WindowHelper visible(L"ksfind");
    WindowHelper hidden(L"ksfind");
    ASSERT_TRUE(visible.Start(L"--title \"Alpha " + tag + L" Visible\""));
    ASSERT_TRUE(hidden.Start(L"--hidden --title \"Beta " + tag + L" Hidden\""));

    CString lower(tag.c_str());
    lower.MakeLower();
    EXPECT_EQ(visible.Window(), FindWindowByTitle(lower + L" visible"));
    EXPECT_EQ(hidden.Window(), FindWindowByTitle(L"BETA " + CString(tag.c_str())));
    EXPECT_EQ(nullptr, FindWindowByTitle(CString(tag.c_str()) + L" nowhere"));
}

TEST(FindWindowByTitle, TheFirstWindowInZOrderWins)
{
    std::wstring tag = UniqueName(L"KsOrder");
    WindowHelper first(L"ksorder");
    WindowHelper second(L"ksorder");
    ASSERT_TRUE(first.Start(L"--title \"One " + tag + L"\""));
    ASSERT_TRUE(second.Start(L"--title \"Two " + tag + L"\""));
    HWND hFirst = first.Window();
    HWND hSecond = second.Window();
    ASSERT_NE(nullptr, hFirst);
    ASSERT_NE(nullptr, hSecond);

    EXPECT_EQ(hFirst, FindWhileAbove(hFirst, hSecond, tag.c_str()));
    EXPECT_EQ(hSecond, FindWhileAbove(hSecond, hFirst, tag.c_str()));
}

// A window that stops answering must not hold the search up: the hotkeys would freeze with it.
TEST(FindWindowByTitle, AHungWindowDoesNotHoldTheSearchUp)
{
    std::wstring tag = UniqueName(L"KsHung");
    WindowHelper hung(L"kshung");
    WindowHelper behind(L"kshung");
    ASSERT_TRUE(hung.Start(L"--hang 30000 --title \"Hung " + tag + L"\""));
    ASSERT_TRUE(behind.Start(L"--title \"Behind " + tag + L"\""));
    ASSERT_TRUE(MoveInZOrder(behind.Window(), HWND_BOTTOM));

    DWORD start = GetTickCount();
    EXPECT_EQ(behind.Window(), FindWindowByTitle((L"behind " + tag).c_str()));
    EXPECT_EQ(nullptr, FindWindowByTitle((L"missing " + tag).c_str()));
    EXPECT_LT(GetTickCount() - start, 5000u);
}

TEST(CloseProcessById, ClosesInTimeOrTerminates)
{
    std::wstring tag = UniqueName(L"KsClose");
    WindowHelper polite(L"ksclose");
    WindowHelper stubborn(L"ksclose");
    ASSERT_TRUE(polite.Start(L"--title \"Polite " + tag + L"\""));
    ASSERT_TRUE(stubborn.Start(L"--ignore-close --title \"Stubborn " + tag + L"\""));

    EXPECT_EQ(1, CloseProcessById(polite.Process().Id(), 10000));
    EXPECT_EQ(0u, polite.Process().ExitCode()) << "the helper ended by closing its window";

    DWORD start = GetTickCount();
    EXPECT_EQ(2, CloseProcessById(stubborn.Process().Id(), 500));
    EXPECT_GE(GetTickCount() - start, 450u) << "the process is given its time-out first";
    EXPECT_TRUE(stubborn.Process().WaitForExit(5000));
}

TEST(CloseProcessById, AProcessThatCannotBeOpenedGivesZero)
{
    EXPECT_EQ(0, CloseProcessById(0, 100)) << "the idle process";
    EXPECT_EQ(0, CloseProcessById(0x7FFFFFFC, 100)) << "no such process";
}

// Our own windows answer WM_CLOSE on the thread that would wait: the program must not freeze and then
// kill itself (a Close whose title matches one of its windows, a Toggle of its own name). Run in a child
// copy of this test program, which reaches its own exit code only if it was left alive.
TEST(CloseProcessById, ThisProgramsOwnProcessIsLeftAlone)
{
    const int kAlive = 7;
    EXPECT_EXIT(
        {
            DWORD start = GetTickCount();
            int nClosed = CloseProcessById(GetCurrentProcessId(), 2000);
            bool bQuick = GetTickCount() - start < 1000;
            ExitProcess(nClosed == 0 && bQuick ? kAlive : 1);
        },
        testing::ExitedWithCode(kAlive), "");
}

TEST(KillProcessByName, MatchesTheExecutableNameWithOrWithoutExtension)
{
    std::wstring stem = UniqueName(L"kskill");
    std::wstring exeName = stem + L".exe";

    WindowHelper byStem(L"kskill");
    ASSERT_TRUE(byStem.Start(L"--title \"" + stem + L" a\"", exeName.c_str()));
    CString upperStem(stem.c_str());
    upperStem.MakeUpper();
    EXPECT_TRUE(KillProcessByName(upperStem));
    EXPECT_TRUE(byStem.Process().WaitForExit(5000));
    EXPECT_EQ(0u, byStem.Process().ExitCode());

    WindowHelper byFullName(L"kskill");
    ASSERT_TRUE(byFullName.Start(L"--ignore-close --title \"" + stem + L" b\"", exeName.c_str()));
    // With its extension the name must match the whole module name: a different one matches nothing.
    EXPECT_FALSE(KillProcessByName((stem + L".com").c_str()));
    EXPECT_FALSE(KillProcessByName((stem + L"x").c_str()));
    EXPECT_TRUE(byFullName.Process().IsRunning());
    // It ignores WM_CLOSE, so it is terminated after the two seconds' grace.
    EXPECT_TRUE(KillProcessByName(exeName.c_str()));
    EXPECT_TRUE(byFullName.Process().WaitForExit(5000));
}

TEST(KillProcessByName, TakesAQuotedFullPathByItsFileName)
{
    std::wstring stem = UniqueName(L"ks kill path ");
    std::wstring exeName = stem + L".exe";
    WindowHelper helper(L"ks spaced ");
    ASSERT_TRUE(helper.Start(L"--title \"" + stem + L"\"", exeName.c_str()));
    ASSERT_NE(std::wstring::npos, helper.Exe().find(L' '));

    EXPECT_TRUE(KillProcessByName((L" \"" + helper.Exe() + L"\" ").c_str()));
    EXPECT_TRUE(helper.Process().WaitForExit(5000));
    EXPECT_FALSE(KillProcessByName((L"\"" + helper.Exe() + L"\"").c_str())) << "nothing left to match";
}

TEST(KillProcessByName, NamesThatMatchNothing)
{
    EXPECT_FALSE(KillProcessByName(L""));
    EXPECT_FALSE(KillProcessByName(L"\"\""));
    EXPECT_FALSE(KillProcessByName(L"C:\\Windows\\"));
    EXPECT_FALSE(KillProcessByName(UniqueName(L"no_such_program").c_str()));
}
