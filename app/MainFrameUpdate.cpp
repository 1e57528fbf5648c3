// CMainFrame's part of the update check: starting the download worker, taking its end, copying and
// reading the update-description file.
#include "app/MainFrame.h"

#include "app/KeystriderApp.h"
#include "app/KeystriderView.h"
#include "app/MakerSite.h"
#include "framework/window/WinThread.h"
#include "update/PadFile.h"

#include <urlmon.h>

namespace
{
// On the maker's web site.
const wchar_t kUpdateAddress[] = KS_MAKER_SITE_URL L"downloads/pad_keystrider.xml";

const wchar_t* g_pszUpdateAddress = kUpdateAddress;

// How long closing the window waits for a running download to take its cancel.
const DWORD kCancelWaitMs = 5000;
} // namespace

const wchar_t* CMainFrame::GetUpdateAddress()
{
    return g_pszUpdateAddress;
}

const wchar_t* CMainFrame::SetUpdateAddress(const wchar_t* pszAddress)
{
    const wchar_t* pszPrevious = g_pszUpdateAddress;
    g_pszUpdateAddress = pszAddress != nullptr ? pszAddress : kUpdateAddress;
    return pszPrevious;
}

void CMainFrame::StartUpdateCheck()
{
    if (m_pUpdateThread != nullptr)
        return;
    if (IsValidURL(nullptr, GetUpdateAddress(), 0) != S_OK)
        return;

    // The block is complete before the worker runs: it is created suspended.
    m_UpdateParam.m_hNotifyWnd = GetSafeHwnd();
    m_evCancelUpdate.ResetEvent();
    m_UpdateParam.m_hCancelEvent = m_evCancelUpdate.m_hObject;
    m_UpdateParam.m_strURL = GetUpdateAddress();
    m_UpdateParam.m_strCacheFile.Empty();

    m_pUpdateThread =
        AfxBeginThread(UpdateCheckThreadProc, &m_UpdateParam, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (m_pUpdateThread == nullptr)
        return;
    // The frame deletes the thread object once it has waited for the thread (OnUpdateDownloaded).
    m_pUpdateThread->m_bAutoDelete = FALSE;
    m_pUpdateThread->ResumeThread();
}

LRESULT CMainFrame::OnUpdateDownloaded(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    // Only the worker posts this message; one arriving with no worker has nothing to take.
    if (m_pUpdateThread == nullptr)
        return 0;
    DWORD dwExitCode = 0;
    if (GetExitCodeThread(m_pUpdateThread->m_hThread, &dwExitCode) && dwExitCode == STILL_ACTIVE)
        WaitForSingleObject(m_pUpdateThread->m_hThread, INFINITE);
    delete m_pUpdateThread;
    m_pUpdateThread = nullptr;

    if (m_UpdateParam.m_strCacheFile.IsEmpty())
        return 0;
    CString strPath = theApp.m_ShortCutConfig.GetPadFilePath();
    if (strPath.IsEmpty())
        return 0;
    // Copied beside the update file and then moved over it, so that a copy that fails half-way (a full
    // disk) leaves the last good file as it was. The move keeps the copy's modification time.
    CString strTemp = strPath + L".tmp";
    if (CopyFileW(m_UpdateParam.m_strCacheFile, strTemp, FALSE) &&
        MoveFileExW(strTemp, strPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ParsePadFile();
    else
        DeleteFileW(strTemp);
    return 0;
}

void CMainFrame::EndUpdateCheck()
{
    if (m_pUpdateThread == nullptr)
        return;
    // The worker is cancelled and, for a while, waited for. The callback aborts the download at its
    // next progress report, which it sends to this thread: sent messages are answered while waiting,
    // or the two would wait for each other.
    m_evCancelUpdate.SetEvent();
    HANDLE hThread = m_pUpdateThread->m_hThread;
    const DWORD dwStart = GetTickCount();
    bool bEnded = false;
    for (;;)
    {
        DWORD dwElapsed = GetTickCount() - dwStart;
        if (dwElapsed >= kCancelWaitMs)
            break;
        DWORD dwResult =
            MsgWaitForMultipleObjects(1, &hThread, FALSE, kCancelWaitMs - dwElapsed, QS_SENDMESSAGE);
        bEnded = dwResult == WAIT_OBJECT_0;
        if (dwResult != WAIT_OBJECT_0 + 1)
            break;
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE); // answers the sent messages
    }
    if (bEnded)
    {
        delete m_pUpdateThread;
    }
    else
    {
        // Still connecting: the worker is let go. After the cancel it leaves this frame alone (it works
        // on copies of the block and on its own handle of the event); its thread object, which it reads
        // once more as it ends, then deletes itself and closes its handle. Should the thread end just
        // now, before the flag is set, the object is merely left behind: never freed under the thread.
        m_pUpdateThread->m_bAutoDelete = TRUE;
    }
    m_pUpdateThread = nullptr;
}

int CMainFrame::ParsePadFile()
{
    CString strPath = theApp.m_ShortCutConfig.GetPadFilePath();
    if (ReadPadFile(strPath, m_tmPadFile, m_bNewVersion, m_strUpdateText, m_strDownloadURL) == 0)
        return 0;
    CKeystriderView* pView = DYNAMIC_DOWNCAST(CKeystriderView, GetActiveView());
    if (pView != nullptr)
        pView->ShowUpdateResult();
    return 1;
}
