// CKeystriderApp: construction of the store and the start-up sequence.
#include "app/KeystriderApp.h"

#include "app/KeystriderDoc.h"
#include "app/KeystriderView.h"
#include "app/MainFrame.h"
#include "framework/window/CommandLineInfo.h"
#include "framework/controls/ContextMenuManager.h"
#include "framework/docview/DocTemplate.h"
#include "framework/window/MessageBox.h"
#include "framework/window/Ole.h"
#include "framework/controls/TooltipManager.h"
#include "res/resource.h"

CKeystriderApp theApp;

BEGIN_MESSAGE_MAP(CKeystriderApp, CWinAppEx)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
END_MESSAGE_MAP()

namespace
{
const wchar_t kRegistryKey[] = L"Velmo Software\\";
const wchar_t kSettingsSection[] = L"Settings";
const wchar_t kConfigurationVer[] = L"Configuration Ver";
const int kCurrentConfigurationVer = 2;
} // namespace

CKeystriderApp::CKeystriderApp() : CWinAppEx(TRUE)
{
    m_ShortCutConfig.m_bRunning = 1;
}

CKeystriderApp::~CKeystriderApp() = default;

HWND CKeystriderApp::FindFirstInstanceWindow()
{
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (::GetPropW(hWnd, KS_WINDOW_PROPERTY) != nullptr)
            return hWnd;
    }
    return nullptr;
}

BOOL CKeystriderApp::InitInstance()
{
    // One instance: a second start brings the first one's window forward and ends.
    HANDLE hMutex = ::CreateMutexW(nullptr, FALSE, KS_INSTANCE_MUTEX);
    if (::GetLastError() == ERROR_ALREADY_EXISTS)
    {
        if (hMutex != nullptr)
            ::CloseHandle(hMutex);
        // This process ends now: the store it read at start must not be written back at its exit over
        // the file that the first instance keeps.
        m_ShortCutConfig.m_strConfigFilePath.Empty();
        HWND hFirst = FindFirstInstanceWindow();
        if (hFirst == nullptr)
            return FALSE;
        if (!::IsWindowVisible(hFirst))
            ::ShowWindow(hFirst, SW_SHOWNORMAL);
        else if (::IsIconic(hFirst))
            ::ShowWindow(hFirst, SW_RESTORE);
        ::SetForegroundWindow(hFirst);
        return FALSE;
    }
    // The first instance keeps its mutex handle open until the process ends.

    // OLE and the hosting of controls; without OLE the program does not start.
    if (!AfxOleInit())
    {
        AfxMessageBox(IDS_OLE_INIT_FAILED);
        return FALSE;
    }
    AfxEnableControlContainer();

    // The framework's registry key.
    SetRegistryKey(kRegistryKey);
    SetRegistryBase(kSettingsSection);

    // Tool tips drawn through the visual manager, for every kind of control.
    CMFCToolTipInfo ttParams;
    ttParams.m_bVislManagerTheme = TRUE;
    GetTooltipManager()->SetTooltipParams(AFX_TOOLTIP_TYPE_ALL, RUNTIME_CLASS(CMFCToolTipCtrl), &ttParams);

    // The single-document template.
    CSingleDocTemplate* pDocTemplate =
        new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKeystriderDoc), RUNTIME_CLASS(CMainFrame),
                               RUNTIME_CLASS(CKeystriderView));
    AddDocTemplate(pDocTemplate);

    // Stored framework state of another layout version is discarded.
    if (GetProfileInt(kSettingsSection, kConfigurationVer, 0) != kCurrentConfigurationVer)
    {
        Unregister();
        WriteProfileInt(kSettingsSection, kConfigurationVer, kCurrentConfigurationVer);
    }

    // The command line: the framework's own parsing only.
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);

    // Hidden start: first activated minimised, without the stored placement.
    const BOOL bHideToTray = m_ShortCutConfig.m_nGeneralHideToTray != 0;
    if (bHideToTray)
    {
        m_nCmdShow = SW_MINIMIZE;
        EnableLoadWindowPlacement(FALSE);
    }

    // Document, frame and view.
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    // The main window stays hidden on a hidden start and is shown otherwise.
    if (m_pMainWnd == nullptr)
        return FALSE;
    if (bHideToTray)
    {
        m_pMainWnd->ShowWindow(SW_HIDE);
    }
    else
    {
        m_pMainWnd->ShowWindow(SW_SHOW);
        m_pMainWnd->UpdateWindow();
    }

    // The update-description file of the last download.
    if (CMainFrame* pFrame = GetMainFrame())
        pFrame->ParsePadFile();

    return TRUE;
}

void CKeystriderApp::PreLoadState()
{
    GetContextMenuManager()->AddMenu(L"Tray Popup Menu", IDR_TRAY_MENU);
}

void CKeystriderApp::OnAppAbout() {}

void CKeystriderApp::OnFileNew()
{
    if (m_pMainWnd == nullptr)
        CWinAppEx::OnFileNew();
}

void CKeystriderApp::OnFileOpen()
{
    if (m_pMainWnd == nullptr)
        CWinAppEx::OnFileOpen();
}
