// GetNextToken and GetNextTokenAny: the tokenizers of the settings, the configuration reader, the hotkey
// text and the update-description reader.
#pragma once

#include "framework/core/CString.h"

// Both take the piece of pszText from nPos up to the next separator into strToken, move nPos past that
// separator and return 1; the last piece (no separator left) sets nPos to -1. Once nPos is negative,
// or for a null or empty text, they return 0 with an empty token. Pieces are not trimmed.
int GetNextToken(const wchar_t* pszText, wchar_t chSeparator, int& nPos, CString& strToken);
// The earliest of any character of pszSeparators separates. A piece of exactly one character before a
// separator comes back empty (stored hotkey texts rely on how "A+Ctrl" reads).
int GetNextTokenAny(const wchar_t* pszText, const wchar_t* pszSeparators, int& nPos, CString& strToken);
