// ShortCutItem: one shortcut (name, command, key combination, sound), its hotkey text, and the list.
#include "engine/ShortCutItem.h"
#include "engine/KeyNames.h"
#include "engine/Tokenizer.h"

#include <cstdlib>

namespace
{
void FreeText(wchar_t*& psz)
{
    free(psz);
    psz = nullptr;
}

wchar_t* CopyText(const wchar_t* psz)
{
    return psz != nullptr ? _wcsdup(psz) : nullptr;
}
} // namespace

void ShortCutItem::Clear()
{
    FreeText(m_pszName);
    FreeText(m_pszCommand);
    FreeText(m_pszSoundFile);
    m_wModifiers = 0;
    m_wVirtualKey = 0;
    m_wWinKey = 0;
}

bool ShortCutItem::IsValid() const
{
    return m_pszName != nullptr && m_pszName[0] != L'\0';
}

bool ShortCutItem::IsRegistrable() const
{
    return IsValid() && m_wModifiers != 0;
}

void ShortCutItem::InitFromDefault(const DefaultShortCutEntry& row)
{
    Clear();
    m_nSerial = static_cast<UINT>(row.nNumber);
    m_pszName = CopyText(row.pszName);
    m_pszCommand = CopyText(row.pszCommand);
    ParseHotKey(row.pszHotKey);
}

void ShortCutItem::SetSoundFile(const wchar_t* pszFile)
{
    FreeText(m_pszSoundFile);
    m_pszSoundFile = CopyText(pszFile);
}

CString ShortCutItem::GetSoundFile() const
{
    return m_pszSoundFile != nullptr ? CString(m_pszSoundFile) : CString();
}

void ShortCutItem::ParseHotKey(const wchar_t* pszText)
{
    m_wModifiers = 0;
    m_wVirtualKey = 0;
    m_wWinKey = 0;
    if (pszText == nullptr || pszText[0] == L'\0')
        return;

    int nPos = 0;
    CString strToken;
    while (GetNextTokenAny(pszText, L"+", nPos, strToken) != 0)
    {
        strToken.Trim();
        if (strToken.IsEmpty())
            continue;
        int nFlag = ModifierNameToFlag(strToken);
        if (nFlag != 0)
        {
            m_wModifiers |= static_cast<WORD>(nFlag);
            continue;
        }
        // A later key replaces an earlier one; an unknown name clears it.
        WORD nKey = KeyNameToVirtualKey(strToken);
        if (nKey == VK_LWIN || nKey == VK_RWIN)
            m_wWinKey = nKey;
        else
            m_wVirtualKey = nKey;
    }
    if (m_wVirtualKey != 0)
        m_wModifiers |= FVIRTKEY | FNOINVERT;
    else
        m_wModifiers = 0;
}

CString ShortCutItem::FormatHotKey() const
{
    CString strText;
    auto append = [&strText](const wchar_t* pszPart)
    {
        if (!strText.IsEmpty())
            strText += L" + ";
        strText += pszPart;
    };
    if (m_wWinKey != 0)
        append(L"Win");
    if (m_wModifiers & FSHIFT)
        append(L"Shift");
    if (m_wModifiers & FCONTROL)
        append(L"Ctrl");
    if (m_wModifiers & FALT)
        append(L"Alt");
    if (m_wVirtualKey != 0)
        append(VirtualKeyToKeyName(m_wVirtualKey));
    return strText;
}

void FreeShortCutList(ShortCutList& list)
{
    for (ShortCutItem* pItem : list)
        delete pItem;
    list.clear();
}
