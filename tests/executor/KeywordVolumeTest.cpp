// The keyword table, the shutdown flags and the volume arithmetic over the in-memory volume.
#include "engine/CommandKeywords.h"
#include "engine/CommandLine.h"
#include "tests/executor/VolumeDouble.h"

#include <gtest/gtest.h>

namespace
{
CommandKeyword KeywordOf(const wchar_t* pszCommand, CString* pRest = nullptr)
{
    CString word, rest;
    SplitCommand(pszCommand, word, rest);
    if (pRest != nullptr)
        *pRest = rest;
    return FindCommandKeyword(word);
}

struct VolumeResult
{
    int nLevel;
    BOOL bMute;
};

VolumeResult RunVolume(const wchar_t* pszCommand, BOOL bCoreAudio = TRUE)
{
    CString rest;
    CommandKeyword keyword = KeywordOf(pszCommand, &rest);
    VolumeResult result = {-1, -1};
    ChangeMasterVolume(keyword, rest, bCoreAudio, &result.nLevel, &result.bMute);
    return result;
}
} // namespace

TEST(CommandKeywords, MatchWholeWordsInAnyCaseAndSpacing)
{
    EXPECT_EQ(COMMAND_VOLUME, KeywordOf(L"  vOLUME   Up "));
    EXPECT_EQ(COMMAND_MUTE, KeywordOf(L"MUTE"));
    EXPECT_EQ(COMMAND_SHUTDOWN, KeywordOf(L"shutdown force"));
    EXPECT_EQ(COMMAND_RESTART, KeywordOf(L"'Restart'"));
    EXPECT_EQ(COMMAND_SHOW, KeywordOf(L"show Untitled - Notepad"));
    EXPECT_EQ(COMMAND_RUN, KeywordOf(L"run"));
    EXPECT_EQ(COMMAND_STOP, KeywordOf(L"\tStop"));
    EXPECT_EQ(COMMAND_EXIT, KeywordOf(L"EXIT now"));
    EXPECT_EQ(COMMAND_TOGGLE, KeywordOf(L"toggle calc.exe"));
    EXPECT_EQ(COMMAND_CLOSE, KeywordOf(L"Close Calculator"));
    // Not keywords: parts or extensions of a keyword, and a path that happens to end in one.
    EXPECT_EQ(COMMAND_OPEN, KeywordOf(L"Volumes Up"));
    EXPECT_EQ(COMMAND_OPEN, KeywordOf(L"Sho"));
    EXPECT_EQ(COMMAND_OPEN, KeywordOf(L"C:\\Stop"));
    EXPECT_EQ(COMMAND_OPEN, KeywordOf(L"notepad.exe"));
}

TEST(CommandKeywords, ShutdownAndRestartFlags)
{
    EXPECT_EQ(12u, ShutdownFlagsOf(COMMAND_SHUTDOWN, L"FORCE"));
    EXPECT_EQ(8u, ShutdownFlagsOf(COMMAND_SHUTDOWN, L""));
    EXPECT_EQ(8u, ShutdownFlagsOf(COMMAND_SHUTDOWN, L"Force now"));
    EXPECT_EQ(6u, ShutdownFlagsOf(COMMAND_RESTART, L"force"));
    EXPECT_EQ(2u, ShutdownFlagsOf(COMMAND_RESTART, L"later"));
}

TEST(MasterVolumeCommands, UpAndDownStayWithinZeroAndHundred)
{
    g_volume.Reset(0.98f, FALSE);
    EXPECT_EQ(100, RunVolume(L"Volume Up").nLevel);
    EXPECT_FLOAT_EQ(1.0f, g_volume.fLevel);

    g_volume.Reset(1.0f, FALSE);
    EXPECT_EQ(100, RunVolume(L"volume   UP").nLevel);
    EXPECT_FLOAT_EQ(1.0f, g_volume.fLevel);

    g_volume.Reset(0.03f, FALSE);
    EXPECT_EQ(0, RunVolume(L"Volume Down").nLevel);
    EXPECT_FLOAT_EQ(0.0f, g_volume.fLevel);

    g_volume.Reset(0.5f, FALSE);
    EXPECT_EQ(55, RunVolume(L"Volume Up", FALSE).nLevel);
    EXPECT_FLOAT_EQ(0.55f, g_volume.fLevel);
    EXPECT_EQ(FALSE, g_volume.bLastCoreAudio); // the view's road flag passes through
}

TEST(MasterVolumeCommands, HalvesRoundAwayFromZero)
{
    g_volume.Reset(0.125f, FALSE);
    VolumeResult r = RunVolume(L"Volume");
    EXPECT_EQ(13, r.nLevel);
    EXPECT_EQ(0, g_volume.nVolumeWrites);
}

TEST(MasterVolumeCommands, OtherRestsOnlyShowTheLevel)
{
    g_volume.Reset(0.4f, TRUE);
    VolumeResult r = RunVolume(L"Volume Upp");
    EXPECT_EQ(40, r.nLevel);
    EXPECT_EQ(TRUE, r.bMute);
    EXPECT_EQ(0, g_volume.nVolumeWrites);
    EXPECT_EQ(0, g_volume.nMuteWrites);
}

TEST(MasterVolumeCommands, MuteTogglesAndKeepsTheLevel)
{
    g_volume.Reset(0.6f, FALSE);
    VolumeResult r = RunVolume(L"Mute whatever");
    EXPECT_EQ(60, r.nLevel);
    EXPECT_EQ(TRUE, r.bMute);
    EXPECT_EQ(TRUE, g_volume.bMute);
    EXPECT_EQ(0, g_volume.nVolumeWrites);
    r = RunVolume(L"mute");
    EXPECT_EQ(FALSE, r.bMute);
}

TEST(MasterVolumeCommands, AFailedReadCountsAsZeroAndNotMuted)
{
    g_volume.Reset(0.7f, TRUE);
    g_volume.bFail = true;
    VolumeResult r = RunVolume(L"Volume Up");
    EXPECT_EQ(5, r.nLevel);
    EXPECT_FLOAT_EQ(0.05f, g_volume.fLevel);
    r = RunVolume(L"Mute");
    EXPECT_EQ(TRUE, r.bMute);
    EXPECT_EQ(0, r.nLevel);
}
