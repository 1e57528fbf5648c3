// CWinThread: a thread with a message loop: pre-translation through the window tree, idle processing
// (command-update of the main window's bars, release of temporary window wrappers).
#pragma once

#include "framework/window/CmdTarget.h"

class CWnd;

// A worker thread's function: its result is the thread's exit code.
using AFX_THREADPROC = UINT(__cdecl*)(LPVOID pParam);

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    // A worker running pfnThreadProc(pParam) once CreateThread starts it.
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    ~CWinThread() override;

    // Starts the thread (CREATE_SUSPENDED: it waits for ResumeThread). FALSE when the system refuses.
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0,
                      LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
    DWORD ResumeThread();
    DWORD SuspendThread();
    BOOL SetThreadPriority(int nPriority);
    int GetThreadPriority();

    CWnd* m_pMainWnd = nullptr; // the loop ends when this window is destroyed
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop; returns ExitInstance's result once WM_QUIT arrives.
    virtual int Run();
    // Offers a message to the windows from its target up to the main window (each window's
    // PreTranslateMessage: accelerators, dialog keys). TRUE: consumed, not dispatched.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Called while the queue is empty with 0, 1, 2...; TRUE asks for more idle calls.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PumpMessage();
    // FALSE for messages that must not restart idle processing (paint, repeated mouse moves, caret blink).
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd();

protected:
    AFX_THREADPROC m_pfnThreadProc = nullptr;
    LPVOID m_pThreadParams = nullptr;
    MSG m_msgCur = {};
    POINT m_ptCursorLast = {-1, -1};
    UINT m_nMsgLast = 0;
};

// The CWinThread object of the calling thread (the application on the user-interface thread).
CWinThread* AfxGetThread();
void AfxSetThread(CWinThread* pThread);

// Creates and starts a worker thread; null when it cannot be created. With m_bAutoDelete (the
// default) the object deletes itself when the thread ends; a caller that waits on m_hThread turns it
// off before resuming a suspended thread.
CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
                           int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0,
                           DWORD dwCreateFlags = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
