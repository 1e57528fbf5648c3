// CKeystriderView: the commands of the shortcut list (new, dropped files, execute, delete, move, empty
// key, reset), the apply of the rows to the store, the purge, import and export, and the two messages
// of in-place editing.
#include "app/KeystriderApp.h"
#include "app/KeystriderView.h"
#include "engine/DefaultShortCuts.h"
#include "engine/SystemActions.h"
#include "engine/TextFile.h"
#include "framework/controls/FileDialog.h"
#include "framework/window/MessageBox.h"
#include "res/resource.h"

#include <stdlib.h>

#include <algorithm>
#include <unordered_set>

namespace
{
const wchar_t kIniDefExt[] = L"*.ini";
const wchar_t kIniFileName[] = L"Keystrder_cfg.ini";
const wchar_t kIniFilter[] = L"Ini File|*.ini|All Files|*.*||";

// The row buttons that need a selected row.
const int kSelectionButtons[] = {IDC_DELETE, IDC_MOVE_UP, IDC_MOVE_DOWN, IDC_EMPTY_KEY};

// An item's text from a cell: its own heap copy, or none for an empty text.
void ReplaceItemText(wchar_t*& pszText, const CString& strText)
{
    free(pszText);
    pszText = strText.IsEmpty() ? nullptr : _wcsdup(strText);
}

CString RowNumber(int nIndex)
{
    CString str;
    str.Format(L"%d", nIndex + 1);
    return str;
}

// The check state in a list-view state word: 0 clear, 1 set.
int CheckOfState(UINT nState)
{
    const int nCheck = static_cast<int>((nState & 0xF000) >> 12) - 1;
    return nCheck < 0 ? 0 : nCheck;
}

std::unordered_set<const ShortCutItem*> ItemsOf(const ShortCutList& list)
{
    return std::unordered_set<const ShortCutItem*>(list.begin(), list.end());
}
} // namespace

ShortCutItem* CKeystriderView::GetRowItem(int nRow) const
{
    return reinterpret_cast<ShortCutItem*>(m_wndList.GetItemData(nRow));
}

int CKeystriderView::GetSelectedRow() const
{
    return m_wndList.GetNextItem(-1, LVNI_SELECTED);
}

int CKeystriderView::AppendNewRow()
{
    const int nRow = m_wndList.GetItemCount();
    m_wndList.InsertItem(nRow, L"");
    m_wndList.SetItemText(nRow, 1, RowNumber(nRow));
    // The view owns the fresh item until the next apply hands it to the store.
    m_wndList.SetItemData(nRow, reinterpret_cast<DWORD_PTR>(new ShortCutItem));
    return nRow;
}

void CKeystriderView::OnNew()
{
    const int nRow = AppendNewRow();
    m_wndList.SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
    m_wndList.SetFocus();
}

void CKeystriderView::AddDroppedFiles(CStringArray& files)
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    // A drop of hundreds of files costs what its rows cost: the list is redrawn once, not scrolled and
    // repainted for every inserted row, and only the last new row is selected, as after New for each
    // file. Selecting every row in turn would switch the row buttons off and on, and look for the
    // selected row through all rows, once per file.
    m_wndList.SendMessage(WM_SETREDRAW, FALSE);
    int nLastRow = -1;
    for (int i = 0; i < files.GetSize(); ++i)
    {
        const CString& strPath = files[i];
        const int nRow = AppendNewRow();
        nLastRow = nRow;
        ShortCutItem* pItem = GetRowItem(nRow);
        if (pItem == nullptr)
            continue;

        const CString strCommand = L"\"" + strPath + L"\"";
        m_wndList.SetItemText(nRow, CShortCutListCtrl::kColumnCommand, strCommand);
        ReplaceItemText(pItem->m_pszCommand, strCommand);

        const wchar_t* pszFileName = FindFileNamePart(strPath);
        CString strName = pszFileName != nullptr ? pszFileName : L"";
        const int nDot = strName.ReverseFind(L'.');
        if (nDot >= 0)
            strName = strName.Left(nDot);
        m_wndList.SetItemText(nRow, CShortCutListCtrl::kColumnName, strName);
        free(pItem->m_pszName);
        pItem->m_pszName = _wcsdup(strName);

        // In the store at once; the file follows with the next save.
        store.m_ShortCutList.push_back(pItem);
    }
    m_wndList.SendMessage(WM_SETREDRAW, TRUE);
    m_wndList.Invalidate();
    if (nLastRow >= 0)
    {
        m_wndList.SetItemState(nLastRow, LVIS_SELECTED, LVIS_SELECTED);
        m_wndList.SetFocus();
    }
}

