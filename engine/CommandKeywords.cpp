// The command executor's keyword table and its volume arithmetic.
#include "engine/CommandKeywords.h"
#include "engine/Volume.h"

#include <cwchar>

namespace
{
struct KeywordEntry
{
    const wchar_t* pszWord;
    CommandKeyword keyword;
};

const KeywordEntry kKeywords[] = {
    {L"Volume", COMMAND_VOLUME},   {L"Mute", COMMAND_MUTE}, {L"ShutDown", COMMAND_SHUTDOWN},
    {L"Restart", COMMAND_RESTART}, {L"Show", COMMAND_SHOW}, {L"Run", COMMAND_RUN},
    {L"Stop", COMMAND_STOP},       {L"Exit", COMMAND_EXIT}, {L"Toggle", COMMAND_TOGGLE},
    {L"Close", COMMAND_CLOSE},
};

const int kVolumeStep = 5;
} // namespace

CommandKeyword FindCommandKeyword(const wchar_t* pszFirstWord)
{
    if (pszFirstWord == nullptr)
        return COMMAND_OPEN;
    for (const KeywordEntry& entry : kKeywords)
    {
        if (_wcsicmp(pszFirstWord, entry.pszWord) == 0)
            return entry.keyword;
    }
    return COMMAND_OPEN;
}

UINT ShutdownFlagsOf(CommandKeyword keyword, const wchar_t* pszRest)
{
    const bool bForce = pszRest != nullptr && _wcsicmp(pszRest, L"Force") == 0;
    const UINT uFlags = keyword == COMMAND_RESTART ? EWX_REBOOT : EWX_POWEROFF;
    return bForce ? (uFlags | EWX_FORCE) : uFlags;
}

void ChangeMasterVolume(CommandKeyword keyword, const wchar_t* pszRest, BOOL bCoreAudio, int* pnLevel,
                        BOOL* pbMute)
{
    BOOL bMute = 0;
    float fVolume = 0.0f;
    GetMasterVolume(&fVolume, bCoreAudio);
    GetMasterMute(&bMute, bCoreAudio);
    int nLevel = RoundToInt(fVolume * 100.0);

    const wchar_t* pszArg = pszRest != nullptr ? pszRest : L"";
    if (keyword == COMMAND_MUTE)
    {
        bMute = !bMute;
        SetMasterMute(bMute, bCoreAudio);
    }
    else if (_wcsicmp(pszArg, L"Up") == 0)
    {
        nLevel += kVolumeStep;
        if (nLevel > 100)
            nLevel = 100;
        SetMasterVolume(static_cast<float>(nLevel / 100.0), bCoreAudio);
    }
    else if (_wcsicmp(pszArg, L"Down") == 0)
    {
        nLevel -= kVolumeStep;
        if (nLevel < 0)
            nLevel = 0;
        SetMasterVolume(static_cast<float>(nLevel / 100.0), bCoreAudio);
    }
    if (pnLevel != nullptr)
        *pnLevel = nLevel;
    if (pbMute != nullptr)
        *pbMute = bMute;
}
