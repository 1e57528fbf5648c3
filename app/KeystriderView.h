// CKeystriderView: the main window's form view over template 103 with its four pages (shortcut list,
// Windows Default, options, about). This is the view's first shape: page switching, the pop-up and
// the hotkeys' window; the list, the option handlers and the timers grow on it.
#pragma once

#include "app/ShortCutListCtrl.h"
#include "framework/CStringArray.h"
#include "framework/FormView.h"

class CDlgInfo;
struct ShortCutItem;

// The view's timers.
#define IDT_INFO_TIMEOUT 1000
#define IDT_UPDATE_CHECK 1002

class CKeystriderView : public CFormView
{
    DECLARE_DYNCREATE(CKeystriderView)
protected:
    CKeystriderView();

public:
    ~CKeystriderView() override;

    void OnInitialUpdate() override;
    // Shows the controls of page 0 to 3 and hides the others; other pages change nothing.
    void ShowPage(int nPage);
    // The list's in-place editor while a cell is being edited; null otherwise.
    CWnd* GetInPlaceEditor() const;
    // Rebuilds the list: 0 the shortcuts of the store, non-zero the Windows Default reference.
    void FillList(UINT nPage);
    // Runs a shortcut's command and shows its name.
    void ExecuteCommand(const wchar_t* pszCommand, const wchar_t* pszName);

    // --- the list commands; each change ends with OnApplyList ---
    void OnNew();
    // One new shortcut per dropped file, in the store at once; written with the next save.
    void AddDroppedFiles(CStringArray& files);
    void OnExecute();
    void OnDelete();
    void OnMoveUp();
    void OnMoveDown();
    void OnEmptyKey();
    void OnResetToDefault();
    // The rows into the store (in row order), refill, register the hotkeys again, write the file.
    void OnApplyList();
    // Frees the items of rows the store does not hold, then refills.
    void OnPurgeRemovedRows();
    void OnImportConfiguration();
    void OnExportConfiguration();

    CDlgInfo* GetDlgInfo() const { return m_pDlgInfo; }
    // Shows the information pop-up in a mode (0 volume, 1 shortcut name, 2 time or notice) with a text.
    void PopupInfo(UINT nMode, const wchar_t* pszText);

    // The update schedule (ViewUpdate.cpp): starts a download when one is due (or forced) and arms
    // the update timer; shows a newer version in the update link and the pop-up.
    void CheckForUpdate(BOOL bForce);
    void OnCheckNow();
    void ShowUpdateResult();

    CShortCutListCtrl& GetList() { return m_wndList; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDestroy();
    void OnDblClkList(NMHDR* pNMHDR, LRESULT* pResult);
    void OnItemChangedList(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnLabelEdit(WPARAM wParam, LPARAM lParam);
    LRESULT OnLabelKillFocus(WPARAM wParam, LPARAM lParam);

    ShortCutItem* GetRowItem(int nRow) const;
    int GetSelectedRow() const;
    // Move up and down: the texts (and with per-shortcut sounds the check and sound file) of two rows
    // change places; the rows keep their items. nTo ends selected.
    void SwapRows(int nFrom, int nTo);
    // The sound-file field's text into GenSoundAddress when it differs, then the file is written.
    void StoreSoundFileText(CWnd* pSoundFile);

    CDlgInfo* m_pDlgInfo = nullptr; // the information pop-up, owned
    CShortCutListCtrl m_wndList;    // control 1004: the shortcut list or the Windows Default list

    DECLARE_MESSAGE_MAP()
};
