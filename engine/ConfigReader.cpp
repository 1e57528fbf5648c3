// CShortCutConfig's configuration reader: ReadConfig and the tolerant line parser ParseConfig.
#include "engine/ShortCutConfig.h"
#include "engine/TextFile.h"

#include <cstdlib>
#include <cwchar>
#include <cwctype>
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

// A piece of the file's text, [b, e), read in place: a file of ten thousand shortcuts is parsed without
// a copy per line or per piece. The pieces are those GetNextToken gives, trimmed as CString::Trim does.
struct Span
{
    const wchar_t* b;
    const wchar_t* e;

    size_t Length() const { return static_cast<size_t>(e - b); }
    bool IsEmpty() const { return b == e; }
    Span Trimmed() const
    {
        Span s = *this;
        while (s.b < s.e && iswspace(*s.b))
            ++s.b;
        while (s.e > s.b && iswspace(s.e[-1]))
            --s.e;
        return s;
    }
    // The first ch, or e when there is none.
    const wchar_t* Find(wchar_t ch) const
    {
        const wchar_t* p = b;
        while (p < e && *p != ch)
            ++p;
        return p;
    }
    bool EqualsNoCase(const wchar_t* psz) const
    {
        size_t n = wcslen(psz);
        return n == Length() && _wcsnicmp(b, psz, n) == 0;
    }
    CString ToString() const { return CString(b, static_cast<int>(Length())); }
    // A heap copy the item owns (released with free, like _wcsdup's).
    wchar_t* Dup() const
    {
        wchar_t* p = static_cast<wchar_t*>(malloc((Length() + 1) * sizeof(wchar_t)));
        if (p != nullptr)
        {
            wmemcpy(p, b, Length());
            p[Length()] = L'\0';
        }
        return p;
    }
    int ToInt() const
    {
        wchar_t szNumber[64] = {};
        if (Length() < sizeof(szNumber) / sizeof(szNumber[0]))
        {
            wmemcpy(szNumber, b, Length());
            return _wtoi(szNumber);
        }
        return _wtoi(ToString());
    }
};

// Splits a line at its first separator: the piece before it, and the rest behind it (null rest when the
// line has no such separator, as GetNextToken leaves its position used up).
struct Split
{
    Span piece;
    Span rest;
    bool bFound;
};

Split SplitAt(Span line, wchar_t ch)
{
    const wchar_t* p = line.Find(ch);
    if (p == line.e)
        return {line, {line.e, line.e}, false};
    return {{line.b, p}, {p + 1, line.e}, true};
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
    const wchar_t* pszLine = pszText;
    for (bool bMore = *pszText != L'\0'; bMore;)
    {
        const wchar_t* pszBreak = wcschr(pszLine, L'\n');
        bMore = pszBreak != nullptr;
        Span line = Span{pszLine, bMore ? pszBreak : pszLine + wcslen(pszLine)}.Trimmed();
        if (bMore)
            pszLine = pszBreak + 1;
        if (line.IsEmpty())
            continue;

        if (line.b[0] == L'[' && line.e[-1] == L']' && line.Length() >= 2)
        {
            Span name = Span{line.b + 1, line.e - 1}.Trimmed();
            if (name.EqualsNoCase(L"General"))
                section = Section::General;
            else if (name.EqualsNoCase(L"Short Cut"))
                section = Section::ShortCut;
            else if (name.EqualsNoCase(L"Sound"))
                section = Section::Sound;
            else
                section = Section::None;
            if (section == Section::ShortCut || section == Section::Sound)
                m_bShortCutSectionRead = 1;
            continue;
        }

        Split key = SplitAt(line, L'=');
        Span keyName = key.piece.Trimmed();

        if (section == Section::General)
        {
            for (const SettingEntry& row : g_SettingTable)
            {
                if (!keyName.EqualsNoCase(row.pszName))
                    continue;
                // The value ends at the next "=", or with the line.
                Span value = SplitAt(key.rest, L'=').piece.Trimmed();
                SetSettingText(static_cast<UINT>(row.nType), static_cast<UINT>(row.nKey), value.ToString());
                break;
            }
        }
        else if (section == Section::ShortCut)
        {
            if (keyName.IsEmpty())
                continue;
            // Name = key text , command (a comma inside the command belongs to it).
            Split hotKey = SplitAt(key.rest, L',');
            Span keyText = hotKey.piece.Trimmed();
            ShortCutItem* pItem = new ShortCutItem;
            pItem->m_pszName = keyName.Dup();
            pItem->ParseHotKey(keyText.b, keyText.Length());
            pItem->m_pszCommand = hotKey.rest.Trimmed().Dup();
            m_ShortCutList.push_back(pItem);
            items.push_back(pItem);
        }
        else if (section == Section::Sound)
        {
            int n = keyName.ToInt();
            if (n < 1 || static_cast<size_t>(n) > items.size())
                continue;
            ShortCutItem* pItem = items[static_cast<size_t>(n) - 1];
            // Number = flag , sound file: only "FALSE" clears the flag.
            Split flag = SplitAt(key.rest, L',');
            pItem->SetPlaySound(flag.piece.Trimmed().EqualsNoCase(L"FALSE") ? 0 : 1);
            free(pItem->m_pszSoundFile);
            pItem->m_pszSoundFile = flag.rest.Trimmed().Dup();
        }
    }
}
