// CWinApp: the application object (one per process): its instance, command line, show command and
// title, its start routine (AfxWinMain calls InitInstance, then the message loop).
#pragma once

#include "framework/CString.h"
#include "framework/WinThread.h"

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(const wchar_t* lpszAppName = nullptr);
    ~CWinApp() override;

    const wchar_t* m_pszAppName = nullptr; // the application's title (message-box caption)
    HINSTANCE m_hInstance = nullptr;
    const wchar_t* m_lpCmdLine = L"";
    int m_nCmdShow = SW_SHOWNORMAL;

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int Run() override;

    // Sets the title and makes it the caption of every message box.
    void SetAppName(const wchar_t* lpszAppName);

private:
    CString m_strAppName;
};

CWinApp* AfxGetApp();
// The main window of the calling thread (of the application when the thread has none).
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// The start routine the program's wWinMain calls: sets up the application object, runs InitInstance
// and then the message loop; returns the process's exit code.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);