void CKeystriderView::OnExecute()
{
    const int nRow = GetSelectedRow();
    if (nRow < 0)
        return;
    CString strCommand = m_wndList.GetItemText(nRow, CShortCutListCtrl::kColumnCommand);
    strCommand.Trim();
    if (strCommand.IsEmpty())
        return;
    ExecuteCommand(strCommand, m_wndList.GetItemText(nRow, CShortCutListCtrl::kColumnName));
}

void CKeystriderView::OnDblClkList(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (m_wndList.IsReadOnly())
        return;
    const auto* pActivate = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR);
    if (pActivate->iItem >= 0)
    {
        if (pActivate->iSubItem == CShortCutListCtrl::kColumnNumber)
            OnExecute();
    }
    else
        OnNew();
}

void CKeystriderView::OnItemChangedList(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const auto* pNMLV = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if (pNMLV->uNewState == 0 && pNMLV->uOldState == 0)
        return;

    const BOOL bSelected = GetSelectedRow() >= 0;
    for (int nId : kSelectionButtons)
    {
        // Only a real change: filling thousands of rows raises as many notifications, and each
        // change of a button's state repaints it.
        CWnd* pButton = GetDlgItem(nId);
        if (pButton != nullptr && !pButton->IsWindowEnabled() != !bSelected)
            pButton->EnableWindow(bSelected);
    }

    const int nNewCheck = CheckOfState(pNMLV->uNewState);
    if (nNewCheck == CheckOfState(pNMLV->uOldState))
        return;
    // Rows being filled have no item yet: their check boxes change nothing.
    ShortCutItem* pItem = pNMLV->iItem >= 0 ? GetRowItem(pNMLV->iItem) : nullptr;
    if (pItem == nullptr)
        return;
    pItem->SetPlaySound(nNewCheck);
    theApp.m_ShortCutConfig.WriteConfig(nullptr);
}

void CKeystriderView::OnDelete()
{
    if (AfxMessageBox(L"Do you want to delete the item?", MB_YESNO) != IDYES)
    {
        m_wndList.SetFocus();
        return;
    }
    int nIndex = 0;
    const int nRow = GetSelectedRow();
    if (nRow >= 0)
    {
        nIndex = nRow;
        // A row the store does not hold yet (a new one) owns its item: it goes with the row. The
        // store's items go with the apply.
        ShortCutItem* pItem = GetRowItem(nRow);
        const ShortCutList& list = theApp.m_ShortCutConfig.m_ShortCutList;
        const bool bInStore = std::find(list.begin(), list.end(), pItem) != list.end();
        m_wndList.DeleteItem(nRow);
        if (!bInStore)
            delete pItem;
        for (int i = nIndex; i < m_wndList.GetItemCount(); ++i)
            m_wndList.SetItemText(i, CShortCutListCtrl::kColumnNumber, RowNumber(i));
    }
    if (nIndex >= m_wndList.GetItemCount())
        nIndex = m_wndList.GetItemCount() - 1;
    if (nIndex >= 0)
        m_wndList.SetItemState(nIndex, LVIS_SELECTED, LVIS_SELECTED);
    OnApplyList();
    m_wndList.SetFocus();
}

void CKeystriderView::SwapRows(int nFrom, int nTo)
{
    const BOOL bSound = theApp.m_ShortCutConfig.m_nGenAssignASound != 0;
    const int kTextColumns[] = {CShortCutListCtrl::kColumnName, CShortCutListCtrl::kColumnCommand,
                                CShortCutListCtrl::kColumnKey};
    CString strSaved[3];
    for (int i = 0; i < 3; ++i)
        strSaved[i] = m_wndList.GetItemText(nTo, kTextColumns[i]);
    const BOOL bSavedCheck = bSound ? m_wndList.GetCheck(nTo) : FALSE;
    const CString strSavedSound =
        bSound ? m_wndList.GetItemText(nTo, CShortCutListCtrl::kColumnSound) : CString();

    for (int i = 0; i < 3; ++i)
        m_wndList.SetItemText(nTo, kTextColumns[i], m_wndList.GetItemText(nFrom, kTextColumns[i]));
    if (bSound)
    {
        m_wndList.SetCheck(nTo, m_wndList.GetCheck(nFrom));
        m_wndList.SetItemText(nTo, CShortCutListCtrl::kColumnSound,
                              m_wndList.GetItemText(nFrom, CShortCutListCtrl::kColumnSound));
    }

    for (int i = 0; i < 3; ++i)
        m_wndList.SetItemText(nFrom, kTextColumns[i], strSaved[i]);
    if (bSound)
    {
        m_wndList.SetCheck(nFrom, bSavedCheck);
        m_wndList.SetItemText(nFrom, CShortCutListCtrl::kColumnSound, strSavedSound);
    }
    m_wndList.SetItemState(nTo, LVIS_SELECTED, LVIS_SELECTED);
}

