// CTooltipManager: which tool-tip class, with which looks, each kind of control creates. The
// application sets the parameters once (SetTooltipParams); controls create and delete their tool tips
// through CreateToolTip / DeleteToolTip, which apply them.
#pragma once

#include "framework/ToolTipCtrl.h"

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

    // Creates the tool tip of that type for pWndParent (the application's manager decides its class
    // and looks; without one, a plain CToolTipCtrl). FALSE, with pToolTip null, on failure.
    static BOOL CreateToolTip(CToolTipCtrl*& pToolTip, CWnd* pWndParent, UINT nType);
    // Destroys and deletes a tool tip made by CreateToolTip; pToolTip becomes null.
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
