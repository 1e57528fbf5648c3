// CSkinToolBar: a flat tool bar without gripper or border lines, so that the skin's background
// picture shows through, with a second strip for pressed buttons (g_SkinToolBarImages).
#pragma once

#include "framework/bars/ToolBar.h"

class CSkinToolBar : public CMFCToolBar
{
    DECLARE_DYNCREATE(CSkinToolBar)
public:
    CSkinToolBar() = default;
    ~CSkinToolBar() override = default;

    BOOL DrawButton(CDC* pDC, CMFCToolBarButton* pButton, CMFCToolBarImages* pImages, BOOL bHighlighted,
                    BOOL bDrawDisabledImages) override;
    // LoadToolBar with the first seven arguments, then the pressed strip uiPressedResID (0: none)
    // appended to g_SkinToolBarImages; FALSE when the resource or the pressed strip cannot be loaded.
    virtual BOOL LoadButtonImages(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL bLocked,
                                  UINT uiDisabledResID, UINT uiMenuDisabledResID, UINT uiHotResID,
                                  UINT uiPressedResID);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSysColorChange();

    DECLARE_MESSAGE_MAP()
};
