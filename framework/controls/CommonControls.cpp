// AfxInitCommonControls.
#include "framework/controls/CommonControls.h"

#include <windows.h>
#include <commctrl.h>

void AfxInitCommonControls()
{
    static const BOOL bDone = []
    {
        INITCOMMONCONTROLSEX icc = {sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_LISTVIEW_CLASSES |
                                                                      ICC_BAR_CLASSES | ICC_PROGRESS_CLASS |
                                                                      ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
        return ::InitCommonControlsEx(&icc);
    }();
    (void)bDone;
}

namespace
{
// Dialog and form templates name these classes too, and a template creates its controls without
// asking us first: register them before any window exists.
const bool g_bRegisteredAtStart = (AfxInitCommonControls(), true);
} // namespace
