// The two registered messages of in-place editing: the browse edit reports Enter, Escape and the
// loss of focus to its parent; the shortcut list reports a committed edit to the view.
#pragma once

#include <windows.h>

// "Label Kill Focus": wParam 1 for Escape (cancel), 0 for Enter or loss of focus (commit); lParam 0.
extern const UINT WM_LABEL_KILLFOCUS;
// "Label Edit": a cell edit or a captured key combination was committed; no parameters.
extern const UINT WM_LABEL_EDIT;
