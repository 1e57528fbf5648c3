// The options page: controls start from the stored settings, each handler sets its setting and saves
// the file or not as its rule says, and the sliders snap and save when the drag ends.
#include "tests/view/ViewFixture.h"

#include "res/resource.h"

#include <commctrl.h>

namespace
{
class OptionsTest : public ViewTest
{
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        m_pView->ShowPage(2);
    }
    bool Checked(int nID) { return ::SendMessageW(Control(nID), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    CString Text(int nID)
    {
        wchar_t szText[MAX_PATH] = {};
        ::GetWindowTextW(Control(nID), szText, MAX_PATH);
        return szText;
    }
    void Scroll(int nSliderID, int nPos, UINT nCode)
    {
        ::SendMessageW(Control(nSliderID), TBM_SETPOS, TRUE, nPos);
        m_pView->SendMessage(WM_HSCROLL, MAKEWPARAM(nCode, nPos),
                             reinterpret_cast<LPARAM>(Control(nSliderID)));
    }
    int SliderPos(int nSliderID)
    {
        return static_cast<int>(::SendMessageW(Control(nSliderID), TBM_GETPOS, 0, 0));
    }
};
} // namespace

TEST_F(OptionsTest, ControlsStartFromTheStoredSettings)
{
    CShortCutConfig& store = Store();
    EXPECT_EQ(Checked(IDC_HIDE_TO_TRAY_AT_START), store.m_nGeneralHideToTray != 0);
    EXPECT_EQ(Checked(IDC_PROMPT_NAME), store.m_nPromptNameShortcut != 0);
    EXPECT_EQ(Checked(IDC_PLAY_SOUND), store.m_nGenPlaySound != 0);
    EXPECT_EQ(Checked(IDC_PROMPT_ON_THE_HOUR), store.m_nStrikeOnHour != 0);
    EXPECT_EQ(Checked(IDC_CHECK_NEVER + store.m_nCheckNewVersion), true);
    EXPECT_EQ(SliderPos(IDC_TRANSPARENT_SLIDER), store.m_nInfoTransparent);
    EXPECT_EQ(SliderPos(IDC_TIME_SLIDER), store.m_nInfoTime);
    CString strValue;
    strValue.Format(L"%d", store.m_nInfoTime);
    EXPECT_EQ(Text(IDC_TIME_VALUE), strValue);
    EXPECT_EQ(Text(IDC_SOUND_FILE), store.m_strGenSoundAddress);
    EXPECT_EQ(Text(IDC_UPDATE_LINK), L"It's lastest!");
    EXPECT_EQ(Text(IDC_VERSION_TEXT), L"Keystrider 1.6 (64 Bit)");
    EXPECT_EQ(Text(IDC_BUILD_TIME).Left(12), L"Build Time: ");
}

TEST_F(OptionsTest, CheckBoxesSetTheirSettingAndSave)
{
    CShortCutConfig& store = Store();
    struct Row
    {
        int nID;
        int* pnSetting;
    } rows[] = {{IDC_HIDE_TO_TRAY_AT_START, &store.m_nGeneralHideToTray},
                {IDC_CLOSE_TO_TRAY, &store.m_nGeneralCloseToTray},
                {IDC_PROMPT_NAME, &store.m_nPromptNameShortcut},
                {IDC_PROMPT_ON_THE_HOUR, &store.m_nStrikeOnHour},
                {IDC_ASSIGN_DIFFERENT_SOUND, &store.m_nGenAssignASound}};
    for (const Row& row : rows)
    {
        for (int nRound = 0; nRound < 2; ++nRound)
        {
            ForgetConfigFile();
            Click(row.nID);
            EXPECT_EQ(*row.pnSetting, Checked(row.nID) ? 1 : 0) << "control " << row.nID;
            EXPECT_TRUE(Saved()) << "control " << row.nID;
        }
    }
}

TEST_F(OptionsTest, StartupWithWindowsChangesOnlyTheRunValue)
{
    CShortCutConfig& store = Store();
    const int nBefore = store.m_nGeneralLaunchStart;
    for (int nRound = 0; nRound < 2; ++nRound)
    {
        ForgetConfigFile();
        Click(IDC_STARTUP_WITH_WINDOWS);
        EXPECT_FALSE(Saved());
        EXPECT_EQ(store.m_nGeneralLaunchStart, Checked(IDC_STARTUP_WITH_WINDOWS) ? 1 : 0);
        HKEY hKey = nullptr;
        wchar_t szValue[MAX_PATH * 2] = {};
        DWORD cb = sizeof(szValue);
        LONG lResult = ERROR_FILE_NOT_FOUND;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                          KEY_READ, &hKey) == ERROR_SUCCESS)
        {
            lResult = RegQueryValueExW(hKey, L"Keystrider", nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(szValue), &cb);
            RegCloseKey(hKey);
        }
        if (store.m_nGeneralLaunchStart)
        {
            ASSERT_EQ(lResult, ERROR_SUCCESS);
            EXPECT_EQ(CString(szValue), L"\"" + store.m_strProgramPath + L"\"");
        }
        else
        {
            EXPECT_EQ(lResult, ERROR_FILE_NOT_FOUND);
        }
    }
    EXPECT_EQ(store.m_nGeneralLaunchStart, nBefore);
}