void CKeystriderView::OnMoveDown()
{
    const int nRow = GetSelectedRow();
    if (nRow >= 0 && nRow < m_wndList.GetItemCount() - 1)
        SwapRows(nRow, nRow + 1);
    OnApplyList();
    m_wndList.SetFocus();
}

void CKeystriderView::OnMoveUp()
{
    const int nRow = GetSelectedRow();
    if (nRow > 0)
        SwapRows(nRow, nRow - 1);
    OnApplyList();
    m_wndList.SetFocus();
}

void CKeystriderView::OnEmptyKey()
{
    const int nRow = GetSelectedRow();
    if (nRow >= 0)
    {
        m_wndList.SetItemText(nRow, CShortCutListCtrl::kColumnKey, L"");
        OnApplyList();
    }
    m_wndList.SetFocus();
}

void CKeystriderView::OnResetToDefault()
{
    if (AfxMessageBox(L"Are you sure that use the default setting and discard the current setting?",
                      MB_YESNO) != IDYES)
        return;
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    const auto storeItems = ItemsOf(store.m_ShortCutList);
    for (int nRow = m_wndList.GetItemCount() - 1; nRow >= 0; --nRow)
    {
        ShortCutItem* pItem = GetRowItem(nRow);
        if (storeItems.count(pItem) == 0)
            delete pItem;
    }
    m_wndList.DeleteAllItems();

    const BOOL bSound = store.m_nGenAssignASound != 0;
    for (size_t i = 0; i < DEFAULT_SHORTCUT_COUNT; ++i)
    {
        const DefaultShortCutEntry& row = g_DefaultShortCuts[i];
        const int nRow = static_cast<int>(i);
        auto* pItem = new ShortCutItem;
        pItem->ParseHotKey(row.pszHotKey);
        m_wndList.InsertItem(nRow, L"");
        m_wndList.SetItemText(nRow, CShortCutListCtrl::kColumnNumber, RowNumber(nRow));
        m_wndList.SetItemText(nRow, CShortCutListCtrl::kColumnName, row.pszName);
        m_wndList.SetItemText(nRow, CShortCutListCtrl::kColumnCommand, row.pszCommand);
        m_wndList.SetItemText(nRow, CShortCutListCtrl::kColumnKey, pItem->FormatHotKey());
        if (bSound)
            m_wndList.SetItemText(nRow, CShortCutListCtrl::kColumnSound, L"");
        m_wndList.SetItemData(nRow, reinterpret_cast<DWORD_PTR>(pItem));
    }
    OnApplyList();
}

void CKeystriderView::OnApplyList()
{
    // The Windows Default page's rows carry no items: applying them would empty the store.
    if (m_wndList.IsReadOnly())
        return;
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    ShortCutList& list = store.m_ShortCutList;
    store.UnregisterHotKeys(m_hWnd);

    // One lookup per store item, however long the list.
    const int nRows = m_wndList.GetItemCount();
    std::unordered_set<const ShortCutItem*> rowItems;
    rowItems.reserve(static_cast<size_t>(nRows));
    for (int nRow = 0; nRow < nRows; ++nRow)
        if (ShortCutItem* pItem = GetRowItem(nRow))
            rowItems.insert(pItem);
    for (auto it = list.begin(); it != list.end();)
    {
        if (rowItems.count(*it) == 0)
        {
            ShortCutItem* pItem = *it;
            it = list.erase(it);
            delete pItem;
        }
        else
            ++it;
    }
    list.clear();

    const BOOL bSound = store.m_nGenAssignASound != 0;
    for (int nRow = nRows - 1; nRow >= 0; --nRow)
    {
        ShortCutItem* pItem = GetRowItem(nRow);
        if (pItem == nullptr)
            continue;
        CString strName = m_wndList.GetItemText(nRow, CShortCutListCtrl::kColumnName);
        ReplaceItemText(pItem->m_pszName, strName.Trim());
        CString strCommand = m_wndList.GetItemText(nRow, CShortCutListCtrl::kColumnCommand);
        ReplaceItemText(pItem->m_pszCommand, strCommand.Trim());
        CString strKey = m_wndList.GetItemText(nRow, CShortCutListCtrl::kColumnKey);
        pItem->ParseHotKey(strKey.Trim());
        if (bSound)
        {
            pItem->SetPlaySound(m_wndList.GetCheck(nRow) ? 1 : 0);
            pItem->SetSoundFile(m_wndList.GetItemText(nRow, CShortCutListCtrl::kColumnSound));
        }
        list.push_front(pItem);
    }

    FillList(0);
    if (store.m_bRunning == 1)
        store.RegisterHotKeys(m_hWnd);
    store.WriteConfig(nullptr);
}

