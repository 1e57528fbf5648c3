// A list view's row height, set through a temporary small image list of that height.
#include "engine/SystemActions.h"

#include <commctrl.h>

void SetListRowHeight(HWND hList, int nHeight)
{
    if (nHeight < 0)
        nHeight = GetSystemMetrics(SM_CYSMICON);

    // The list view sizes its rows to the small image list; the temporary list only carries the height.
    // The kept list stays the caller's: putting it back hands it over unchanged.
    HIMAGELIST hOld = reinterpret_cast<HIMAGELIST>(SendMessageW(hList, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    HIMAGELIST hTemp = ImageList_Create(1, nHeight, ILC_COLOR4, 1, 1);
    SendMessageW(hList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(hTemp));
    SendMessageW(hList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(hOld));
    if (hTemp != nullptr)
        ImageList_Destroy(hTemp);
}
