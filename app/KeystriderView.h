// CKeystriderView: the main window's form view with its four pages; the window that owns the hotkeys.
#pragma once

#include "app/BrowserEdit.h"
#include "app/MyMFCLinkCtrl.h"
#include "app/ShortCutListCtrl.h"
#include "framework/controls/Button.h"
#include "framework/core/CStringArray.h"
#include "framework/core/CTime.h"
#include "framework/docview/FormView.h"
#include "framework/controls/MFCButton.h"
#include "framework/controls/SliderCtrl.h"
#include "framework/controls/Static.h"

class CDlgInfo;
struct ShortCutItem;

// Timers of the view's window (the pop-up's fade timers live on the pop-up's own window).
enum : UINT_PTR
{
    IDT_INFO_TIMEOUT = 1000,
    IDT_HOURLY_PROMPT = 1001,
    IDT_UPDATE_CHECK = 1002,
};

// Pages of the form: 0 shortcut list, 1 Windows Default, 2 options, 3 about. The frame holds the current page
// and calls ShowPage; a page is the set of the form's controls that is shown. Owns the pop-up, the list
// control and the option controls; reads and writes the store of theApp.
class CKeystriderView : public CFormView
{
    DECLARE_DYNCREATE(CKeystriderView)
protected:
    CKeystriderView(); // created by the document template only

public:
    ~CKeystriderView() override;

    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitialUpdate() override;

    // Pages (KeystriderViewPages.cpp) and list filling (ViewListFill.cpp).
    void ShowPage(int nPage);
    void FillList(UINT nPage);

    // The pop-up and the timers (ViewPopupInfo.cpp, KeystriderViewTimers.cpp). PopupInfo is the one way
    // the program shows the pop-up: mode 0 volume, 1 shortcut name, 2 time or notice.
    void PopupInfo(UINT nMode, const wchar_t* pszText);
    void ArmHourlyPromptTimer();

    // The command executor (KeystriderViewExecutor.cpp).
    void ExecuteCommand(const wchar_t* pszCommand, const wchar_t* pszName);
    void ToggleProgram(const wchar_t* pszProgram);
    void ShowWindowByTitle(const wchar_t* pszTitle);
    void CloseWindowByTitle(const wchar_t* pszTitle);

    // The update schedule (ViewUpdate.cpp): starts a download when one is due (or forced) and arms the
    // update timer; shows a newer version in the update link and the pop-up.
    void CheckForUpdate(BOOL bForce);
    void OnCheckNow();
    void ShowUpdateResult();

    // The list commands (ViewListCommands.cpp); each change ends with OnApplyList.
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

    CShortCutListCtrl& GetList() { return m_wndList; }

    CDlgInfo* GetDlgInfo() const { return m_pDlgInfo; }
    // The list's in-place editor while a cell is being edited; null otherwise.
    CWnd* GetInPlaceEditor() const;

protected:
    // The information pop-up: created by the initial update, deleted by the destructor.
    CDlgInfo* m_pDlgInfo = nullptr;
    // The bound controls, in the order of their construction.
    CShortCutListCtrl m_wndList;
    CMFCButton m_btnNew;
    CMFCButton m_btnDelete;
    CMFCButton m_btnEmptyKey;
    CMFCButton m_btnMoveUp;
    CMFCButton m_btnMoveDown;
    CMFCButton m_btnResetToDefault;
    CMFCButton m_btnExportConfiguration;
    CMFCButton m_btnImportConfiguration;
    CButton m_chkStartupWithWindows;
    CButton m_chkHideToTrayAtStart;
    CButton m_chkCloseToTray;
    CStatic m_stcAboutIcon;
    CMyMFCLinkCtrl m_lnkMaker;
    CStatic m_stcBuildTime;
    BOOL m_bVistaOrLater; // selects the Core Audio road of the volume commands;
                          // fixed at construction
    CSliderCtrl m_sldTransparent;
    CSliderCtrl m_sldTime;
    CMyMFCLinkCtrl m_lnkUpdate;
    CBrowserEdit m_edtSoundFile;
    CButton m_chkPromptOnTheHour;
    CButton m_chkPromptName;

    // List notifications and the in-place editing messages (ViewListCommands.cpp).
    void OnDblClkList(NMHDR* pNMHDR, LRESULT* pResult);
    void OnItemChangedList(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnLabelEdit(WPARAM wParam, LPARAM lParam);
    LRESULT OnLabelKillFocus(WPARAM wParam, LPARAM lParam);
    ShortCutItem* GetRowItem(int nRow) const;
    int GetSelectedRow() const;
    // New's row: appended with its number and a fresh item that the view owns until the next apply;
    // neither selected nor focused. Returns its index.
    int AppendNewRow();
    // Move up and down: the texts (and with per-shortcut sounds the check and sound file) of two rows
    // change places; the rows keep their items. nTo ends selected.
    void SwapRows(int nFrom, int nTo);
    // The sound-file field's text into GenSoundAddress when it differs, then the file is written.
    void StoreSoundFileText(CWnd* pSoundFile);

    // Options (KeystriderViewOptions.cpp).
    void OnStartupWithWindows();
    void OnCloseToTray();
    void OnHideToTrayAtStart();
    void OnPromptOnTheHour();
    void OnCheckNever();
    void OnCheckEveryDay();
    void OnCheckEveryWeek();
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnPromptName();
    void OnPlaySoundOption();
    void OnAssignDifferentSound();
    void OnKillFocusSoundFile();

    // Hotkeys, timers and destruction.
    void OnHotKey(UINT nHotKeyId, UINT nKey1, UINT nKey2);
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()
};

// The period of the hourly clock: milliseconds from tmNow to tmNextHour, the next full hour built from the
// local clock; when a change of daylight-saving time puts that hour at or before now, or more than an hour
// ahead, the rest of the current hour on the local clock.
UINT HourlyPromptPeriod(const CTime& tmNow, const CTime& tmNextHour);
