// Splitting a command text: GetNextArgument, and the executor's split into keyword and rest.
#pragma once

#include <windows.h>

#include "framework/core/CString.h"

// Takes the next word of pszSource into pszOut (pszOut filled with zeros first, at most nCapacity - 2
// characters copied). A word is either quoted (by " or ', up to the next quote of the same kind or the
// end) or runs to the next white space; a quote inside a bare word starts a quoted word afresh. *ppNext
// is set behind the word (behind its closing quote or its one ending blank), null when the word ran to
// the end. 1 when a word was taken; 0, with nothing written, when there is none or an argument is null.
int GetNextArgument(const wchar_t* pszSource, wchar_t* pszOut, UINT nCapacity, const wchar_t** ppNext);

// The command executor's split: the first word and the rest, both trimmed of quotes, blanks and tabs.
// The first word is taken whole however long it is. 0 for a blank command (nothing to run).
BOOL SplitCommand(const wchar_t* pszCommand, CString& strFirstWord, CString& strRest);
