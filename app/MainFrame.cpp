// CMainFrame: construction, window creation with the skin's bars and the tray icon, and the frame's
// message map.
#include "app/MainFrame.h"

#include "app/AppMessages.h"
#include "app/KeystriderApp.h"
#include "app/KeystriderView.h"
#include "app/MakerSite.h"
#include "framework/core/CStringArray.h"
#include "framework/window/CmdUI.h"
#include "framework/controls/ContextMenuManager.h"
#include "framework/gdi/GlobalData.h"
#include "framework/bars/ToolBarMenuButton.h"
#include "framework/gdi/WindowDC.h"
#include "framework/window/WndMessageMap.h"
#include "res/resource.h"
#include "skin/SkinVisualManager.h"

static_assert(sizeof(NOTIFYICONDATAW) == 976, "the tray icon's data is the whole Vista structure");

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWndEx)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWndEx)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_ACTIVATE()
ON_WM_SIZE()
ON_COMMAND_RANGE(ID_PAGE_SHORTCUT, ID_PAGE_LAST, SelectPage)
ON_UPDATE_COMMAND_UI_RANGE(ID_PAGE_SHORTCUT, ID_PAGE_LAST, OnUpdatePage)
ON_COMMAND_RANGE(ID_LINKS_FIRST, ID_LINKS_LAST, OnLinksBarCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_LINKS_FIRST, ID_LINKS_LAST, OnUpdateLinksBarCommand)
ON_WM_GETMINMAXINFO()
ON_WM_SETTINGCHANGE()
ON_COMMAND(ID_TRAY_PLAY, OnPlay)
ON_UPDATE_COMMAND_UI(ID_TRAY_PLAY, OnUpdatePlay)
ON_COMMAND(ID_TOOL_STOP, OnStop)
ON_UPDATE_COMMAND_UI(ID_TOOL_STOP, OnUpdateStop)
ON_COMMAND(ID_TOOL_SHORTCUT, OnShortcutPage)
ON_COMMAND(ID_TOOL_EXIT, OnExit)
ON_MESSAGE(WM_TRAYNOTIFY, OnTrayNotify)
ON_WM_DESTROY()
ON_COMMAND(ID_TRAY_SHOW_WINDOW, OnTrayShowWindow)
ON_COMMAND(ID_TRAY_STOP, OnStop)
ON_UPDATE_COMMAND_UI(ID_TRAY_STOP, OnUpdateStop)
ON_COMMAND(ID_TRAY_EXIT, OnTrayExit)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
ON_COMMAND(ID_OPEN_MAKER_SITE, OnOpenMakerSite)
ON_MESSAGE(WM_UPDATE_DOWNLOADED, OnUpdateDownloaded)
ON_WM_DROPFILES()
END_MESSAGE_MAP()

namespace
{
// The framework's default tool-bar style plus a fixed size.
const DWORD kToolBarStyle = AFX_DEFAULT_TOOLBAR_STYLE | CBRS_SIZE_FIXED;
const DWORD kTasksPaneStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_LEFT;

CShortCutConfig& Store()
{
    return theApp.m_ShortCutConfig;
}
} // namespace

CMainFrame* GetMainFrame()
{
    return DYNAMIC_DOWNCAST(CMainFrame, AfxGetMainWnd());
}

CMainFrame::CMainFrame() : m_evCancelUpdate(FALSE, FALSE)
{
    m_hUser32 = ::LoadLibraryW(L"User32.DLL");
    if (m_hUser32 != nullptr)
        m_pfnSetLayeredWindowAttributes = reinterpret_cast<PFN_SETLAYEREDWINDOWATTRIBUTES>(
            reinterpret_cast<void*>(::GetProcAddress(m_hUser32, "SetLayeredWindowAttributes")));
}

CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // A hidden start keeps the window invisible from its creation on.
    if (Store().m_nGeneralHideToTray != 0)
        lpCreateStruct->style &= ~WS_VISIBLE;

    if (CFrameWndEx::OnCreate(lpCreateStruct) == -1)
        return -1;

    // The skin's caption bar replaces the system caption.
    ModifyStyle(WS_CAPTION | FWS_ADDTOTITLE, 0, SWP_FRAMECHANGED);
    ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);

    // The skin's visual manager draws the bars; tool bar buttons, menu pictures and combo boxes
    // take the sizes and the flat look that go with it.
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CSkinVisualManager));
    CMFCToolBarButton::m_bWrapText = FALSE;
    CMFCToolBar::SetMenuSizes(CSize(22, 22), CSize(16, 16));
    CMFCToolBarComboBoxButton::SetFlatMode();
    CMFCToolBarComboBoxButton::SetCenterVert();

    // Caption bar.
    if (!m_wndCaptionBar.Create(this, IDW_CAPTION_BAR))
        return -1;
    if (afxGlobalData.fontRegular.GetSafeHandle() != nullptr)
    {
        LOGFONT lf = {};
        afxGlobalData.fontRegular.GetLogFont(&lf);
        m_wndCaptionBar.SetCaptionFont(&lf);
    }

    // Menu bar: it holds the main menu, whose commands only the accelerators reach; never shown.
    if (!m_wndMenuBar.Create(this, AFX_DEFAULT_TOOLBAR_STYLE, AFX_IDW_MENUBAR))
        return -1;
    m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockPane(&m_wndMenuBar);
    m_wndMenuBar.ShowPane(FALSE, FALSE, FALSE);

    // The colour depth chooses the tool bar's pictures: the full set above 16 bits per pixel, the
    // low-colour strip otherwise.
    {
        CClientDC dc(this);
        m_bHighColor = dc.GetDeviceCaps(BITSPIXEL) > 16;
    }

    // Tool bar: Run, Stop, Shortcut, Exit.
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, kToolBarStyle, CRect(1, 1, 1, 1), AFX_IDW_TOOLBAR))
        return -1;
    const BOOL bImages =
        m_bHighColor
            ? m_wndToolBar.LoadButtonImages(IDR_MAINFRAME, IDB_TOOLBAR_COLD, IDB_TOOLBAR_MENU, FALSE,
                                            IDB_TOOLBAR_DISABLED, 0, IDB_TOOLBAR_HOT, IDB_TOOLBAR_PRESSED)
            : m_wndToolBar.LoadButtonImages(IDR_MAINFRAME, 0, IDB_TOOLBAR_MENU_LOW_COLOR, FALSE, 0, 0, 0, 0);
    if (!bImages)
        return -1;
    DockPane(&m_wndToolBar);

    // The page tabs.
    if (!m_wndCategoryBar.CreateEx(this, TBSTYLE_FLAT, kToolBarStyle, CRect(1, 1, 1, 1), IDW_CATEGORY_BAR))
        return -1;
    DockPane(&m_wndCategoryBar);

    // The shortcut page is the current page from the start.
    SelectPage(ID_PAGE_SHORTCUT);

    // Tasks pane; the window works without it.
    m_wndTasksPane.Create(L"", this, CRect(0, 0, 150, 300), FALSE, IDW_TASKS_PANE, kTasksPaneStyle, 0, 0);
    if (m_wndTasksPane.GetSafeHwnd() != nullptr)
        DockPane(&m_wndTasksPane);

    // Tray icon, added once.
    ::ZeroMemory(&m_nid, sizeof(m_nid));
    m_nid.cbSize = sizeof(m_nid);
    m_nid.hWnd = m_hWnd;
    m_nid.uID = IDR_MAINFRAME;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = WM_TRAYNOTIFY;
    m_nid.hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ::lstrcpynW(m_nid.szTip, L"Keystrider", ARRAYSIZE(m_nid.szTip));
    ::Shell_NotifyIconW(NIM_ADD, &m_nid);

    // A second instance finds this window by its property.
    ::SetPropW(m_hWnd, KS_WINDOW_PROPERTY, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(1)));

    // Files dropped on the window become new shortcuts (OnDropFiles).
    DragAcceptFiles(TRUE);

    // The bars take their heights now, so that the first WM_SIZE builds the skin's background over
    // all of them.
    RecalcLayout();
    return 0;
}

void CMainFrame::OnClose()
{
    if (Store().m_nGeneralCloseToTray != 0)
    {
        ShowWindow(SW_HIDE);
        return;
    }
    if (CanCloseNow())
        CFrameWndEx::OnClose();
}

BOOL CMainFrame::CanCloseNow()
{
    // A message box or file dialog of the view disables the frame while it is open, and the code that
    // opened it goes on with the view once it is answered: the frame must not go away under it (the
    // tray menu and the command "Exit" still reach the frame meanwhile). The open window comes forward.
    if (IsWindowEnabled())
        return TRUE;
    HWND hPopup = ::GetLastActivePopup(m_hWnd);
    if (hPopup != nullptr && hPopup != m_hWnd)
        ::SetForegroundWindow(hPopup);
    return FALSE;
}

void CMainFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CFrameWndEx::OnActivate(nState, pWndOther, bMinimized);
    if (m_wndCaptionBar.GetSafeHwnd() != nullptr)
        m_wndCaptionBar.SetActive(nState != WA_INACTIVE);
}

void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    if (nType == SIZE_MINIMIZED)
        ShowWindow(SW_HIDE);
    UpdateSkinBackground(CSize(cx, cy));
    if (m_wndCaptionBar.GetSafeHwnd() != nullptr)
        m_wndCaptionBar.SetMaximized(nType == SIZE_MAXIMIZED);
    CFrameWndEx::OnSize(nType, cx, cy);
}

void CMainFrame::SelectPage(UINT nId)
{
    m_nCurrentPage = static_cast<int>(nId) - ID_PAGE_SHORTCUT;
    CKeystriderView* pView = DYNAMIC_DOWNCAST(CKeystriderView, GetActiveView());
    if (pView != nullptr)
        pView->ShowPage(m_nCurrentPage);
}

void CMainFrame::OnUpdatePage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(pCmdUI->m_nID == static_cast<UINT>(m_nCurrentPage + ID_PAGE_SHORTCUT) ? 1 : 0);
}

void CMainFrame::OnLinksBarCommand(UINT nId)
{
    m_wndLinksBar[nId - ID_LINKS_FIRST].SetSelectedId(nId);
}

void CMainFrame::OnUpdateLinksBarCommand(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndLinksBar[pCmdUI->m_nID - ID_LINKS_FIRST].GetSelectedId() == pCmdUI->m_nID ? 1 : 0);
    pCmdUI->Enable(TRUE);
}

void CMainFrame::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CFrameWndEx::OnGetMinMaxInfo(lpMMI);
    if (m_wndCategoryBar.GetSafeHwnd() != nullptr)
    {
        lpMMI->ptMinTrackSize = CPoint(KS_FRAME_WIDTH, KS_FRAME_HEIGHT);
        lpMMI->ptMaxTrackSize = CPoint(KS_FRAME_WIDTH, KS_FRAME_HEIGHT);
    }
}

void CMainFrame::OnSettingChange(UINT uFlags, const wchar_t* lpszSection)
{
    CFrameWndEx::OnSettingChange(uFlags, lpszSection);
    if (m_wndCaptionBar.GetSafeHwnd() != nullptr && afxGlobalData.fontRegular.GetSafeHandle() != nullptr)
    {
        LOGFONT lf = {};
        afxGlobalData.fontRegular.GetLogFont(&lf);
        m_wndCaptionBar.SetCaptionFont(&lf);
    }
    CRect rectClient;
    GetClientRect(&rectClient);
    UpdateSkinBackground(rectClient.Size());
}

void CMainFrame::OnPlay()
{
    OnStop();
}

void CMainFrame::OnStop()
{
    CShortCutConfig& store = Store();
    store.m_bRunning = store.m_bRunning != 0 ? 0 : 1;
    CView* pView = GetActiveView();
    if (pView == nullptr)
        return;
    if (store.m_bRunning != 0)
        store.RegisterHotKeys(pView->GetSafeHwnd());
    else
        store.UnregisterHotKeys(pView->GetSafeHwnd());
}

void CMainFrame::OnUpdatePlay(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(Store().m_bRunning == 0);
}

void CMainFrame::OnUpdateStop(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(Store().m_bRunning != 0);
}

void CMainFrame::OnShortcutPage()
{
    SelectPage(ID_PAGE_SHORTCUT);
}

void CMainFrame::OnExit()
{
    if (CanCloseNow())
        CFrameWndEx::OnClose();
}

void CMainFrame::OnTrayExit()
{
    if (CanCloseNow())
        CFrameWndEx::OnClose();
}

LRESULT CMainFrame::OnTrayNotify(WPARAM, LPARAM lParam)
{
    switch (static_cast<UINT>(lParam))
    {
    case WM_LBUTTONDBLCLK:
        if (IsWindowVisible())
        {
            ShowWindow(SW_HIDE);
        }
        else
        {
            ShowWindow(SW_SHOW);
            ShowWindow(SW_RESTORE);
            SetForegroundWindow();
        }
        return 1;
    case WM_RBUTTONUP:
        ShowTrayMenu();
        return 1;
    default:
        return 0;
    }
}

