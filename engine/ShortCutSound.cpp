// The sound a fired shortcut plays: which file (the sound-file rule) and playing it.
#include "engine/ShortCutSound.h"

#include <mmsystem.h>

namespace
{
PlaySoundFunc g_pfnPlaySound = PlaySoundW;

// Quotes and white space are trimmed together, so that blanks around a quoted name, or a text of
// nothing but quotes and blanks, count the same as the bare name or an empty text.
void TrimQuotesAndBlanks(CString& strText)
{
    strText.Trim(L"\" \t\r\n\v\f");
}
} // namespace

PlaySoundFunc SetPlaySoundFunc(PlaySoundFunc pfn)
{
    PlaySoundFunc pfnPrevious = g_pfnPlaySound;
    g_pfnPlaySound = pfn != nullptr ? pfn : PlaySoundW;
    return pfnPrevious;
}

CString GetShortCutSoundFile(CShortCutConfig& store, const ShortCutItem& item)
{
    CString strFile;
    if (store.m_nGenPlaySound == 0 || item.GetPlaySound() == 0)
        return strFile;
    if (store.m_nGenAssignASound != 0)
    {
        strFile = item.GetSoundFile();
        TrimQuotesAndBlanks(strFile);
    }
    if (strFile.IsEmpty())
        strFile = store.m_strGenSoundAddress;
    TrimQuotesAndBlanks(strFile);
    if (strFile.IsEmpty())
        return strFile;
    // A text with a separator anywhere is used as it stands (a relative one against the current folder).
    if (strFile.FindOneOf(L"/\\") < 0)
        strFile = store.m_strExeFolder + strFile;
    return strFile;
}

void PlayShortCutSoundFile(const CString& strFile, HMODULE hModule)
{
    if (strFile.IsEmpty())
        return;
    g_pfnPlaySound(strFile, hModule, SND_FILENAME | SND_ASYNC);
}
