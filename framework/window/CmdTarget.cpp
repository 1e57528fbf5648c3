// CCmdTarget: searching the message-map chain and calling its rows.
#include "framework/window/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace
{
const AFX_MSGMAP_ENTRY g_cmdTargetEntries[] = {{0, 0, 0, 0, nullptr, nullptr}};
const AFX_MSGMAP g_cmdTargetMap = {nullptr, &g_cmdTargetEntries[0]};

bool IsCommandRow(UINT nMessage)
{
    return nMessage == WM_COMMAND || nMessage == WM_NOTIFY || nMessage == WM_REFLECT_BASE + WM_COMMAND ||
           nMessage == WM_REFLECT_BASE + WM_NOTIFY;
}
} // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    return &g_cmdTargetMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                                     UINT nID)
{
    const bool command = IsCommandRow(nMessage);
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->pfn != nullptr; ++e)
        {
            if (command)
            {
                if (e->pnRegMsg == nullptr && e->nMessage == nMessage && LOWORD(e->nCode) == LOWORD(nCode) &&
                    e->nID <= nID && nID <= e->nLastID)
                    return e;
            }
            else if (e->pnRegMsg != nullptr ? *e->pnRegMsg == nMessage && nMessage != 0
                                            : e->nMessage == nMessage)
            {
                return e;
            }
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // Update requests are WM_COMMAND rows with their own code; the rest carry the message in the high word.
    UINT nMsg = WM_COMMAND;
    if (static_cast<UINT>(nCode) != CN_UPDATE_COMMAND_UI && HIWORD(static_cast<UINT>(nCode)) != 0)
        nMsg = HIWORD(static_cast<UINT>(nCode));
    const AFX_MSGMAP_ENTRY* e =
        FindMessageEntry(GetMessageMap(), nMsg, LOWORD(static_cast<UINT>(nCode)), nID);
    if (e == nullptr)
        return FALSE;
    if (pHandlerInfo != nullptr)
    {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = e;
        return TRUE;
    }

    LRESULT unused = 0;
    AFX_MSGCALL call = {nMsg, 0, 0, nID, pExtra, &unused};
    if (nMsg == WM_NOTIFY || nMsg == WM_REFLECT_BASE + WM_NOTIFY)
    {
        // Notifications carry their header and their result slot.
        auto* notify = static_cast<AFX_NOTIFY*>(pExtra);
        call.pExtra = notify != nullptr ? notify->pNMHDR : nullptr;
        call.pResult = notify != nullptr && notify->pResult != nullptr ? notify->pResult : &unused;
    }
    return e->pfn(this, call);
}

BOOL CCmdTarget::DispatchWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), message, 0, 0);
    if (e == nullptr)
        return FALSE;
    AFX_MSGCALL call = {message, wParam, lParam, 0, nullptr, pResult};
    return e->pfn(this, call);
}
