// CKeystriderView::FillList: the rows and columns of the shortcut page and of the read-only Windows
// Default page, which share the one list control.
#include "app/KeystriderApp.h"
#include "app/KeystriderView.h"

namespace
{
struct WindowsDefaultShortCut
{
    const wchar_t* pszKey;
    const wchar_t* pszDescription;
};

const WindowsDefaultShortCut g_WindowsDefaultShortCuts[] = {
    {L"Alt + PrtScn", L"Snapshot a window"},
    {L"Win + 1,2,...", L"Open applications on task bar (Win 7)"},
    {L"Win + D", L"Back to desktop"},
    {L"Win + E", L"Open Explorer"},
    {L"Win + F", L"Find"},
    {L"Win + L", L"Lock computer"},
    {L"Win + M", L"Minimum all windows"},
    {L"Win + R", L"Show Run"},
    {L"Win + T", L"Switch task on task bar"},
    {L"Win + U", L"Open Easy Visit Center"},
    {L"Win + Break", L"Open System Property"},
    {L"Win + F1", L"Window's help"},
    {L"Win + Up", L"Maximum current window (Win 7)"},
    {L"Win + Down", L"Restore/minimum current window (Win 7)"},
    {L"Win + Space", L"Transparent windows on desktop (Win 7)"},
    {L"Alt / Win + Tab", L"Switch application"},
    {L"Win + \"+\"", L"Zoom in screen (Win 7)"},
};

CString RowNumberText(int nIndex)
{
    CString str;
    str.Format(L"%d", nIndex + 1);
    return str;
}
} // namespace

void CKeystriderView::FillList(UINT nPage)
{
    const int nSelected = m_wndList.GetNextItem(-1, LVNI_SELECTED);
    // Without redrawing while it fills, the list does not scroll its window for every inserted row.
    m_wndList.SendMessage(WM_SETREDRAW, FALSE);
    m_wndList.DeleteAllItems();
    m_wndList.DeleteAllColumns();

    if (nPage != 0)
    {
        m_wndList.InsertColumn(0, L"", LVCFMT_FIXED_WIDTH, 0);
        m_wndList.InsertColumn(1, L"No.", LVCFMT_FIXED_WIDTH, 30);
        m_wndList.InsertColumn(2, L"Shortcut", LVCFMT_CENTER, 100);
        m_wndList.InsertColumn(3, L"Description", LVCFMT_LEFT, 400);
        int nRow = 0;
        for (const WindowsDefaultShortCut& row : g_WindowsDefaultShortCuts)
        {
            m_wndList.InsertItem(nRow, L"");
            m_wndList.SetItemText(nRow, 1, RowNumberText(nRow));
            m_wndList.SetItemText(nRow, 2, row.pszKey);
            m_wndList.SetItemText(nRow, 3, row.pszDescription);
            ++nRow;
        }
        m_wndList.SetReadOnly(TRUE);
    }
    else
    {
        const CShortCutConfig& store = theApp.m_ShortCutConfig;
        const BOOL bSound = store.m_nGenAssignASound != 0;
        m_wndList.InsertColumn(0, L"", LVCFMT_FIXED_WIDTH, bSound ? 20 : 0);
        m_wndList.InsertColumn(1, L"No.", LVCFMT_FIXED_WIDTH, 30);
        m_wndList.InsertColumn(2, L"Name", LVCFMT_CENTER, 100);
        m_wndList.InsertColumn(3, L"Command", LVCFMT_CENTER, 250);
        m_wndList.InsertColumn(4, L"Short Cut", LVCFMT_CENTER, 150);
        if (bSound)
        {
            m_wndList.InsertColumn(5, L"Sound", LVCFMT_LEFT, 250);
            // The check box sits just left of the sound file.
            const int order[] = {1, 2, 3, 4, 0, 5};
            m_wndList.SetColumnOrderArray(6, order);
        }
        int nRow = 0;
        for (ShortCutItem* pItem : store.m_ShortCutList)
        {
            if (pItem == nullptr)
                continue;
            m_wndList.InsertItem(nRow, L"");
            m_wndList.SetItemText(nRow, 1, RowNumberText(nRow));
            m_wndList.SetItemText(nRow, 2, pItem->m_pszName != nullptr ? pItem->m_pszName : L"");
            m_wndList.SetItemText(nRow, 3, pItem->m_pszCommand != nullptr ? pItem->m_pszCommand : L"");
            m_wndList.SetItemText(nRow, 4, pItem->FormatHotKey());
            if (bSound)
            {
                m_wndList.SetCheck(nRow, pItem->GetPlaySound() != 0);
                m_wndList.SetItemText(nRow, 5, pItem->GetSoundFile());
            }
            // Last: the check-box notifications above must find no item.
            m_wndList.SetItemData(nRow, reinterpret_cast<DWORD_PTR>(pItem));
            ++nRow;
        }
        m_wndList.SetReadOnly(FALSE);
    }

    if (nSelected >= 0 && nSelected < m_wndList.GetItemCount())
        m_wndList.SetItemState(nSelected, LVIS_SELECTED, LVIS_SELECTED);
    m_wndList.SendMessage(WM_SETREDRAW, TRUE);
    m_wndList.Invalidate();
}
