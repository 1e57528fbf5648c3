// CKeystriderView's command executor: built-in commands, the shell's Open for the rest, and the pop-up.
#include "app/KeystriderView.h"

#include "app/DlgInfo.h"
#include "app/KeystriderApp.h"
#include "app/MainFrame.h"
#include "engine/CommandKeywords.h"
#include "engine/CommandLine.h"
#include "engine/SystemActions.h"
#include "framework/window/ShellOpen.h"
#include "res/resource.h"

namespace
{
// The time a window's process is given to close before it is terminated.
const DWORD kCloseTimeout = 2000;

void ShowMainWindow()
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd == nullptr || pMainWnd->GetSafeHwnd() == nullptr)
        return;
    if (!pMainWnd->IsWindowVisible())
        pMainWnd->ShowWindow(SW_SHOWNORMAL);
    else if (pMainWnd->IsIconic())
        pMainWnd->ShowWindow(SW_RESTORE);
    pMainWnd->SetForegroundWindow();
}
} // namespace

void CKeystriderView::ExecuteCommand(const wchar_t* pszCommand, const wchar_t* pszName)
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    CString strName(pszName != nullptr ? pszName : L"");
    strName.Trim();
    CString strFirstWord, strRest;
    if (!SplitCommand(pszCommand, strFirstWord, strRest))
        return; // a blank command: no action, no pop-up

    const CommandKeyword keyword = FindCommandKeyword(strFirstWord);
    CMainFrame* pFrame = GetMainFrame();
    switch (keyword)
    {
    case COMMAND_VOLUME:
    case COMMAND_MUTE:
    {
        int nLevel = 0;
        BOOL bMute = FALSE;
        ChangeMasterVolume(keyword, strRest, m_bVistaOrLater, &nLevel, &bMute);
        if (m_pDlgInfo != nullptr)
            m_pDlgInfo->ShowVolumeLevel(strName, nLevel, bMute);
        break;
    }
    case COMMAND_SHUTDOWN:
    case COMMAND_RESTART:
        ShutdownSystem(ShutdownFlagsOf(keyword, strRest));
        break;
    case COMMAND_SHOW:
        if (strRest.IsEmpty())
            ShowMainWindow();
        else
            ShowWindowByTitle(strRest);
        break;
    case COMMAND_RUN:
        if (store.m_bRunning == 0 && pFrame != nullptr)
            pFrame->OnStop();
        break;
    case COMMAND_STOP:
        if (store.m_bRunning == 1 && pFrame != nullptr)
            pFrame->OnStop();
        break;
    case COMMAND_EXIT:
    {
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr)
            pMainWnd->PostMessage(WM_COMMAND, ID_TRAY_EXIT, 0);
        break;
    }
    case COMMAND_TOGGLE:
        // Nothing behind the keyword: nothing to start or to end (an empty name would match nothing sensible
        // and start nothing).
        if (!strRest.IsEmpty())
            ToggleProgram(strRest);
        break;
    case COMMAND_CLOSE:
        // Nothing behind the keyword: every title contains the empty text, so the first top-level window's
        // process would be closed; do nothing instead.
        if (!strRest.IsEmpty())
            CloseWindowByTitle(strRest);
        break;
    case COMMAND_OPEN:
        // A name longer than the shell takes is not handed to it: the command does nothing, silently, as
        // every command that fails.
        OpenWithShell(L"Open", strFirstWord, strRest, SW_SHOW);
        break;
    }

    if (store.m_nPromptNameShortcut)
    {
        const bool bVolume = keyword == COMMAND_VOLUME || keyword == COMMAND_MUTE;
        PopupInfo(bVolume ? 0 : 1, strName);
    }
}

void CKeystriderView::ToggleProgram(const wchar_t* pszProgram)
{
    if (!KillProcessByName(pszProgram))
        OpenWithShell(L"Open", pszProgram, nullptr, SW_SHOWNORMAL);
}

void CKeystriderView::ShowWindowByTitle(const wchar_t* pszTitle)
{
    HWND hWnd = FindWindowByTitle(pszTitle);
    if (hWnd == nullptr)
        return;
    if (!::IsWindowVisible(hWnd))
        ::ShowWindow(hWnd, SW_SHOW);
    else if (::IsIconic(hWnd))
        ::ShowWindow(hWnd, SW_RESTORE);
    else
        ::SetForegroundWindow(hWnd);
}

void CKeystriderView::CloseWindowByTitle(const wchar_t* pszTitle)
{
    HWND hWnd = FindWindowByTitle(pszTitle);
    if (hWnd == nullptr)
        return;
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId != 0)
        CloseProcessById(dwProcessId, kCloseTimeout);
}
