// CShortCutConfig's configuration reader: ReadConfig and the tolerant line parser ParseConfig.
#include "engine/ShortCutConfig.h"
#include "engine/TextFile.h"
#include "engine/Tokenizer.h"

#include <cstdlib>
#include <vector>

namespace
{
enum class Section
{
    None,
    General,
    ShortCut,
    Sound
};

wchar_t* CopyText(const CString& str)
{
    return _wcsdup(str);
}

// The rest of the line from a tokenizer position, trimmed; empty once the position is used up.
CString RestOfLine(const CString& strLine, int nPos)
{
    if (nPos < 0)
        return CString();
    CString strRest = strLine.Mid(nPos);
    strRest.Trim();
    return strRest;
}
} // namespace

void CShortCutConfig::ReadConfig(const wchar_t* pszPath)
{
    CString strPath = pszPath != nullptr ? CString(pszPath) : m_strConfigFilePath;
    if (strPath.IsEmpty())
        return;
    CTextFile file;
    if (!file.Open(strPath, TEXT_MODE_READ))
        return;
    ULONGLONG nSize = file.GetSize();
    if (nSize > 0x7FFFFFF0ull)
        return; // beyond what the text file reads in one piece
    wchar_t* pszText = nullptr;
    if (file.ReadAll(&pszText, static_cast<UINT>(nSize)) == 0 || pszText == nullptr)
        return;
    ParseConfig(pszText);
}

void CShortCutConfig::ParseConfig(const wchar_t* pszText)
{
    if (pszText == nullptr)
        return;

    // "Sound" lines refer to items by position; the list only grows here, so an index keeps each
    // lookup constant instead of a walk of the list.
    std::vector<ShortCutItem*> items(m_ShortCutList.begin(), m_ShortCutList.end());

    Section section = Section::None;
    int nLinePos = 0;
    CString strLine;
    while (GetNextToken(pszText, L'\n', nLinePos, strLine) != 0)
    {
        strLine.Trim();
        int nLength = strLine.GetLength();
        if (nLength == 0)
            continue;

        if (strLine[0] == L'[' && strLine[nLength - 1] == L']' && nLength >= 2)
        {
            CString strName = strLine.Mid(1, nLength - 2);
            strName.Trim();
            if (strName.CompareNoCase(L"General") == 0)
                section = Section::General;
            else if (strName.CompareNoCase(L"Short Cut") == 0)
                section = Section::ShortCut;
            else if (strName.CompareNoCase(L"Sound") == 0)
                section = Section::Sound;
            else
                section = Section::None;
            if (section == Section::ShortCut || section == Section::Sound)
                m_bShortCutSectionRead = 1;
            continue;
        }

        int nPos = 0;
        CString strKey;
        GetNextToken(strLine, L'=', nPos, strKey);
        strKey.Trim();

        if (section == Section::General)
        {
            for (const SettingEntry& row : g_SettingTable)
            {
                if (strKey.CompareNoCase(row.pszName) != 0)
                    continue;
                CString strValue;
                GetNextToken(strLine, L'=', nPos, strValue);
                strValue.Trim();
                SetSettingText(static_cast<UINT>(row.nType), static_cast<UINT>(row.nKey), strValue);
                break;
            }
        }
        else if (section == Section::ShortCut)
        {
            if (strKey.IsEmpty())
                continue;
            CString strHotKey;
            GetNextToken(strLine, L',', nPos, strHotKey);
            strHotKey.Trim();
            ShortCutItem* pItem = new ShortCutItem;
            pItem->m_pszName = CopyText(strKey);
            pItem->ParseHotKey(strHotKey);
            pItem->m_pszCommand = CopyText(RestOfLine(strLine, nPos));
            m_ShortCutList.push_back(pItem);
            items.push_back(pItem);
        }
        else if (section == Section::Sound)
        {
            int n = _wtoi(strKey);
            if (n < 1 || static_cast<size_t>(n) > items.size())
                continue;
            ShortCutItem* pItem = items[static_cast<size_t>(n) - 1];
            CString strFlag;
            GetNextToken(strLine, L',', nPos, strFlag);
            strFlag.Trim();
            pItem->SetPlaySound(strFlag.CompareNoCase(L"FALSE") == 0 ? 0 : 1);
            pItem->SetSoundFile(RestOfLine(strLine, nPos));
        }
    }
}
