// CShortCutConfig's settings operations: the accepted (type, key) pairs, text forms, TimeCheckPadFile.
#include "engine/ShortCutConfig.h"
#include "engine/Tokenizer.h"

#include <cstdlib>

// The integer field of an accepted flag or number pair; null for every other pair.
int* CShortCutConfig::FindIntSetting(UINT nType, UINT nKey)
{
    if (nType == SETTING_TYPE_FLAG)
    {
        switch (nKey)
        {
        case SETTING_GENERAL_LAUNCH_START:
            return &m_nGeneralLaunchStart;
        case SETTING_GENERAL_HIDE_TO_TRAY:
            return &m_nGeneralHideToTray;
        case SETTING_GENERAL_CLOSE_TO_TRAY:
            return &m_nGeneralCloseToTray;
        case SETTING_STRIKE_ON_HOUR:
            return &m_nStrikeOnHour;
        case SETTING_PROMPT_NAME_SHORTCUT:
            return &m_nPromptNameShortcut;
        case SETTING_GEN_PLAY_SOUND:
            return &m_nGenPlaySound;
        case SETTING_GEN_ASSIGN_A_SOUND:
            return &m_nGenAssignASound;
        }
    }
    else if (nType == SETTING_TYPE_NUMBER)
    {
        switch (nKey)
        {
        case SETTING_INFO_TRANSPARENT:
            return &m_nInfoTransparent;
        case SETTING_INFO_TIME:
            return &m_nInfoTime;
        case SETTING_CHECK_NEW_VERSION:
            return &m_nCheckNewVersion;
        }
    }
    return nullptr;
}

// "year, month, day, hour, minute, second" in local time; out-of-range values fall back field by field.
// Years run from 2001 to 3000: a bound in the past would turn every later saved date back into 2000.
void CShortCutConfig::SetTimeCheckPadFile(const wchar_t* pszText)
{
    int nValues[6] = {};
    int nPos = 0;
    CString strPiece;
    for (int& nValue : nValues)
    {
        GetNextToken(pszText, L',', nPos, strPiece);
        strPiece.Trim();
        nValue = _wtoi(strPiece);
    }
    int nYear = nValues[0] >= 2001 && nValues[0] <= 3000 ? nValues[0] : 2000;
    int nMonth = nValues[1] >= 1 && nValues[1] <= 12 ? nValues[1] : 1;
    int nDay = nValues[2] >= 1 && nValues[2] <= 31 ? nValues[2] : 1;
    int nHour = nValues[3] >= 0 && nValues[3] <= 23 ? nValues[3] : 0;
    int nMinute = nValues[4] >= 0 && nValues[4] <= 59 ? nValues[4] : 0;
    int nSecond = nValues[5] >= 0 && nValues[5] <= 59 ? nValues[5] : 0;
    CTime tm(nYear, nMonth, nDay, nHour, nMinute, nSecond, -1);
    // The runtime's calendar ends with 3000 in UTC: a local time just past it falls back to 2000 too.
    if (tm.GetTime() == -1)
        tm = CTime(2000, nMonth, nDay, nHour, nMinute, nSecond, -1);
    m_tmTimeCheckPadFile = tm;
}

int CShortCutConfig::SetSetting(UINT nType, UINT nKey, const void* pValue)
{
    if (pValue == nullptr)
        return 0;
    if (int* pField = FindIntSetting(nType, nKey))
    {
        *pField = *static_cast<const int*>(pValue);
        return 1;
    }
    if (nType != SETTING_TYPE_TEXT)
        return 0;
    const wchar_t* pszText = static_cast<const wchar_t*>(pValue);
    if (nKey == SETTING_TIME_CHECK_PAD_FILE)
    {
        SetTimeCheckPadFile(pszText);
        return 1;
    }
    if (nKey == SETTING_GEN_SOUND_ADDRESS)
    {
        m_strGenSoundAddress = pszText;
        return 1;
    }
    return 0;
}

int CShortCutConfig::SetSettingText(UINT nType, UINT nKey, const wchar_t* pszText)
{
    if (nType == SETTING_TYPE_FLAG || nType == SETTING_TYPE_NUMBER)
    {
        int nValue = pszText != nullptr ? _wtoi(pszText) : 0;
        SetSetting(nType, nKey, &nValue);
        return 1;
    }
    if (nType == SETTING_TYPE_TEXT)
    {
        SetSetting(nType, nKey, pszText);
        return 1;
    }
    return 0;
}

int CShortCutConfig::GetSetting(UINT nType, UINT nKey, void* pResult)
{
    if (pResult == nullptr)
        return 0;
    if (int* pField = FindIntSetting(nType, nKey))
    {
        *static_cast<int*>(pResult) = *pField;
        return 1;
    }
    if (nType != SETTING_TYPE_TEXT)
        return 0;
    if (nKey == SETTING_TIME_CHECK_PAD_FILE)
    {
        m_strTimeText = m_tmTimeCheckPadFile.Format(L"%Y, %m, %d, %H, %M, %S");
        *static_cast<const wchar_t**>(pResult) = m_strTimeText;
        return 1;
    }
    if (nKey == SETTING_GEN_SOUND_ADDRESS)
    {
        *static_cast<const wchar_t**>(pResult) = m_strGenSoundAddress;
        return 1;
    }
    return 0;
}

CString CShortCutConfig::GetSettingText(UINT nType, UINT nKey)
{
    CString strText;
    if (nType == SETTING_TYPE_FLAG || nType == SETTING_TYPE_NUMBER)
    {
        int nValue = 0;
        if (GetSetting(nType, nKey, &nValue))
            strText.Format(L"%d", nValue);
    }
    else if (nType == SETTING_TYPE_TEXT)
    {
        const wchar_t* pszText = nullptr;
        if (GetSetting(nType, nKey, &pszText) && pszText != nullptr)
            strText = pszText;
    }
    return strText;
}