TEST_F(OptionsTest, PlaySoundGreysTheSoundControlsAndKeepsTheirSettings)
{
    CShortCutConfig& store = Store();
    if (!Checked(IDC_PLAY_SOUND))
        Click(IDC_PLAY_SOUND);
    const int nAssign = store.m_nGenAssignASound;
    ForgetConfigFile();
    Click(IDC_PLAY_SOUND);
    EXPECT_EQ(store.m_nGenPlaySound, 0);
    EXPECT_TRUE(Saved());
    EXPECT_FALSE(::IsWindowEnabled(Control(IDC_ASSIGN_DIFFERENT_SOUND)));
    EXPECT_FALSE(::IsWindowEnabled(Control(IDC_SOUND_FILE)));
    EXPECT_EQ(store.m_nGenAssignASound, nAssign);
    Click(IDC_PLAY_SOUND);
    EXPECT_EQ(store.m_nGenPlaySound, 1);
    EXPECT_TRUE(::IsWindowEnabled(Control(IDC_ASSIGN_DIFFERENT_SOUND)));
    EXPECT_TRUE(::IsWindowEnabled(Control(IDC_SOUND_FILE)));
}

TEST_F(OptionsTest, UpdateFrequencyButtonsMoveTheNextCheck)
{
    CShortCutConfig& store = Store();
    const CTime tmBefore = CTime::GetCurrentTime();
    ForgetConfigFile();
    Click(IDC_CHECK_EVERY_WEEK);
    EXPECT_EQ(store.m_nCheckNewVersion, 2);
    EXPECT_TRUE(Saved());
    const LONGLONG nAhead = (store.m_tmTimeCheckPadFile - tmBefore).GetTotalSeconds();
    EXPECT_GE(nAhead, 7 * 86400);
    EXPECT_LE(nAhead, 7 * 86400 + 60);
    Click(IDC_CHECK_EVERY_DAY);
    EXPECT_EQ(store.m_nCheckNewVersion, 1);
    EXPECT_LE((store.m_tmTimeCheckPadFile - tmBefore).GetTotalSeconds(), 86400 + 60);
    ForgetConfigFile();
    Click(IDC_CHECK_NEVER);
    EXPECT_EQ(store.m_nCheckNewVersion, 0);
    EXPECT_TRUE(Saved());
}

TEST_F(OptionsTest, SoundFileIsSavedOnlyWhenItsTextChanged)
{
    CShortCutConfig& store = Store();
    const CString strBefore = store.m_strGenSoundAddress;
    ForgetConfigFile();
    m_pView->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SOUND_FILE, EN_KILLFOCUS),
                         reinterpret_cast<LPARAM>(Control(IDC_SOUND_FILE)));
    EXPECT_FALSE(Saved());
    ::SetWindowTextW(Control(IDC_SOUND_FILE), L"ding.wav");
    m_pView->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SOUND_FILE, EN_KILLFOCUS),
                         reinterpret_cast<LPARAM>(Control(IDC_SOUND_FILE)));
    EXPECT_TRUE(Saved());
    EXPECT_EQ(store.m_strGenSoundAddress, L"ding.wav");
    ::SetWindowTextW(Control(IDC_SOUND_FILE), strBefore);
    m_pView->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SOUND_FILE, EN_KILLFOCUS),
                         reinterpret_cast<LPARAM>(Control(IDC_SOUND_FILE)));
    EXPECT_EQ(store.m_strGenSoundAddress, strBefore);
}

TEST_F(OptionsTest, SlidersSnapDownAndSaveWhenTheDragEnds)
{
    CShortCutConfig& store = Store();
    ForgetConfigFile();
    Scroll(IDC_TRANSPARENT_SLIDER, 57, SB_THUMBTRACK);
    EXPECT_EQ(SliderPos(IDC_TRANSPARENT_SLIDER), 50);
    EXPECT_EQ(store.m_nInfoTransparent, 50);
    EXPECT_EQ(Text(IDC_TRANSPARENT_VALUE), L"50");
    EXPECT_FALSE(Saved());
    Scroll(IDC_TRANSPARENT_SLIDER, 100, SB_ENDSCROLL);
    EXPECT_EQ(store.m_nInfoTransparent, 100);
    EXPECT_TRUE(Saved());

    ForgetConfigFile();
    Scroll(IDC_TIME_SLIDER, 1999, SB_THUMBPOSITION);
    EXPECT_EQ(SliderPos(IDC_TIME_SLIDER), 1750);
    EXPECT_EQ(store.m_nInfoTime, 1750);
    EXPECT_EQ(Text(IDC_TIME_VALUE), L"1750");
    EXPECT_FALSE(Saved());
    Scroll(IDC_TIME_SLIDER, 249, SB_ENDSCROLL);
    EXPECT_EQ(store.m_nInfoTime, 0);
    EXPECT_TRUE(Saved());
    Scroll(IDC_TIME_SLIDER, 1000, SB_ENDSCROLL);
    Scroll(IDC_TRANSPARENT_SLIDER, 80, SB_ENDSCROLL);
}
