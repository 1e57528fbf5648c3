// Keystrider.exe itself under Wine: the data folder and configuration file of a first start, a
// second start that brings the first window forward, Exit from the tray menu's command, and a start
// hidden in the tray. Each test starts from an empty data folder; keystrider_remote drives the
// program from another process, as a user would.
#include "engine/ShortCutConfig.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <string>

namespace
{
const DWORD kStartTimeoutMs = 20000;
const DWORD kExitTimeoutMs = 15000;
const UINT kTrayExit = 32890;

std::wstring DataFolder()
{
    wchar_t path[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathW(nullptr, path, CSIDL_LOCAL_APPDATA, FALSE))
        return L"";
    return std::wstring(path) + L"\\Keystrider";
}

std::wstring ConfigFile()
{
    return DataFolder() + L"\\Keystrider.ini";
}

void ClearDataFolder()
{
    const std::wstring folder = DataFolder();
    ::DeleteFileW((folder + L"\\Keystrider.ini").c_str());
    ::DeleteFileW((folder + L"\\pad_keystrider.xml").c_str());
    ::RemoveDirectoryW(folder.c_str());
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The configuration file's text after its byte-order mark (UTF-16LE).
std::wstring ReadConfigText(const std::wstring& path)
{
    const std::string bytes = ReadBytes(path);
    std::wstring text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
    return text;
}

// Runs keystrider_remote with the arguments and returns its exit code (-1 when it did not end).
int Remote(const std::wstring& args)
{
    ChildProcess remote;
    if (!remote.Start(TestBinPath(L"keystrider_remote.exe"), args))
        return -1;
    if (!remote.WaitForExit(kStartTimeoutMs + 5000))
        return -1;
    return static_cast<int>(remote.ExitCode());
}

// Waits until the main window's visibility is the expected one ("visible" exit code 0 or 2).
bool WaitForVisibility(int expected, DWORD timeoutMs = 10000)
{
    const DWORD start = ::GetTickCount();
    while (Remote(L"visible") != expected)
    {
        if (::GetTickCount() - start >= timeoutMs)
            return false;
        ::Sleep(50);
    }
    return true;
}

class KeystriderProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(DataFolder().empty());
        ClearDataFolder();
        ASSERT_FALSE(Exists(ConfigFile()));
    }
    void TearDown() override
    {
        m_program.Terminate();
        ClearDataFolder();
    }
    void StartProgram()
    {
        ASSERT_TRUE(m_program.Start(TestBinPath(L"Keystrider.exe"), L""));
        ASSERT_EQ(Remote(L"find --wait " + std::to_wstring(kStartTimeoutMs)), 0) << "no main window";
    }
    void ExitProgram()
    {
        ASSERT_EQ(Remote(L"command " + std::to_wstring(kTrayExit)), 0);
        ASSERT_TRUE(m_program.WaitForExit(kExitTimeoutMs)) << "Exit did not end the program";
    }

    ChildProcess m_program;
};
} // namespace

// Writes a configuration file with the defaults except "Hide to tray when start".
void WriteHideToTray(int value)
{
    CShortCutConfig store; // creates the data folder and reads the (missing) file
    store.m_nGeneralHideToTray = value;
    store.WriteConfig(nullptr);
}

TEST_F(KeystriderProgramTest, FirstStartSitsInTheTrayAndExitWritesTheDefaultConfiguration)
{
    // "Hide to tray when start" is on by default: the window is created but never seen.
    StartProgram();
    EXPECT_TRUE(Exists(DataFolder()));
    for (int i = 0; i < 10; ++i)
    {
        EXPECT_EQ(Remote(L"visible"), 2) << "seen after " << i * 100 << " ms";
        ::Sleep(100);
    }
    // The tray's "Show Window" brings it up.
    ASSERT_EQ(Remote(L"command 32888"), 0);
    EXPECT_TRUE(WaitForVisibility(0));
    ExitProgram();

    ASSERT_TRUE(Exists(ConfigFile()));
    const std::string bytes = ReadBytes(ConfigFile());
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFE);
    const std::wstring text = ReadConfigText(ConfigFile());
    EXPECT_NE(text.find(L"[General]"), std::wstring::npos);
    EXPECT_NE(text.find(L"[Short Cut]"), std::wstring::npos);
    EXPECT_NE(text.find(L"GeneralHideToTray = 1"), std::wstring::npos);
    EXPECT_EQ(Remote(L"find"), 1); // no window is left
}

