// CSkinToolBar: flat pane style, pressed images from the shared skin strip.
#include "skin/SkinToolBar.h"

#include "framework/gdi/GlobalData.h"
#include "framework/window/WinApp.h"
#include "framework/window/WndMessageMap.h"
#include "skin/SkinVisualManager.h"

IMPLEMENT_DYNCREATE(CSkinToolBar, CMFCToolBar)

BEGIN_MESSAGE_MAP(CSkinToolBar, CMFCToolBar)
ON_WM_CREATE()
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

int CSkinToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMFCToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetPaneStyle((GetPaneStyle() & ~(CBRS_GRIPPER | CBRS_BORDER_ANY)) | CBRS_SIZE_DYNAMIC);
    SetBorders(0, 0, 0, 0);
    SetGrayDisabledButtons(FALSE);
    return 0;
}

void CSkinToolBar::OnSysColorChange()
{
    CMFCToolBar::OnSysColorChange();
    g_SkinToolBarImages.OnSysColorChange();
}

BOOL CSkinToolBar::LoadButtonImages(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL bLocked,
                                    UINT uiDisabledResID, UINT uiMenuDisabledResID, UINT uiHotResID,
                                    UINT uiPressedResID)
{
    if (!LoadToolBar(uiResID, uiColdResID, uiMenuResID, bLocked, uiDisabledResID, uiMenuDisabledResID,
                     uiHotResID))
        return FALSE;
    if (uiPressedResID == 0)
        return TRUE;
    g_SkinToolBarImages.SetImageSize(CMFCToolBar::GetImageSize(), FALSE);
    return g_SkinToolBarImages.Load(uiPressedResID, AfxGetResourceHandle(), TRUE);
}

BOOL CSkinToolBar::DrawButton(CDC* pDC, CMFCToolBarButton* pButton, CMFCToolBarImages* pImages,
                              BOOL bHighlighted, BOOL bDrawDisabledImages)
{
    CMFCToolBarImages* pDrawImages = pImages;
    CAfxDrawState ds;
    if (!IsMenuMode() && (pButton->m_nStyle & TBBS_PRESSED) != 0 && g_SkinToolBarImages.GetCount() > 0)
    {
        pDrawImages = &g_SkinToolBarImages;
        pDrawImages->SetTransparentColor(afxGlobalData.clrBtnFace);
        pDrawImages->PrepareDrawImage(ds, GetImageSize(), FALSE);
    }
    CMFCToolBar::DrawButton(pDC, pButton, pDrawImages, bHighlighted, bDrawDisabledImages);
    if (pDrawImages == &g_SkinToolBarImages)
        pDrawImages->EndDrawImage(ds);
    return TRUE;
}