void CMainFrame::ShowTrayMenu()
{
    CPoint pt;
    ::GetCursorPos(&pt);
    CContextMenuManager* pManager = theApp.GetContextMenuManager();
    HMENU hMenu = pManager->GetMenuById(IDR_TRAY_MENU);
    HMENU hPopup = hMenu != nullptr ? ::GetSubMenu(hMenu, 0) : nullptr;
    if (hPopup == nullptr)
        return;
    pManager->ShowPopupMenu(hPopup, pt.x, pt.y, this, TRUE, TRUE, FALSE);
}

void CMainFrame::OnDestroy()
{
    EndUpdateCheck();
    CFrameWndEx::OnDestroy();
    ::RemovePropW(m_hWnd, KS_WINDOW_PROPERTY);
    m_nid.hIcon = nullptr;
    ::Shell_NotifyIconW(NIM_DELETE, &m_nid);
}

void CMainFrame::OnTrayShowWindow()
{
    ShowWindow(SW_SHOWNORMAL);
}

void CMainFrame::SendToInPlaceEditor(UINT message)
{
    CKeystriderView* pView = DYNAMIC_DOWNCAST(CKeystriderView, GetActiveView());
    if (pView == nullptr)
        return;
    CWnd* pEditor = pView->GetInPlaceEditor();
    if (pEditor != nullptr)
    {
        pEditor->SendMessage(message, 0, 0);
        return;
    }
    // The accelerators take the clipboard keys from the view's other edit fields too (the sound
    // file): the field with the focus gets them, as it would without the accelerators.
    HWND hFocus = ::GetFocus();
    wchar_t szClass[16] = {};
    if (hFocus != nullptr && ::IsChild(pView->GetSafeHwnd(), hFocus) &&
        ::GetClassNameW(hFocus, szClass, ARRAYSIZE(szClass)) > 0 && ::lstrcmpiW(szClass, L"Edit") == 0)
        ::SendMessageW(hFocus, message, 0, 0);
}

void CMainFrame::OnEditCopy()
{
    SendToInPlaceEditor(WM_COPY);
}

void CMainFrame::OnEditCut()
{
    SendToInPlaceEditor(WM_CUT);
}

void CMainFrame::OnEditPaste()
{
    SendToInPlaceEditor(WM_PASTE);
}

void CMainFrame::OnEditUndo()
{
    SendToInPlaceEditor(EM_UNDO);
}

void CMainFrame::OnOpenMakerSite()
{
    ::ShellExecuteW(m_hWnd, L"open", KS_MAKER_SITE_URL, nullptr, nullptr, SW_SHOWNORMAL);
}

void CMainFrame::OnDropFiles(HDROP hDropInfo)
{
    CKeystriderView* pView = DYNAMIC_DOWNCAST(CKeystriderView, GetActiveView());
    if (pView != nullptr)
    {
        CWnd* pNew = pView->GetDlgItem(IDC_NEW);
        if (pNew == nullptr || !pNew->IsWindowVisible())
            SelectPage(ID_PAGE_SHORTCUT);
        CStringArray files;
        const UINT nCount = ::DragQueryFileW(hDropInfo, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < nCount; ++i)
        {
            wchar_t szFile[MAX_PATH] = {};
            if (::DragQueryFileW(hDropInfo, i, szFile, MAX_PATH) > 0)
                files.Add(szFile);
        }
        pView->AddDroppedFiles(files);
    }
    ::DragFinish(hDropInfo);
}

void CMainFrame::UpdateSkinBackground(CSize sizeClient)
{
    CSkinVisualManager* pManager = DYNAMIC_DOWNCAST(CSkinVisualManager, CMFCVisualManager::GetInstance());
    if (pManager == nullptr)
        return;
    int nHeight = 0;
    for (CWnd* pBar : {static_cast<CWnd*>(&m_wndCaptionBar), static_cast<CWnd*>(&m_wndToolBar),
                       static_cast<CWnd*>(&m_wndCategoryBar)})
    {
        if (pBar->GetSafeHwnd() == nullptr)
            continue;
        CRect rect;
        pBar->GetWindowRect(&rect);
        nHeight += rect.Height();
    }
    CWindowDC dc(this);
    pManager->DrawFrameBackground(&dc, CSize(sizeClient.cx, nHeight));
}
