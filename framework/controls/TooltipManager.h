// CTooltipManager: which tool-tip class, with which looks, each kind of control creates. The
// application sets the parameters once (SetTooltipParams); controls make and delete their tool tips
// through NewToolTip / DeleteToolTip, which apply them.
#pragma once

#include "framework/controls/ToolTipCtrl.h"

// Kinds of tool tips (bits of SetTooltipParams' nTypes).
#define AFX_TOOLTIP_TYPE_DEFAULT 0x0001
#define AFX_TOOLTIP_TYPE_TOOLBAR 0x0002
#define AFX_TOOLTIP_TYPE_TAB 0x0004
#define AFX_TOOLTIP_TYPE_MINIFRAME 0x0008
#define AFX_TOOLTIP_TYPE_DOCKBAR 0x0010
#define AFX_TOOLTIP_TYPE_EDIT 0x0020
#define AFX_TOOLTIP_TYPE_BUTTON 0x0040
#define AFX_TOOLTIP_TYPE_TOOLBOX 0x0080
#define AFX_TOOLTIP_TYPE_PLANNER 0x0100
#define AFX_TOOLTIP_TYPE_RIBBON 0x0200
#define AFX_TOOLTIP_TYPE_CAPTIONBAR 0x0400
#define AFX_TOOLTIP_TYPES 11
#define AFX_TOOLTIP_TYPE_ALL 0xFFFF

class CTooltipManager
{
public:
    CTooltipManager() = default;
    ~CTooltipManager();
    CTooltipManager(const CTooltipManager&) = delete;
    CTooltipManager& operator=(const CTooltipManager&) = delete;

    // For every type in nTypes: the tool-tip class (a CToolTipCtrl-derived, dynamically creatable
    // class; null: CToolTipCtrl) and a copy of the parameters (null: the defaults).
    void SetTooltipParams(UINT nTypes, CRuntimeClass* pRTC = nullptr, CMFCToolTipInfo* pParams = nullptr);

    // A new tool tip of that type, its class and looks decided now by the application's manager
    // (without one, a plain CToolTipCtrl), but without its window: the owner creates that
    // (CToolTipCtrl::Create) when the tip is first needed, so a control whose tip is never shown
    // never pays for a tool-tip window.
    static CToolTipCtrl* NewToolTip(UINT nType);
    // Destroys and deletes a tool tip made by NewToolTip; pToolTip becomes null.
    static void DeleteToolTip(CToolTipCtrl*& pToolTip);

private:
    CRuntimeClass* m_pRTC[AFX_TOOLTIP_TYPES] = {};
    CMFCToolTipInfo m_Params[AFX_TOOLTIP_TYPES];
    BOOL m_bHasParams[AFX_TOOLTIP_TYPES] = {};
};

// The application's tool-tip manager; null until AfxInitTooltipManager creates it (the application
// object's InitTooltipManager), which keeps it until the process ends.
extern CTooltipManager* afxTooltipManager;
BOOL AfxInitTooltipManager();
