// GetNextToken and GetNextTokenAny: the tokenizers of the settings, the configuration reader, the hotkey
// text and the update-description reader.
#include "engine/Tokenizer.h"

#include <cwchar>

namespace
{
// Shared walk: pszFound is the separator found from pszText + nPos (null when none).
int TakePiece(const wchar_t* pszText, const wchar_t* pszFound, int nMinCopy, int& nPos, CString& strToken)
{
    const wchar_t* pszStart = pszText + nPos;
    if (pszFound == nullptr)
    {
        strToken = pszStart;
        nPos = -1;
        return 1;
    }
    int n = static_cast<int>(pszFound - pszStart);
    if (n >= nMinCopy)
        strToken = CString(pszStart, n);
    nPos += n + 1;
    return 1;
}

// False when the walk is over. The position is one these functions handed out (at most the end of the
// text); it is not measured against the text's length again, which would make a walk over a long text
// quadratic.
bool StartPiece(const wchar_t* pszText, int& nPos, CString& strToken)
{
    strToken.Empty();
    if (nPos < 0)
        return false;
    if (pszText == nullptr || pszText[0] == L'\0')
    {
        nPos = -1;
        return false;
    }
    return true;
}
} // namespace

int GetNextToken(const wchar_t* pszText, wchar_t chSeparator, int& nPos, CString& strToken)
{
    if (!StartPiece(pszText, nPos, strToken))
        return 0;
    const wchar_t* pszFound = chSeparator != L'\0' ? wcschr(pszText + nPos, chSeparator) : nullptr;
    return TakePiece(pszText, pszFound, 1, nPos, strToken);
}

int GetNextTokenAny(const wchar_t* pszText, const wchar_t* pszSeparators, int& nPos, CString& strToken)
{
    if (pszSeparators == nullptr || pszSeparators[0] == L'\0')
    {
        strToken.Empty();
        if (nPos >= 0)
            nPos = -1;
        return 0;
    }
    if (!StartPiece(pszText, nPos, strToken))
        return 0;
    return TakePiece(pszText, wcspbrk(pszText + nPos, pszSeparators), 2, nPos, strToken);
}
