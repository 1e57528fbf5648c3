// Key names: virtual-key codes to the names of the hotkey text and back, and the modifier names.
#include "engine/KeyNames.h"

#include <cstdio>
#include <cwchar>

namespace
{
struct NamedKey
{
    WORD nKey;
    const wchar_t* pszRead;  // the name read (any case)
    const wchar_t* pszWrite; // the name written
};

// Keys with names of two or more characters; F1 to F24 are computed.
const NamedKey g_NamedKeys[] = {
    {8, L"Back", L"Back"},
    {9, L"Tab", L"Tab"},
    {13, L"Return", L"Return"},
    {16, L"Shift", L"Shift"},
    {17, L"Control", L"Ctrl"},
    {17, L"Ctrl", L"Ctrl"},
    {18, L"ALT", L"Alt"},
    {19, L"Pause", L"Pause"},
    {27, L"Esc", L"Esc"},
    {32, L"Space", L"Space"},
    {33, L"PageUp", L"PageUp"},
    {34, L"PageDown", L"PageDown"},
    {35, L"End", L"End"},
    {36, L"Home", L"Home"},
    {37, L"Left", L"Left"},
    {38, L"Up", L"Up"},
    {39, L"Right", L"Right"},
    {40, L"Down", L"Down"},
    {45, L"Insert", L"Insert"},
    {46, L"Delete", L"Delete"},
    {47, L"Help", L"Help"},
    {91, L"Win", L"Win"},
    {145, L"ScrollLock", L"ScrollLock"},
};

// The punctuation keys: the character written first, then the shifted one that is also read.
struct PunctuationKey
{
    WORD nKey;
    wchar_t chPlain;
    wchar_t chShifted;
};

const PunctuationKey g_PunctuationKeys[] = {
    {186, L';', L':'},  {187, L'=', L'+'}, {188, L',', L'<'},  {189, L'-', L'_'},
    {190, L'.', L'>'},  {191, L'/', L'?'}, {192, L'`', L'~'},  {219, L'[', L'{'},
    {220, L'\\', L'|'}, {221, L']', L'}'}, {222, L'\'', L'"'},
};
// Key and modifier names are ASCII: they compare with ASCII case folding only.
bool EqualsNoCase(const wchar_t* a, const wchar_t* b)
{
    for (;; ++a, ++b)
    {
        wchar_t ca = (*a >= L'a' && *a <= L'z') ? static_cast<wchar_t>(*a - 32) : *a;
        wchar_t cb = (*b >= L'a' && *b <= L'z') ? static_cast<wchar_t>(*b - 32) : *b;
        if (ca != cb)
            return false;
        if (ca == L'\0')
            return true;
    }
}
} // namespace

WORD KeyNameToVirtualKey(const wchar_t* pszName)
{
    if (pszName == nullptr || pszName[0] == L'\0')
        return 0;
    for (const NamedKey& key : g_NamedKeys)
    {
        if (EqualsNoCase(pszName, key.pszRead))
            return key.nKey;
    }
    // "F1" to "F24", any case.
    if ((pszName[0] == L'F' || pszName[0] == L'f') && pszName[1] >= L'1' && pszName[1] <= L'9')
    {
        int n = pszName[1] - L'0';
        if (pszName[2] >= L'0' && pszName[2] <= L'9' && pszName[3] == L'\0')
            n = n * 10 + (pszName[2] - L'0');
        else if (pszName[2] != L'\0')
            n = 0;
        if (n >= 1 && n <= 24)
            return static_cast<WORD>(111 + n);
    }
    if (pszName[1] != L'\0')
        return 0;
    wchar_t ch = pszName[0];
    for (const PunctuationKey& key : g_PunctuationKeys)
    {
        if (ch == key.chPlain || ch == key.chShifted)
            return key.nKey;
    }
    if ((ch >= L'A' && ch <= L'Z') || (ch >= L'0' && ch <= L'9'))
        return static_cast<WORD>(ch);
    if (ch >= L'a' && ch <= L'z')
        return static_cast<WORD>(ch - 32);
    return 0;
}

const wchar_t* VirtualKeyToKeyName(UINT nKey, wchar_t (&szBuffer)[8])
{
    szBuffer[0] = L'\0';
    if (nKey == 92)
        return L"Win";
    for (const NamedKey& key : g_NamedKeys)
    {
        if (key.nKey == nKey)
            return key.pszWrite;
    }
    if ((nKey >= '0' && nKey <= '9') || (nKey >= 'A' && nKey <= 'Z'))
    {
        szBuffer[0] = static_cast<wchar_t>(nKey);
        szBuffer[1] = L'\0';
    }
    else if (nKey >= 112 && nKey <= 135)
    {
        swprintf(szBuffer, 8, L"F%u", nKey - 111);
    }
    else
    {
        for (const PunctuationKey& key : g_PunctuationKeys)
        {
            if (key.nKey == nKey)
            {
                szBuffer[0] = key.chPlain;
                szBuffer[1] = L'\0';
            }
        }
    }
    return szBuffer;
}

CString VirtualKeyToKeyName(UINT nKey)
{
    wchar_t szBuffer[8];
    return CString(VirtualKeyToKeyName(nKey, szBuffer));
}

int ModifierNameToFlag(const wchar_t* pszName)
{
    if (pszName == nullptr)
        return 0;
    if (EqualsNoCase(pszName, L"Shift"))
        return FSHIFT;
    if (EqualsNoCase(pszName, L"Control") || EqualsNoCase(pszName, L"Ctrl"))
        return FCONTROL;
    if (EqualsNoCase(pszName, L"ALT"))
        return FALT;
    return 0;
}
