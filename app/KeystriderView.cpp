// CKeystriderView: construction, control binding, the message map, the initial update and destruction.
#include "app/KeystriderView.h"

#include "app/BrowserEdit.h"
#include "app/DlgInfo.h"
#include "app/KeystriderApp.h"
#include "app/LabelMessages.h"
#include "app/MainFrame.h"
#include "app/MakerSite.h"
#include "engine/SystemActions.h"
#include "engine/Volume.h"
#include "framework/window/DataExchange.h"
#include "framework/window/WndMessageMap.h"
#include "res/resource.h"

namespace
{
// The version text that the about page shows and the update check compares against.
const wchar_t kVersionText[] = L"1.6";

struct ButtonIcon
{
    CMFCButton CKeystriderView::*pButton;
    UINT nIcon;
    UINT nDisabledIcon; // 0: none
    BOOL bAlphaBlend;
    const wchar_t* pszTooltip;
};
} // namespace

IMPLEMENT_DYNCREATE(CKeystriderView, CFormView)

BEGIN_MESSAGE_MAP(CKeystriderView, CFormView)
ON_BN_CLICKED(IDC_NEW, OnNew)
ON_BN_CLICKED(IDC_DELETE, OnDelete)
ON_BN_CLICKED(IDC_MOVE_UP, OnMoveUp)
ON_BN_CLICKED(IDC_MOVE_DOWN, OnMoveDown)
ON_BN_CLICKED(ID_APPLY_LIST, OnApplyList)
ON_BN_CLICKED(ID_PURGE_REMOVED_ROWS, OnPurgeRemovedRows)
ON_BN_CLICKED(IDC_RESET_TO_DEFAULT, OnResetToDefault)
ON_BN_CLICKED(IDC_EXPORT_CONFIGURATION, OnExportConfiguration)
ON_BN_CLICKED(IDC_IMPORT_CONFIGURATION, OnImportConfiguration)
ON_REGISTERED_MESSAGE(WM_LABEL_EDIT, OnLabelEdit)
ON_REGISTERED_MESSAGE(WM_LABEL_KILLFOCUS, OnLabelKillFocus)
ON_BN_CLICKED(IDC_STARTUP_WITH_WINDOWS, OnStartupWithWindows)
ON_BN_CLICKED(IDC_CLOSE_TO_TRAY, OnCloseToTray)
ON_BN_CLICKED(IDC_HIDE_TO_TRAY_AT_START, OnHideToTrayAtStart)
ON_WM_HOTKEY()
ON_WM_TIMER()
ON_WM_DESTROY()
ON_BN_CLICKED(IDC_EMPTY_KEY, OnEmptyKey)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_SHORTCUT_LIST, OnItemChangedList)
ON_NOTIFY(NM_DBLCLK, IDC_SHORTCUT_LIST, OnDblClkList)
ON_BN_CLICKED(IDC_PROMPT_ON_THE_HOUR, OnPromptOnTheHour)
ON_BN_CLICKED(IDC_CHECK_NEVER, OnCheckNever)
ON_BN_CLICKED(IDC_CHECK_EVERY_DAY, OnCheckEveryDay)
ON_BN_CLICKED(IDC_CHECK_EVERY_WEEK, OnCheckEveryWeek)
ON_BN_CLICKED(IDC_CHECK_NOW, OnCheckNow)
ON_WM_HSCROLL()
ON_BN_CLICKED(IDC_PROMPT_NAME, OnPromptName)
ON_BN_CLICKED(ID_EXECUTE, OnExecute)
ON_BN_CLICKED(IDC_PLAY_SOUND, OnPlaySoundOption)
ON_BN_CLICKED(IDC_ASSIGN_DIFFERENT_SOUND, OnAssignDifferentSound)
ON_EN_KILLFOCUS(IDC_SOUND_FILE, OnKillFocusSoundFile)
END_MESSAGE_MAP()

CKeystriderView::CKeystriderView() : CFormView(IDD_MAIN_FORM), m_edtSoundFile(nullptr)
{
    m_bVistaOrLater = IsVistaOrLater();
}

CKeystriderView::~CKeystriderView()
{
    delete m_pDlgInfo;
    m_pDlgInfo = nullptr;
}