void CKeystriderView::OnPurgeRemovedRows()
{
    if (m_wndList.IsReadOnly())
        return;
    const auto storeItems = ItemsOf(theApp.m_ShortCutConfig.m_ShortCutList);
    for (int nRow = m_wndList.GetItemCount() - 1; nRow >= 0; --nRow)
    {
        ShortCutItem* pItem = GetRowItem(nRow);
        if (storeItems.count(pItem) == 0)
        {
            delete pItem;
            m_wndList.SetItemData(nRow, 0);
        }
    }
    FillList(0);
}

void CKeystriderView::OnImportConfiguration()
{
    CFileDialog dlg(TRUE, kIniDefExt, kIniFileName, OFN_HIDEREADONLY, kIniFilter, this, 0, TRUE);
    if (dlg.DoModal() != IDOK)
        return;
    const CString strPath = dlg.GetPathName();
    {
        // A file that cannot be read replaces nothing: the current shortcuts stay. (The text-file
        // layer reports a file it cannot open; a missing one is reported here.)
        CTextFile probe;
        if (!probe.Open(strPath, TEXT_MODE_READ))
        {
            if (::GetFileAttributesW(strPath) == INVALID_FILE_ATTRIBUTES)
            {
                CString strMessage;
                strMessage.Format(L"The file \"%s\" cannot be opened.", strPath.GetString());
                AfxMessageBox(strMessage, MB_OK);
            }
            return;
        }
    }

    CShortCutConfig& store = theApp.m_ShortCutConfig;
    if (store.m_bRunning != 0)
        store.UnregisterHotKeys(m_hWnd);
    // Rows of new, unapplied shortcuts own their items; the refill below drops those rows.
    const auto storeItems = ItemsOf(store.m_ShortCutList);
    for (int nRow = m_wndList.GetItemCount() - 1; nRow >= 0; --nRow)
    {
        ShortCutItem* pItem = GetRowItem(nRow);
        if (storeItems.count(pItem) == 0)
            delete pItem;
        m_wndList.SetItemData(nRow, 0);
    }
    FreeShortCutList(store.m_ShortCutList);
    store.ReadConfig(strPath);
    FillList(0);
    if (store.m_bRunning != 0)
        store.RegisterHotKeys(m_hWnd);
    store.WriteConfig(nullptr);
}

void CKeystriderView::OnExportConfiguration()
{
    CFileDialog dlg(FALSE, kIniDefExt, kIniFileName, OFN_HIDEREADONLY, kIniFilter, this, 0, TRUE);
    if (dlg.DoModal() == IDOK)
        theApp.m_ShortCutConfig.WriteConfig(dlg.GetPathName());
}

void CKeystriderView::StoreSoundFileText(CWnd* pSoundFile)
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    CString strText;
    pSoundFile->GetWindowText(strText);
    if (strText.Compare(store.m_strGenSoundAddress) != 0)
    {
        store.m_strGenSoundAddress = strText;
        store.WriteConfig(nullptr);
    }
}

LRESULT CKeystriderView::OnLabelEdit(WPARAM, LPARAM)
{
    CWnd* pSoundFile = GetDlgItem(IDC_SOUND_FILE);
    if (pSoundFile != nullptr && pSoundFile->IsWindowVisible())
        StoreSoundFileText(pSoundFile);
    else
        OnApplyList();
    return 0;
}

LRESULT CKeystriderView::OnLabelKillFocus(WPARAM, LPARAM)
{
    CWnd* pFocus = CWnd::GetFocus();
    CWnd* pSoundFile = GetDlgItem(IDC_SOUND_FILE);
    if (pFocus != nullptr && pSoundFile != nullptr && pFocus->GetSafeHwnd() == pSoundFile->GetSafeHwnd())
    {
        StoreSoundFileText(pSoundFile);
        SetFocus();
    }
    return 0;
}
