// CWinAppEx's context-menu and tool-tip managers: the process-wide ones of ContextMenuManager.h and
// TooltipManager.h, made on first use.
#include "framework/bars/WinAppEx.h"
#include "framework/controls/ContextMenuManager.h"
#include "framework/controls/TooltipManager.h"

BOOL CWinAppEx::InitContextMenuManager()
{
    return AfxInitContextMenuManager();
}

CContextMenuManager* CWinAppEx::GetContextMenuManager()
{
    if (afxContextMenuManager == nullptr)
        AfxInitContextMenuManager();
    return afxContextMenuManager;
}

BOOL CWinAppEx::InitTooltipManager()
{
    return AfxInitTooltipManager();
}

CTooltipManager* CWinAppEx::GetTooltipManager()
{
    if (afxTooltipManager == nullptr)
        AfxInitTooltipManager();
    return afxTooltipManager;
}
