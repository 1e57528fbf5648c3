// CSkinTasksPane: the pane's fixed content, with the date taken once at creation.
#include "skin/SkinTasksPane.h"

#include "framework/window/WndMessageMap.h"

#include <time.h>
#include <wchar.h>

IMPLEMENT_DYNAMIC(CSkinTasksPane, CMFCTasksPane)

BEGIN_MESSAGE_MAP(CSkinTasksPane, CMFCTasksPane)
ON_WM_CREATE()
END_MESSAGE_MAP()

namespace
{
const UINT kMakerSiteCommand = 1014;
}

CSkinTasksPane::CSkinTasksPane()
{
    SetWrapTasks(TRUE);
    SetWrapLabels(TRUE);
}

int CSkinTasksPane::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMFCTasksPane::OnCreate(lpCreateStruct) == -1)
        return -1;
    const int nGroup = AddGroup(L"", FALSE, FALSE, nullptr);

    wchar_t szDate[64] = {};
    const time_t now = time(nullptr);
    struct tm local = {};
    if (localtime_s(&local, &now) == 0)
        wcsftime(szDate, 64, L"%B %d, %Y", &local);

    AddLabel(nGroup, szDate, -1, TRUE);
    AddLabel(nGroup, L" ", -1, FALSE);
    AddLabel(nGroup, L" ", -1, FALSE);
    AddLabel(nGroup, L"Sponsors", -1, TRUE);
    AddSeparator(nGroup);
    AddTask(nGroup, L"Velmo Software", -1, kMakerSiteCommand, 0);
    return 0;
}
