// ShortCutItem: one shortcut (name, command, key combination, sound), its hotkey text, and the list.
#include "engine/ShortCutItem.h"
#include "engine/KeyNames.h"

#include <cstdlib>
#include <cwchar>
#include <cwctype>

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
    ParseHotKey(pszText, pszText != nullptr ? wcslen(pszText) : 0);
}

// The pieces between "+" signs, as GetNextTokenAny with the set "+" gives them (a piece of one
// character before a "+" reads empty), each trimmed of white space. Names are short: a piece too long
// for any name is an unknown name.
void ShortCutItem::ParseHotKey(const wchar_t* pszText, size_t nLength)
{
    m_wModifiers = 0;
    m_wVirtualKey = 0;
    m_wWinKey = 0;
    if (pszText == nullptr || nLength == 0)
        return;

    size_t nPiece = 0;
    while (nPiece <= nLength)
    {
        size_t nSep = nPiece;
        while (nSep < nLength && pszText[nSep] != L'+')
            ++nSep;
        const wchar_t* b = pszText + nPiece;
        const wchar_t* e = pszText + nSep;
        if (nSep < nLength && nSep - nPiece == 1)
            e = b;
        nPiece = nSep + 1;

        while (b < e && iswspace(*b))
            ++b;
        while (e > b && iswspace(e[-1]))
            --e;
        if (b == e)
            continue;
        wchar_t szName[16] = {};
        size_t n = static_cast<size_t>(e - b);
        if (n < sizeof(szName) / sizeof(szName[0]))
            wmemcpy(szName, b, n);

        int nFlag = ModifierNameToFlag(szName);
        if (nFlag != 0)
        {
            m_wModifiers |= static_cast<WORD>(nFlag);
            continue;
        }
        // A later key replaces an earlier one; an unknown name clears it.
        WORD nKey = KeyNameToVirtualKey(szName);
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
    wchar_t szText[HOTKEY_TEXT_SIZE];
    size_t n = FormatHotKey(szText);
    return CString(szText, static_cast<int>(n));
}

// At most "Win + Shift + Ctrl + Alt + ScrollLock": built in place, without allocations.
size_t ShortCutItem::FormatHotKey(wchar_t (&szText)[HOTKEY_TEXT_SIZE]) const
{
    size_t n = 0;
    auto append = [&szText, &n](const wchar_t* pszPart)
    {
        if (n > 0)
        {
            for (const wchar_t* p = L" + "; *p != L'\0'; ++p)
                szText[n++] = *p;
        }
        for (; *pszPart != L'\0' && n < HOTKEY_TEXT_SIZE - 1; ++pszPart)
            szText[n++] = *pszPart;
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
    {
        wchar_t szKey[8];
        append(VirtualKeyToKeyName(m_wVirtualKey, szKey));
    }
    szText[n] = L'\0';
    return n;
}

void FreeShortCutList(ShortCutList& list)
{
    for (ShortCutItem* pItem : list)
        delete pItem;
    list.clear();
}
