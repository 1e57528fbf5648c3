// Keystrider.exe with an update-description file already in its data folder: a newer version that it
// announces is shown in the pop-up right after start; a file of the program's own version shows nothing;
// a file whose document type would expand to gigabytes does not hold the start up.
#include "tests/support/ChildProcess.h"
#include "tests/support/KeystriderProgram.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace
{
const int kInfoCaption = 1012; // the pop-up's text

void PutUpdateFileText(const std::string& text)
{
    ::CreateDirectoryW(KeystriderDataFolder().c_str(), nullptr);
    std::ofstream out((KeystriderDataFolder() + L"\\pad_keystrider.xml").c_str(), std::ios::binary);
    out << text;
}

void PutUpdateFile(const char* pszVersion)
{
    PutUpdateFileText(
        std::string("<?xml version=\"1.0\"?><XML_DIZ_INFO><Program_Info><Program_Version>") + pszVersion +
        "</Program_Version></Program_Info><Web_Info><Download_URLs><Primary_Download_URL>"
        "http://dl.example/k.zip</Primary_Download_URL></Download_URLs></Web_Info></XML_DIZ_INFO>");
}

struct PopupSearch
{
    DWORD dwProcessId;
    std::wstring text; // of the first visible pop-up found
};

BOOL CALLBACK FindPopup(HWND hWnd, LPARAM lParam)
{
    PopupSearch* pSearch = reinterpret_cast<PopupSearch*>(lParam);
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    HWND hText = ::GetDlgItem(hWnd, kInfoCaption);
    if (dwProcessId != pSearch->dwProcessId || hText == nullptr || !::IsWindowVisible(hWnd))
        return TRUE;
    wchar_t text[128] = {};
    ::GetWindowTextW(hText, text, 128);
    pSearch->text = text;
    return FALSE;
}

// The text of the program's visible pop-up, waiting for it up to the limit; empty when none shows.
std::wstring WaitForPopupText(DWORD dwProcessId, DWORD dwLimit)
{
    const DWORD dwStart = ::GetTickCount();
    do
    {
        PopupSearch search = {dwProcessId, L""};
        ::EnumWindows(FindPopup, reinterpret_cast<LPARAM>(&search));
        if (!search.text.empty())
            return search.text;
        ::Sleep(100);
    } while (::GetTickCount() - dwStart < dwLimit);
    return L"";
}

class UpdateFileAtStartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(KeystriderDataFolder().empty());
        ClearKeystriderDataFolder();
    }
    void TearDown() override
    {
        m_program.Terminate();
        ClearKeystriderDataFolder();
    }

    ChildProcess m_program;
};
} // namespace

TEST_F(UpdateFileAtStartTest, ANewerVersionInTheDataFolderIsAnnouncedAtStart)
{
    PutUpdateFile("1.7");
    ASSERT_TRUE(m_program.Start(TestBinPath(L"Keystrider.exe"), L""));
    EXPECT_EQ(L"New Version", WaitForPopupText(m_program.Id(), kProgramStartTimeoutMs));
}

TEST_F(UpdateFileAtStartTest, TheProgramsOwnVersionShowsNothing)
{
    PutUpdateFile("1.6");
    ASSERT_TRUE(m_program.Start(TestBinPath(L"Keystrider.exe"), L""));
    // Started and idle once its main window carries its property; then no pop-up may come.
    const DWORD dwStart = ::GetTickCount();
    while (::FindWindowW(nullptr, L"Keystrider") == nullptr &&
           ::GetTickCount() - dwStart < kProgramStartTimeoutMs)
        ::Sleep(100);
    EXPECT_EQ(L"", WaitForPopupText(m_program.Id(), 2000));
}

// 230 KB: one entity of 50,000 characters, referenced 60,000 times, is 3 billion characters to a DOM
// that expands it; read on the user-interface thread before the message loop, it would keep the
// window from answering for many minutes.
TEST_F(UpdateFileAtStartTest, AFileWhoseDocumentTypeExpandsToGigabytesDoesNotHoldTheStartUp)
{
    std::string text = "<?xml version=\"1.0\"?><!DOCTYPE XML_DIZ_INFO [<!ENTITY e \"" +
                       std::string(50000, 'x') +
                       "\">]><XML_DIZ_INFO><Program_Info><Program_Version>1.6</Program_Version>"
                       "<Program_Change_Info>";
    for (int i = 0; i < 60000; ++i)
        text += "&e;";
    text += "</Program_Change_Info></Program_Info></XML_DIZ_INFO>";
    PutUpdateFileText(text);
    ASSERT_TRUE(m_program.Start(TestBinPath(L"Keystrider.exe"), L""));

    HWND hWnd = nullptr;
    const DWORD dwStart = ::GetTickCount();
    while ((hWnd = FindKeystriderWindow()) == nullptr && ::GetTickCount() - dwStart < kProgramStartTimeoutMs)
        ::Sleep(100);
    ASSERT_NE(nullptr, hWnd);
    // The window exists before the file is read; it answers once the start-up has ended.
    DWORD_PTR dwResult = 0;
    EXPECT_NE(0, ::SendMessageTimeoutW(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, kProgramStartTimeoutMs, &dwResult));
}
