// Key names: virtual-key codes to the names of the hotkey text and back, and the modifier names.
#pragma once

#include "framework/core/CString.h"

// The code of a key name: named keys without regard to case, punctuation exactly (unshifted or shifted
// character), single letters and digits; 0 for null, empty or unknown text.
WORD KeyNameToVirtualKey(const wchar_t* pszName);
// The name written for a key code ("Ctrl", capital letters, unshifted punctuation); empty when none.
CString VirtualKeyToKeyName(UINT nKey);
// The same name without an allocation: a constant text, or the text put into szBuffer.
const wchar_t* VirtualKeyToKeyName(UINT nKey, wchar_t (&szBuffer)[8]);
// "Shift" 4, "Control"/"Ctrl" 8, "ALT" 16 (any case); 0 for anything else, "Win" included.
int ModifierNameToFlag(const wchar_t* pszName);
