// CKeystriderView: initial update, page switch and the end of the hotkeys with the view's window.
#include "app/KeystriderView.h"

#include "app/BrowserEdit.h"
#include "app/DlgInfo.h"
#include "app/KeystriderApp.h"
#include "app/LabelMessages.h"
#include "app/MainFrame.h"
#include "engine/SystemActions.h"
#include "framework/DataExchange.h"
#include "framework/WndMessageMap.h"
#include "res/resource.h"

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
ON_WM_DESTROY()
ON_BN_CLICKED(IDC_EMPTY_KEY, OnEmptyKey)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_SHORTCUT_LIST, OnItemChangedList)
ON_NOTIFY(NM_DBLCLK, IDC_SHORTCUT_LIST, OnDblClkList)
ON_BN_CLICKED(IDC_CHECK_NOW, OnCheckNow)
ON_BN_CLICKED(ID_EXECUTE, OnExecute)
END_MESSAGE_MAP()

namespace
{
const int kRowButtons[] = {IDC_NEW,
                           IDC_DELETE,
                           IDC_MOVE_UP,
                           IDC_MOVE_DOWN,
                           IDC_EMPTY_KEY,
                           IDC_RESET_TO_DEFAULT,
                           IDC_EXPORT_CONFIGURATION,
                           IDC_IMPORT_CONFIGURATION};
const int kOptionControls[] = {IDC_STARTUP_WITH_WINDOWS,
                               IDC_HIDE_TO_TRAY_AT_START,
                               IDC_CLOSE_TO_TRAY,
                               IDC_PROMPT_ON_THE_HOUR,
                               IDC_PROMPT_NAME,
                               IDC_CHECK_VERSION_GROUP,
                               IDC_CHECK_NEVER,
                               IDC_CHECK_EVERY_DAY,
                               IDC_CHECK_EVERY_WEEK,
                               IDC_CHECK_NOW,
                               IDC_UPDATE_LINK,
                               IDC_PROMPT_DIALOG_GROUP,
                               IDC_TRANSPARENT_LABEL,
                               IDC_TIME_LABEL,
                               IDC_TRANSPARENT_VALUE,
                               IDC_TIME_VALUE,
                               IDC_PERCENT_LABEL,
                               IDC_MS_LABEL,
                               IDC_TRANSPARENT_SLIDER,
                               IDC_TIME_SLIDER,
                               IDC_SOUND_GROUP,
                               IDC_PLAY_SOUND,
                               IDC_ASSIGN_DIFFERENT_SOUND,
                               IDC_SOUND_FILE};
const int kAboutControls[] = {IDC_ABOUT_ICON, IDC_MAKER_LINK, IDC_BUILD_TIME, IDC_VERSION_TEXT,
                              IDC_LEGAL_NOTICE};
} // namespace

CKeystriderView::CKeystriderView() : CFormView(IDD_MAIN_FORM) {}

CKeystriderView::~CKeystriderView()
{
    delete m_pDlgInfo;
}

void CKeystriderView::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SHORTCUT_LIST, m_wndList);
}

CWnd* CKeystriderView::GetInPlaceEditor() const
{
    return m_wndList.IsEditing() ? m_wndList.GetEditor() : nullptr;
}

void CKeystriderView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    CShortCutConfig& store = theApp.m_ShortCutConfig;

    m_wndList.ModifyStyle(0, LVS_EDITLABELS | LVS_SHOWSELALWAYS);
    m_wndList.SetExtendedStyle(m_wndList.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES |
                               LVS_EX_INFOTIP | LVS_EX_CHECKBOXES);
    m_wndList.EnableToolTips(TRUE);
    SetListRowHeight(m_wndList.GetSafeHwnd(), 18);
    m_wndList.EnableMarkSortedColumn(FALSE, FALSE);
    for (int nId : {IDC_DELETE, IDC_MOVE_UP, IDC_MOVE_DOWN, IDC_EMPTY_KEY})
        if (CWnd* pButton = GetDlgItem(nId))
            pButton->EnableWindow(FALSE);

    if (CMainFrame* pFrame = GetMainFrame())
        ShowPage(pFrame->m_nCurrentPage);

    store.RegisterHotKeys(m_hWnd);

    m_pDlgInfo = new CDlgInfo(nullptr);
    m_pDlgInfo->Create(IDD_DLG_INFO, nullptr);
    m_pDlgInfo->SetTransparency(store.m_nInfoTransparent);

    CheckForUpdate(FALSE);
}

void CKeystriderView::ShowPage(int nPage)
{
    if (nPage < 0 || nPage > 3)
        return;
    auto show = [this](const int* ids, size_t count, BOOL bShow)
    {
        for (size_t i = 0; i < count; ++i)
            if (CWnd* pControl = GetDlgItem(ids[i]))
                pControl->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    };
    CWnd* pList = GetDlgItem(IDC_SHORTCUT_LIST);
    CWnd* pFrame = GetDlgItem(IDC_PAGE_FRAME);
    if (nPage == 0 || nPage == 1)
    {
        show(kRowButtons, ARRAYSIZE(kRowButtons), nPage == 0);
        if (pList != nullptr)
        {
            CRect rect;
            pList->GetWindowRect(&rect);
            ScreenToClient(&rect);
            rect.top = nPage == 0 ? 65 : 10;
            pList->MoveWindow(&rect, TRUE);
            pList->ShowWindow(SW_SHOW);
        }
        if (pFrame != nullptr)
            pFrame->ShowWindow(SW_HIDE);
        show(kOptionControls, ARRAYSIZE(kOptionControls), FALSE);
        show(kAboutControls, ARRAYSIZE(kAboutControls), FALSE);
        FillList(nPage == 1 ? 1 : 0);
        return;
    }
    if (pList != nullptr)
        pList->ShowWindow(SW_HIDE);
    show(kRowButtons, ARRAYSIZE(kRowButtons), FALSE);
    if (pFrame != nullptr)
    {
        pFrame->SetWindowText(nPage == 2 ? L"Options" : L"About");
        pFrame->ShowWindow(SW_SHOW);
    }
    show(kOptionControls, ARRAYSIZE(kOptionControls), nPage == 2);
    show(kAboutControls, ARRAYSIZE(kAboutControls), nPage == 3);
}

void CKeystriderView::OnDestroy()
{
    theApp.m_ShortCutConfig.UnregisterHotKeys(m_hWnd);
    CFormView::OnDestroy();
}
