// Splitting a command text into its first word and the rest.
#include "engine/CommandLine.h"

#include <cwctype>
#include <vector>

namespace
{
bool IsQuote(wchar_t ch)
{
    return ch == L'"' || ch == L'\'';
}

// The executor's buffer: a word longer than this is still taken whole (the buffer grows to fit).
const UINT kArgumentBuffer = 260;
} // namespace

int GetNextArgument(const wchar_t* pszSource, wchar_t* pszOut, UINT nCapacity, const wchar_t** ppNext)
{
    if (pszSource == nullptr || pszOut == nullptr || nCapacity == 0)
        return 0;

    const wchar_t* p = pszSource;
    while (*p != L'\0' && iswspace(*p))
        ++p;
    if (*p == L'\0')
        return 0;

    const wchar_t* pWordBegin = p;
    const wchar_t* pWordEnd = nullptr;
    const wchar_t* pNext = nullptr;
    wchar_t chQuote = 0;
    if (IsQuote(*p))
    {
        chQuote = *p;
        pWordBegin = p + 1;
    }
    else
    {
        while (*p != L'\0' && !iswspace(*p) && !IsQuote(*p))
            ++p;
        if (IsQuote(*p))
        {
            // A quote inside a bare word: what stood before it is dropped.
            chQuote = *p;
            pWordBegin = p + 1;
        }
        else
        {
            pWordEnd = p;
            pNext = (*p == L'\0') ? nullptr : p + 1;
        }
    }
    if (chQuote != 0)
    {
        const wchar_t* pClose = pWordBegin;
        while (*pClose != L'\0' && *pClose != chQuote)
            ++pClose;
        pWordEnd = pClose;
        if (*pClose == L'\0')
            pNext = nullptr;
        else if (pClose == pWordBegin)
            pNext = pClose; // an empty quoted word leaves the closing quote in front of the rest
        else
            pNext = pClose + 1;
    }

    for (UINT i = 0; i < nCapacity; ++i)
        pszOut[i] = L'\0';
    const size_t nMax = nCapacity >= 2 ? nCapacity - 2 : 0;
    size_t nLength = static_cast<size_t>(pWordEnd - pWordBegin);
    if (nLength > nMax)
        nLength = nMax;
    for (size_t i = 0; i < nLength; ++i)
        pszOut[i] = pWordBegin[i];
    if (ppNext != nullptr)
        *ppNext = pNext;
    return 1;
}

BOOL SplitCommand(const wchar_t* pszCommand, CString& strFirstWord, CString& strRest)
{
    strFirstWord.Empty();
    strRest.Empty();
    CString strCommand(pszCommand != nullptr ? pszCommand : L"");
    strCommand.Trim();
    if (strCommand.IsEmpty())
        return FALSE;

    // Room for the whole command, so that a first word of any length is never cut.
    UINT nCapacity = static_cast<UINT>(strCommand.GetLength()) + 2;
    if (nCapacity < kArgumentBuffer)
        nCapacity = kArgumentBuffer;
    std::vector<wchar_t> buffer(nCapacity, L'\0');
    const wchar_t* pNext = nullptr;
    if (GetNextArgument(strCommand, buffer.data(), nCapacity, &pNext))
        strFirstWord = buffer.data();
    if (pNext != nullptr)
        strRest = pNext;

    const wchar_t* kQuotesAndBlanks = L"\"' \t";
    strFirstWord.Trim(kQuotesAndBlanks);
    strRest.Trim(kQuotesAndBlanks);
    return TRUE;
}