TEST_F(KeystriderProgramTest, WithoutHideToTrayTheWindowIsShownAtStart)
{
    WriteHideToTray(0);
    StartProgram();
    EXPECT_TRUE(WaitForVisibility(0));
    ExitProgram();
    EXPECT_NE(ReadConfigText(ConfigFile()).find(L"GeneralHideToTray = 0"), std::wstring::npos);
}

TEST_F(KeystriderProgramTest, SecondStartShowsTheHiddenFirstWindowAndEnds)
{
    StartProgram();
    ASSERT_TRUE(WaitForVisibility(2));

    ChildProcess second;
    ASSERT_TRUE(second.Start(TestBinPath(L"Keystrider.exe"), L""));
    ASSERT_TRUE(second.WaitForExit(kExitTimeoutMs)) << "the second instance kept running";
    EXPECT_TRUE(WaitForVisibility(0, 3000));
    EXPECT_TRUE(m_program.IsRunning());
    ExitProgram();
}

namespace
{
const wchar_t kAppKey[] = L"Software\\Velmo Software\\Keystrider";
const wchar_t kSettingsKey[] = L"Software\\Velmo Software\\Keystrider\\Settings";

DWORD ReadDword(const wchar_t* key, const wchar_t* name, DWORD fallback)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return fallback;
    return value;
}

void WriteDword(const wchar_t* key, const wchar_t* name, DWORD value)
{
    ::RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_DWORD, &value, sizeof(value));
}
} // namespace

TEST_F(KeystriderProgramTest, StoredFrameworkStateOfAnotherVersionIsDiscarded)
{
    WriteDword(kSettingsKey, L"Configuration Ver", 1);
    WriteDword(kAppKey, L"Stale", 7);
    WriteHideToTray(0);
    StartProgram();
    EXPECT_TRUE(WaitForVisibility(0));
    ExitProgram();
    EXPECT_EQ(ReadDword(kAppKey, L"Stale", 0xFFFFFFFF), 0xFFFFFFFFu);
    EXPECT_EQ(ReadDword(kSettingsKey, L"Configuration Ver", 0), 2u);

    // The current version keeps what is stored.
    WriteDword(kAppKey, L"Kept", 5);
    StartProgram();
    EXPECT_TRUE(WaitForVisibility(0));
    ExitProgram();
    EXPECT_EQ(ReadDword(kAppKey, L"Kept", 0), 5u);
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kAppKey, L"Kept");
}

namespace
{
HWND MainWindow()
{
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        if (::GetPropW(hWnd, L"Keystrider") != nullptr)
            return hWnd;
    return nullptr;
}
} // namespace

TEST_F(KeystriderProgramTest, DraggingTheCaptionMovesTheWindow)
{
    WriteHideToTray(0);
    StartProgram();
    ASSERT_TRUE(WaitForVisibility(0));
    HWND hWnd = MainWindow();
    ASSERT_NE(hWnd, nullptr);
    ::Sleep(500);
    RECT before = {};
    ::GetWindowRect(hWnd, &before);
    EXPECT_EQ(before.right - before.left, 753);
    EXPECT_EQ(before.bottom - before.top, 570);
    // The caption bar is the frame's topmost pane: a point on its title, right of the icon.
    const long x = before.left + 200;
    const long y = before.top + 10;
    ASSERT_EQ(Remote(L"drag " + std::to_wstring(x) + L"," + std::to_wstring(y) + L",60,40"), 0);
    RECT after = {};
    for (int i = 0; i < 40; ++i)
    {
        ::GetWindowRect(hWnd, &after);
        if (after.left != before.left)
            break;
        ::Sleep(50);
    }
    EXPECT_EQ(after.left - before.left, 60);
    EXPECT_EQ(after.top - before.top, 40);
    EXPECT_EQ(after.right - after.left, 753);
    ExitProgram();
}