void CKeystriderView::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SHORTCUT_LIST, m_wndList);
    DDX_Control(pDX, IDC_STARTUP_WITH_WINDOWS, m_chkStartupWithWindows);
    DDX_Control(pDX, IDC_HIDE_TO_TRAY_AT_START, m_chkHideToTrayAtStart);
    DDX_Control(pDX, IDC_ABOUT_ICON, m_stcAboutIcon);
    DDX_Control(pDX, IDC_NEW, m_btnNew);
    DDX_Control(pDX, IDC_DELETE, m_btnDelete);
    DDX_Control(pDX, IDC_MOVE_UP, m_btnMoveUp);
    DDX_Control(pDX, IDC_MOVE_DOWN, m_btnMoveDown);
    DDX_Control(pDX, IDC_EXPORT_CONFIGURATION, m_btnExportConfiguration);
    DDX_Control(pDX, IDC_IMPORT_CONFIGURATION, m_btnImportConfiguration);
    DDX_Control(pDX, IDC_CLOSE_TO_TRAY, m_chkCloseToTray);
    DDX_Control(pDX, IDC_RESET_TO_DEFAULT, m_btnResetToDefault);
    DDX_Control(pDX, IDC_MAKER_LINK, m_lnkMaker);
    DDX_Control(pDX, IDC_BUILD_TIME, m_stcBuildTime);
    DDX_Control(pDX, IDC_EMPTY_KEY, m_btnEmptyKey);
    DDX_Control(pDX, IDC_TRANSPARENT_SLIDER, m_sldTransparent);
    DDX_Control(pDX, IDC_TIME_SLIDER, m_sldTime);
    DDX_Control(pDX, IDC_UPDATE_LINK, m_lnkUpdate);
    DDX_Control(pDX, IDC_PROMPT_ON_THE_HOUR, m_chkPromptOnTheHour);
    DDX_Control(pDX, IDC_PROMPT_NAME, m_chkPromptName);
    DDX_Control(pDX, IDC_SOUND_FILE, m_edtSoundFile);
}

