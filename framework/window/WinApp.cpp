// CWinApp and the start routine AfxWinMain.
#include "framework/window/WinApp.h"
#include "framework/window/MessageBox.h"
#include "framework/window/Wnd.h"

#include <ole2.h>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace
{
CWinApp* g_pApp = nullptr;

// The string table's application title (AFX_IDS_APP_TITLE), else the executable's base name.
CString DefaultAppName(HINSTANCE hInstance)
{
    CString name;
    wchar_t* text = nullptr;
    const int nLength = ::LoadStringW(hInstance, 0xE000, reinterpret_cast<wchar_t*>(&text), 0);
    if (nLength > 0 && text != nullptr)
        return CString(text, nLength);
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(hInstance, path, MAX_PATH - 1);
    name = path;
    name = name.Mid(name.ReverseFind(L'\\') + 1);
    const int dot = name.ReverseFind(L'.');
    return dot > 0 ? name.Left(dot) : name;
}
} // namespace

CWinApp::CWinApp(const wchar_t* lpszAppName)
{
    g_pApp = this;
    AfxSetThread(this); // constructed on the user-interface thread, during static initialisation
    m_bAutoDelete = FALSE;
    m_hInstance = ::GetModuleHandleW(nullptr);
    if (lpszAppName != nullptr)
        SetAppName(lpszAppName);
}

CWinApp::~CWinApp()
{
    for (CDocTemplate* pTemplate : m_templates)
        AfxGetDocTemplateCalls().pfnDelete(pTemplate);
    m_templates.clear();
    if (g_pApp == this)
        g_pApp = nullptr;
}

int CWinApp::ExitInstance()
{
    if (m_bOleInitialized)
    {
        ::OleUninitialize();
        m_bOleInitialized = FALSE;
    }
    return CWinThread::ExitInstance();
}

void CWinApp::SetAppName(const wchar_t* lpszAppName)
{
    m_strAppName = lpszAppName != nullptr ? lpszAppName : L"";
    m_pszAppName = m_strAppName;
    AfxSetMessageBoxTitle(m_pszAppName);
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    if (m_pMainWnd == nullptr)
        ::PostQuitMessage(0); // nothing to run for
    return CWinThread::Run();
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->m_pMainWnd != nullptr)
        return pThread->m_pMainWnd;
    return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_pApp != nullptr && g_pApp->m_hInstance != nullptr ? g_pApp->m_hInstance
                                                               : ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine != nullptr ? lpCmdLine : L"";
    pApp->m_nCmdShow = nCmdShow;
    pApp->m_nThreadID = ::GetCurrentThreadId();
    AfxSetThread(pApp);
    if (pApp->m_pszAppName == nullptr)
        pApp->SetAppName(DefaultAppName(hInstance));

    int nReturnCode = -1;
    try
    {
        if (!pApp->InitApplication() || !pApp->InitInstance())
        {
            if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->m_hWnd != nullptr)
                pApp->m_pMainWnd->DestroyWindow();
            nReturnCode = pApp->ExitInstance();
        }
        else
        {
            nReturnCode = pApp->Run();
        }
    }
    catch (...)
    {
        nReturnCode = -1; // nothing of ours leaves the start routine as an exception
    }
    AfxDeleteTempMaps();
    return nReturnCode;
}
