// Keystrider.exe itself under Wine: the data folder and configuration file of a first start, a
// second start that brings the first window forward, Exit from the tray menu's command, and a start
// hidden in the tray; the program file and the default sound beside it. Each test starts from an empty data
// folder; keystrider_remote drives the program from another process, as a user would.
#include "engine/ShortCutConfig.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/KeystriderProgram.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace
{
// The configuration file's text after its byte-order mark (UTF-16LE).
std::wstring ReadConfigText(const std::wstring& path)
{
    const std::string bytes = ReadBytes(path.c_str());
    std::wstring text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
    return text;
}

// Waits until the main window's visibility is the expected one ("visible" exit code 0 or 2).
bool WaitForVisibility(int expected, DWORD timeoutMs = 10000)
{
    const DWORD start = ::GetTickCount();
    while (RunRemote(L"visible") != expected)
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
        ASSERT_FALSE(KeystriderDataFolder().empty());
        ClearKeystriderDataFolder();
        ASSERT_FALSE(FileExists(KeystriderConfigFile()));
    }
    void TearDown() override
    {
        m_program.Terminate();
        ClearKeystriderDataFolder();
    }
    void StartProgram()
    {
        ASSERT_TRUE(m_program.Start(TestBinPath(L"Keystrider.exe"), L""));
        ASSERT_EQ(RunRemote(L"find --wait " + std::to_wstring(kProgramStartTimeoutMs)), 0)
            << "no main window";
    }
    void ExitProgram()
    {
        ASSERT_EQ(RunRemote(L"command " + std::to_wstring(kTrayCommandExit)), 0);
        ASSERT_TRUE(m_program.WaitForExit(kProgramExitTimeoutMs)) << "Exit did not end the program";
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

TEST(KeystriderProgramFileTest, TheProgramCarriesNoDebugInformation)
{
    // With its debug information the program is twelve times as large, and Wine loads it all.
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ASSERT_TRUE(::GetFileAttributesExW(TestBinPath(L"Keystrider.exe").c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeHigh, 0u);
    EXPECT_LE(data.nFileSizeLow, 1024u * 1024u);
}

TEST(KeystriderProgramFileTest, TheDefaultSoundLiesBesideTheProgramAsAShortPcmWave)
{
    // Every shortcut plays "tick.wav" from the program's folder by default; a missing file would make
    // the system play its alert sound at every hotkey instead.
    const std::string bytes = ReadBytes(TestBinPath(L"tick.wav").c_str());
    ASSERT_GE(bytes.size(), 44u) << "no tick.wav beside the program";
    EXPECT_LE(bytes.size(), 16u * 1024u);
    // Little-endian fields, as the processor reads them.
    auto u32 = [&bytes](size_t at)
    {
        uint32_t n = 0;
        if (at + 4 <= bytes.size())
            memcpy(&n, bytes.data() + at, 4);
        return n;
    };
    auto u16 = [&u32](size_t at) { return static_cast<uint16_t>(u32(at) & 0xFFFF); };
    ASSERT_EQ(bytes.compare(0, 4, "RIFF"), 0);
    EXPECT_EQ(u32(4), bytes.size() - 8);
    ASSERT_EQ(bytes.compare(8, 4, "WAVE"), 0);

    // The chunks, each of its stated size (padded to an even one), up to the file's end.
    uint16_t nFormat = 0, nChannels = 0, nBlockAlign = 0, nBits = 0;
    uint32_t nRate = 0, nByteRate = 0, nData = 0;
    size_t at = 12;
    while (at + 8 <= bytes.size())
    {
        const std::string id = bytes.substr(at, 4);
        const uint32_t nSize = u32(at + 4);
        ASSERT_LE(at + 8 + nSize, bytes.size()) << id << " runs past the end";
        if (id == "fmt ")
        {
            ASSERT_GE(nSize, 16u);
            nFormat = u16(at + 8);
            nChannels = u16(at + 10);
            nRate = u32(at + 12);
            nByteRate = u32(at + 16);
            nBlockAlign = u16(at + 20);
            nBits = u16(at + 22);
        }
        else if (id == "data")
        {
            nData = nSize;
        }
        at += 8 + nSize + (nSize & 1);
    }
    EXPECT_EQ(at, bytes.size());
    EXPECT_EQ(nFormat, WAVE_FORMAT_PCM);
    EXPECT_TRUE(nChannels == 1 || nChannels == 2);
    EXPECT_TRUE(nBits == 8 || nBits == 16);
    EXPECT_EQ(nBlockAlign, nChannels * nBits / 8);
    ASSERT_GE(nRate, 8000u);
    EXPECT_EQ(nByteRate, nRate * nBlockAlign);
    ASSERT_GT(nBlockAlign, 0u);
    EXPECT_EQ(nData % nBlockAlign, 0u);
    // A click: a few tens of milliseconds.
    const double dMilliseconds = 1000.0 * nData / nByteRate;
    EXPECT_GE(dMilliseconds, 10.0);
    EXPECT_LE(dMilliseconds, 100.0);
}

TEST_F(KeystriderProgramTest, FirstStartSitsInTheTrayAndExitWritesTheDefaultConfiguration)
{
    // "Hide to tray when start" is on by default: the window is created but never seen.
    StartProgram();
    EXPECT_TRUE(FileExists(KeystriderDataFolder()));
    for (int i = 0; i < 10; ++i)
    {
        EXPECT_EQ(RunRemote(L"visible"), 2) << "seen after " << i * 100 << " ms";
        ::Sleep(100);
    }
    // The tray's "Show Window" brings it up.
    ASSERT_EQ(RunRemote(L"command 32888"), 0);
    EXPECT_TRUE(WaitForVisibility(0));
    ExitProgram();

    ASSERT_TRUE(FileExists(KeystriderConfigFile()));
    const std::string bytes = ReadBytes(KeystriderConfigFile().c_str());
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFE);
    const std::wstring text = ReadConfigText(KeystriderConfigFile());
    EXPECT_NE(text.find(L"[General]"), std::wstring::npos);
    EXPECT_NE(text.find(L"[Short Cut]"), std::wstring::npos);
    EXPECT_NE(text.find(L"GeneralHideToTray = 1"), std::wstring::npos);
    EXPECT_EQ(RunRemote(L"find"), 1); // no window is left
}

TEST_F(KeystriderProgramTest, WithoutHideToTrayTheWindowIsShownAtStart)
{
    WriteHideToTray(0);
    StartProgram();
    EXPECT_TRUE(WaitForVisibility(0));
    ExitProgram();
    EXPECT_NE(ReadConfigText(KeystriderConfigFile()).find(L"GeneralHideToTray = 0"), std::wstring::npos);
}

TEST_F(KeystriderProgramTest, SecondStartShowsTheHiddenFirstWindowAndEnds)
{
    StartProgram();
    ASSERT_TRUE(WaitForVisibility(2));

    // The second process leaves the configuration file alone: it belongs to the first instance.
    const FILETIME ftOld = {0x12345000, 0x01C0A000};
    HANDLE hFile = ::CreateFileW(KeystriderConfigFile().c_str(), FILE_WRITE_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(::SetFileTime(hFile, nullptr, nullptr, &ftOld));
    ::CloseHandle(hFile);

    ChildProcess second;
    ASSERT_TRUE(second.Start(TestBinPath(L"Keystrider.exe"), L""));
    ASSERT_TRUE(second.WaitForExit(kProgramExitTimeoutMs)) << "the second instance kept running";
    EXPECT_TRUE(WaitForVisibility(0, 3000));
    EXPECT_TRUE(m_program.IsRunning());
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ASSERT_TRUE(::GetFileAttributesExW(KeystriderConfigFile().c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.ftLastWriteTime.dwLowDateTime, ftOld.dwLowDateTime);
    EXPECT_EQ(data.ftLastWriteTime.dwHighDateTime, ftOld.dwHighDateTime);
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

TEST_F(KeystriderProgramTest, DraggingTheCaptionMovesTheWindow)
{
    WriteHideToTray(0);
    StartProgram();
    ASSERT_TRUE(WaitForVisibility(0));
    HWND hWnd = FindKeystriderWindow();
    ASSERT_NE(hWnd, nullptr);
    ::Sleep(500);
    RECT before = {};
    ::GetWindowRect(hWnd, &before);
    EXPECT_EQ(before.right - before.left, 753);
    EXPECT_EQ(before.bottom - before.top, 570);
    // The caption bar is the frame's topmost pane: a point on its title, right of the icon.
    const long x = before.left + 200;
    const long y = before.top + 10;
    ASSERT_EQ(RunRemote(L"drag " + std::to_wstring(x) + L"," + std::to_wstring(y) + L",60,40"), 0);
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

namespace
{
// The check state of a button of the main window's form, found by its id among all descendants.
int ButtonCheck(HWND hMain, int nID)
{
    struct Search
    {
        int nID;
        HWND hFound;
    } search = {nID, nullptr};
    ::EnumChildWindows(
        hMain,
        [](HWND hWnd, LPARAM lParam) -> BOOL
        {
            auto* pSearch = reinterpret_cast<Search*>(lParam);
            if (::GetDlgCtrlID(hWnd) != pSearch->nID)
                return TRUE;
            pSearch->hFound = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hFound != nullptr ? static_cast<int>(::SendMessageW(search.hFound, BM_GETCHECK, 0, 0)) : -1;
}
} // namespace

TEST_F(KeystriderProgramTest, AnUpdateFrequencyItDoesNotKnowStartsAsNever)
{
    {
        CShortCutConfig store;
        store.m_nCheckNewVersion = 7; // as a hand-edited file may have it
        store.WriteConfig(nullptr);
    }
    StartProgram();
    HWND hWnd = FindKeystriderWindow();
    ASSERT_NE(hWnd, nullptr);
    // The window exists before the view's initial update has set its controls.
    const DWORD start = ::GetTickCount();
    while (ButtonCheck(hWnd, 1028) != BST_CHECKED && ButtonCheck(hWnd, 1029) != BST_CHECKED &&
           ButtonCheck(hWnd, 1030) != BST_CHECKED && ::GetTickCount() - start < 5000)
        ::Sleep(100);
    EXPECT_EQ(ButtonCheck(hWnd, 1028), BST_CHECKED) << "Never";
    EXPECT_EQ(ButtonCheck(hWnd, 1029), BST_UNCHECKED) << "Every Day";
    EXPECT_EQ(ButtonCheck(hWnd, 1030), BST_UNCHECKED) << "Every Week";
    ExitProgram();
}
