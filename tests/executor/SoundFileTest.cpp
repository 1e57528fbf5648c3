// Which sound a fired shortcut plays, observed through the PlaySoundW seam.
#include "engine/ShortCutSound.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <vector>

namespace
{
struct PlayedSound
{
    std::wstring strFile;
    HMODULE hModule;
    DWORD fdwSound;
};
std::vector<PlayedSound> g_played;

BOOL WINAPI RecordPlaySound(LPCWSTR pszSound, HMODULE hModule, DWORD fdwSound)
{
    g_played.push_back({pszSound != nullptr ? pszSound : L"(null)", hModule, fdwSound});
    return TRUE;
}

BOOL WINAPI NoLocalAppData(HWND, LPWSTR, int, BOOL)
{
    return FALSE; // the store then runs on its defaults and writes nothing
}

class SoundFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pfnFolder = SetSpecialFolderPathFunc(NoLocalAppData);
        m_pfnPlay = SetPlaySoundFunc(RecordPlaySound);
        g_played.clear();
        m_pStore = new CShortCutConfig;
        m_pStore->m_strExeFolder = L"C:\\Apps\\Keystrider\\";
        m_pStore->m_nGenPlaySound = 1;
        m_pStore->m_nGenAssignASound = 0;
        m_pStore->m_strGenSoundAddress = L"tick.wav";
    }
    void TearDown() override
    {
        delete m_pStore;
        SetPlaySoundFunc(m_pfnPlay);
        SetSpecialFolderPathFunc(m_pfnFolder);
    }
    CString SoundOf(const wchar_t* pszOwn, UINT bPlay = 1)
    {
        ShortCutItem item;
        item.SetSoundFile(pszOwn);
        item.SetPlaySound(bPlay);
        return GetShortCutSoundFile(*m_pStore, item);
    }

    CShortCutConfig* m_pStore = nullptr;
    SpecialFolderPathFunc m_pfnFolder = nullptr;
    PlaySoundFunc m_pfnPlay = nullptr;
};
} // namespace

TEST_F(SoundFileTest, GeneralSoundUnlessOwnSoundsAreAssigned)
{
    EXPECT_EQ(L"C:\\Apps\\Keystrider\\tick.wav", SoundOf(L"D:\\own.wav"));
    m_pStore->m_nGenAssignASound = 1;
    EXPECT_EQ(L"D:\\own.wav", SoundOf(L"D:\\own.wav"));
    EXPECT_EQ(L"D:\\my sounds\\own.wav", SoundOf(L" \"D:\\my sounds\\own.wav\"  "));
    // Blank, or nothing but quotes and blanks: the general sound.
    EXPECT_EQ(L"C:\\Apps\\Keystrider\\tick.wav", SoundOf(nullptr));
    EXPECT_EQ(L"C:\\Apps\\Keystrider\\tick.wav", SoundOf(L" \"  \" "));
}

TEST_F(SoundFileTest, BareNamesComeFromTheProgramsFolder)
{
    m_pStore->m_strGenSoundAddress = L"\"ding.wav\"";
    EXPECT_EQ(L"C:\\Apps\\Keystrider\\ding.wav", SoundOf(nullptr));
    m_pStore->m_strGenSoundAddress = L"sounds/ding.wav"; // a separator anywhere: used unchanged
    EXPECT_EQ(L"sounds/ding.wav", SoundOf(nullptr));
    m_pStore->m_nGenAssignASound = 1;
    EXPECT_EQ(L"C:\\Apps\\Keystrider\\bell.wav", SoundOf(L"bell.wav"));
}

TEST_F(SoundFileTest, NothingPlaysWhenSoundsAreOffOrTheFileIsBlank)
{
    EXPECT_EQ(L"", SoundOf(nullptr, 0));
    m_pStore->m_nGenPlaySound = 0;
    m_pStore->m_nGenAssignASound = 1;
    EXPECT_EQ(L"", SoundOf(L"own.wav", 1));
    m_pStore->m_nGenPlaySound = 1;
    m_pStore->m_strGenSoundAddress = L"\" \"";
    EXPECT_EQ(L"", SoundOf(L""));
}

TEST_F(SoundFileTest, PlaysAsynchronouslyFromTheFileWithTheModule)
{
    ShortCutItem item;
    HMODULE hModule = GetModuleHandleW(nullptr);
    PlayShortCutSoundFile(GetShortCutSoundFile(*m_pStore, item), hModule);
    ASSERT_EQ(1u, g_played.size());
    EXPECT_EQ(L"C:\\Apps\\Keystrider\\tick.wav", g_played[0].strFile);
    EXPECT_EQ(hModule, g_played[0].hModule);
    EXPECT_EQ(static_cast<DWORD>(SND_FILENAME | SND_ASYNC), g_played[0].fdwSound);
    EXPECT_EQ(0x20001u, g_played[0].fdwSound);

    item.SetPlaySound(0);
    PlayShortCutSoundFile(GetShortCutSoundFile(*m_pStore, item), hModule);
    EXPECT_EQ(1u, g_played.size());
}
