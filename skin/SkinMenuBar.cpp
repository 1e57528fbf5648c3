// CSkinMenuBar: the menu bar's flat pane style.
#include "skin/SkinMenuBar.h"

#include "framework/window/WndMessageMap.h"

IMPLEMENT_DYNCREATE(CSkinMenuBar, CMFCMenuBar)

BEGIN_MESSAGE_MAP(CSkinMenuBar, CMFCMenuBar)
ON_WM_CREATE()
END_MESSAGE_MAP()

int CSkinMenuBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMFCMenuBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetPaneStyle((GetPaneStyle() & ~(CBRS_GRIPPER | CBRS_BORDER_ANY)) | CBRS_SIZE_DYNAMIC);
    SetBorders(0, 0, 0, 0);
    return 0;
}
