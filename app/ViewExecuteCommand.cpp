// CKeystriderView::ExecuteCommand: the command executor's place in the view. The executor itself is
// built with the hotkey dispatch; until then a command run from the list does nothing.
#include "app/KeystriderView.h"

void CKeystriderView::ExecuteCommand(const wchar_t*, const wchar_t*) {}