void CKeystriderView::OnInitialUpdate()
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;

    // The base binds the controls.
    CFormView::OnInitialUpdate();

    // The list: in-place labels, full-row grid with check boxes, 18-pixel rows, no sort shading.
    m_wndList.ModifyStyle(0, LVS_EDITLABELS | LVS_SHOWSELALWAYS, 0);
    m_wndList.SetExtendedStyle(m_wndList.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES |
                               LVS_EX_INFOTIP | LVS_EX_CHECKBOXES);
    m_wndList.EnableToolTips(TRUE);
    SetListRowHeight(m_wndList.GetSafeHwnd(), 18);
    m_wndList.EnableMarkSortedColumn(FALSE, FALSE);

    // The buttons that act on a row follow the selection.
    m_btnDelete.EnableWindow(FALSE);
    m_btnMoveUp.EnableWindow(FALSE);
    m_btnMoveDown.EnableWindow(FALSE);
    m_btnEmptyKey.EnableWindow(FALSE);

    // Button pictures and tool tips; the buttons have no caption.
    static const ButtonIcon kIcons[] = {
        {&CKeystriderView::m_btnNew, IDI_NEW, 0, FALSE, L"New"},
        {&CKeystriderView::m_btnDelete, IDI_DELETE, IDI_DELETE_DISABLED, TRUE, L"Delete"},
        {&CKeystriderView::m_btnMoveUp, IDI_MOVE_UP, IDI_MOVE_UP_DISABLED, TRUE, L"Up"},
        {&CKeystriderView::m_btnMoveDown, IDI_MOVE_DOWN, IDI_MOVE_DOWN_DISABLED, TRUE, L"Down"},
        {&CKeystriderView::m_btnEmptyKey, IDI_EMPTY_KEY, IDI_EMPTY_KEY_DISABLED, TRUE, L"Empty Key"},
        {&CKeystriderView::m_btnExportConfiguration, IDI_EXPORT_CONFIGURATION, 0, FALSE,
         L"Export Configuration"},
        {&CKeystriderView::m_btnImportConfiguration, IDI_IMPORT_CONFIGURATION, 0, FALSE,
         L"Import Configuration"},
        {&CKeystriderView::m_btnResetToDefault, IDI_RESET_TO_DEFAULT, 0, FALSE, L"Reset to Default"},
    };
    HINSTANCE hInstance = AfxGetInstanceHandle();
    for (const ButtonIcon& icon : kIcons)
    {
        HICON hIcon = LoadIconW(hInstance, MAKEINTRESOURCEW(icon.nIcon));
        HICON hDisabled =
            icon.nDisabledIcon != 0 ? LoadIconW(hInstance, MAKEINTRESOURCEW(icon.nDisabledIcon)) : nullptr;
        (this->*icon.pButton).SetImage(hIcon, TRUE, nullptr, hDisabled, icon.bAlphaBlend);
        (this->*icon.pButton).SetTooltip(icon.pszTooltip);
    }

    // The frame's current page (page 0 from the frame's creation), which fills the list.
    CMainFrame* pFrame = GetMainFrame();
    ShowPage(pFrame != nullptr ? pFrame->m_nCurrentPage : 0);

    // Check boxes from the settings.
    m_chkStartupWithWindows.SetCheck(store.m_nGeneralLaunchStart != 0);
    m_chkHideToTrayAtStart.SetCheck(store.m_nGeneralHideToTray != 0);
    m_chkCloseToTray.SetCheck(store.m_nGeneralCloseToTray != 0);
    m_chkPromptName.SetCheck(store.m_nPromptNameShortcut != 0);

    // The start-with-Windows value follows the setting at every start.
    if (store.m_nGeneralLaunchStart)
        SetRunAtStartup(L"Keystrider", L"\"" + store.m_strProgramPath + L"\"");
    else
        SetRunAtStartup(L"Keystrider", nullptr);

    // Every registrable shortcut becomes a live hotkey of this window.
    store.RegisterHotKeys(GetSafeHwnd());

    // The pop-up: modeless, without a parent, at the stored opacity.
    m_pDlgInfo = new CDlgInfo(nullptr);
    m_pDlgInfo->Create(IDD_DLG_INFO, nullptr);
    m_pDlgInfo->SetTransparency(store.m_nInfoTransparent);

    // The about page: build time, version, legal notice and the maker's link.
    m_stcBuildTime.SetWindowText(CString(L"Build Time: ") + CString(__DATE__) + L", " + CString(__TIME__));
    CString strVersion;
    strVersion.Format(L"%s %s", L"Keystrider", kVersionText);
    strVersion += L" (64 Bit)";
    SetDlgItemText(IDC_VERSION_TEXT, strVersion);
    SetDlgItemText(IDC_LEGAL_NOTICE, L"Copyright (C) 2009-2011\r\nAll rights reserved.");
    m_lnkMaker.SetURL(KS_MAKER_SITE_URL);
    m_lnkMaker.SetTooltip(L"Visit Velmo Software site");
    m_lnkMaker.SizeToContent(FALSE, FALSE);

    // Sliders and their value fields.
    m_sldTransparent.SetRange(20, 100, FALSE);
    m_sldTime.SetRange(0, 5000, FALSE);
    m_sldTransparent.SetPos(store.m_nInfoTransparent);
    m_sldTime.SetPos(store.m_nInfoTime);
    CString strValue;
    strValue.Format(L"%d", store.m_nInfoTransparent);
    SetDlgItemText(IDC_TRANSPARENT_VALUE, strValue);
    strValue.Format(L"%d", store.m_nInfoTime);
    SetDlgItemText(IDC_TIME_VALUE, strValue);

    // The update frequency and the hourly prompt.
    // Any value but 1 and 2 (a hand-edited file) means never to the update schedule: "Never" is checked,
    // and no control beyond the three radio buttons.
    const int nCheckNewVersion =
        store.m_nCheckNewVersion == 1 || store.m_nCheckNewVersion == 2 ? store.m_nCheckNewVersion : 0;
    CheckRadioButton(IDC_CHECK_NEVER, IDC_CHECK_EVERY_WEEK, IDC_CHECK_NEVER + nCheckNewVersion);
    CheckDlgButton(IDC_PROMPT_ON_THE_HOUR, store.m_nStrikeOnHour ? 1 : 0);

    // The update link starts as "up to date"; an update check that finds a newer version rewrites it.
    m_lnkUpdate.SetWindowText(L"It's lastest!");
    m_lnkUpdate.SetURL(KS_MAKER_SITE_URL);
    m_lnkUpdate.SetTooltip(L"The current version is lastest.");
    m_lnkUpdate.SizeToContent(FALSE, FALSE);

    // The hourly clock and the update schedule.
    ArmHourlyPromptTimer();
    CheckForUpdate(FALSE);

    // The sound options; with sound off, the per-shortcut sound choice and the sound file are disabled.
    CheckDlgButton(IDC_PLAY_SOUND, store.m_nGenPlaySound ? 1 : 0);
    CheckDlgButton(IDC_ASSIGN_DIFFERENT_SOUND, store.m_nGenAssignASound ? 1 : 0);
    m_edtSoundFile.EnableFileBrowseButton(nullptr, nullptr);
    m_edtSoundFile.SetWindowText(store.m_strGenSoundAddress);
    if (!store.m_nGenPlaySound)
    {
        CWnd* pAssign = GetDlgItem(IDC_ASSIGN_DIFFERENT_SOUND);
        if (pAssign != nullptr)
            pAssign->EnableWindow(FALSE);
        m_edtSoundFile.EnableWindow(FALSE);
    }
}

CWnd* CKeystriderView::GetInPlaceEditor() const
{
    return m_wndList.IsEditing() ? m_wndList.GetEditor() : nullptr;
}

void CKeystriderView::OnDestroy()
{
    // The hotkeys belong to this window: release them while it still exists.
    theApp.m_ShortCutConfig.UnregisterHotKeys(GetSafeHwnd());
    CFormView::OnDestroy();
}
