// CTooltipManager.
#include "framework/controls/TooltipManager.h"

#include <memory>

CTooltipManager* afxTooltipManager = nullptr;

BOOL AfxInitTooltipManager()
{
    static std::unique_ptr<CTooltipManager> s_pManager;
    if (afxTooltipManager != nullptr)
        return FALSE;
    s_pManager = std::make_unique<CTooltipManager>();
    afxTooltipManager = s_pManager.get();
    return TRUE;
}

namespace
{
// The index of a single type bit; -1 for none or an unknown one.
int TypeIndex(UINT nType)
{
    for (int i = 0; i < AFX_TOOLTIP_TYPES; ++i)
        if (nType == (1u << i))
            return i;
    return -1;
}
} // namespace

CTooltipManager::~CTooltipManager()
{
    if (afxTooltipManager == this)
        afxTooltipManager = nullptr;
}

void CTooltipManager::SetTooltipParams(UINT nTypes, CRuntimeClass* pRTC, CMFCToolTipInfo* pParams)
{
    for (int i = 0; i < AFX_TOOLTIP_TYPES; ++i)
    {
        if ((nTypes & (1u << i)) == 0)
            continue;
        m_pRTC[i] = pRTC;
        m_Params[i] = pParams != nullptr ? *pParams : CMFCToolTipInfo();
        m_bHasParams[i] = pParams != nullptr;
    }
}

CToolTipCtrl* CTooltipManager::NewToolTip(UINT nType)
{
    const int nIndex = TypeIndex(nType);
    CRuntimeClass* pRTC = nullptr;
    if (afxTooltipManager != nullptr && nIndex >= 0)
        pRTC = afxTooltipManager->m_pRTC[nIndex];

    CToolTipCtrl* pNew = nullptr;
    if (pRTC != nullptr && pRTC->IsDerivedFrom(RUNTIME_CLASS(CToolTipCtrl)))
        pNew = static_cast<CToolTipCtrl*>(pRTC->CreateObject());
    if (pNew == nullptr)
        pNew = new CToolTipCtrl;

    if (auto* pMFC = DYNAMIC_DOWNCAST(CMFCToolTipCtrl, pNew))
        if (afxTooltipManager != nullptr && nIndex >= 0 && afxTooltipManager->m_bHasParams[nIndex])
            pMFC->SetParams(&afxTooltipManager->m_Params[nIndex]);
    return pNew;
}

void CTooltipManager::DeleteToolTip(CToolTipCtrl*& pToolTip)
{
    if (pToolTip == nullptr)
        return;
    if (pToolTip->GetSafeHwnd() != nullptr)
        pToolTip->DestroyWindow();
    delete pToolTip;
    pToolTip = nullptr;
}
