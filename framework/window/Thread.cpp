// Worker threads: CWinThread's creation, start and end, and AfxBeginThread.
#include "framework/window/WinThread.h"
#include "framework/window/Wnd.h"

#include <process.h>

namespace
{
unsigned __stdcall ThreadEntry(void* pArg)
{
    auto* pThread = static_cast<CWinThread*>(pArg);
    AfxSetThread(pThread);
    UINT nResult = 0;
    // Nothing of ours leaves the thread as an exception; a failing worker ends with code 1.
    try
    {
        nResult = pThread->Run();
    }
    catch (...)
    {
        nResult = 1;
    }
    AfxDeleteTempMaps();
    AfxSetThread(nullptr);
    if (pThread->m_bAutoDelete)
        delete pThread;
    return nResult;
}
} // namespace

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam)
{
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (m_hThread != nullptr)
        return FALSE;
    unsigned nThreadID = 0;
    // Always created suspended: the handle and id are stored before the thread can run (and end).
    const uintptr_t handle =
        ::_beginthreadex(lpSecurityAttrs, nStackSize, &ThreadEntry, this, CREATE_SUSPENDED, &nThreadID);
    if (handle == 0)
        return FALSE;
    m_hThread = reinterpret_cast<HANDLE>(handle);
    m_nThreadID = nThreadID;
    if ((dwCreateFlags & CREATE_SUSPENDED) == 0)
        ::ResumeThread(m_hThread);
    return TRUE;
}

DWORD CWinThread::ResumeThread()
{
    return ::ResumeThread(m_hThread);
}

DWORD CWinThread::SuspendThread()
{
    return ::SuspendThread(m_hThread);
}

BOOL CWinThread::SetThreadPriority(int nPriority)
{
    return ::SetThreadPriority(m_hThread, nPriority);
}

int CWinThread::GetThreadPriority()
{
    return ::GetThreadPriority(m_hThread);
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                           DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (pfnThreadProc == nullptr)
        return nullptr;
    auto* pThread = new CWinThread(pfnThreadProc, pParam);
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs))
    {
        delete pThread;
        return nullptr;
    }
    pThread->SetThreadPriority(nPriority);
    if ((dwCreateFlags & CREATE_SUSPENDED) == 0)
        pThread->ResumeThread();
    return pThread;
}
