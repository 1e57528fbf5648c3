// frame_app_helper: a program made only of the class library's application machinery, for tests of
// the start routine (AfxWinMain), the single-document start-up and the end of the message loop.
//
// Usage: frame_app_helper.exe [--fail-init] [/Unregister]
//   (no argument)  creates document, frame and view through a single-document template, then closes
//                  the frame from a timer; exit code 7 when the loop ended with the frame destroyed
//                  and every message-box caption was the application's title, 8 otherwise
//   --fail-init    InitInstance answers FALSE after making a main window: exit code 5, from
//                  ExitInstance, and the window is destroyed
//   /Unregister    the shell command removes the application's registry keys and ends the start:
//                  exit code 6
#include "framework/window/CommandLineInfo.h"
#include "framework/docview/DocTemplate.h"
#include "framework/docview/Document.h"
#include "framework/bars/FrameWndEx.h"
#include "framework/window/MessageBox.h"
#include "framework/docview/View.h"
#include "framework/bars/WinAppEx.h"
#include "framework/window/WndMessageMap.h"

#include <cwchar>

namespace
{
const int kExitClosed = 7;
const int kExitWrong = 8;
const int kExitInitFailed = 5;
const int kExitUnregistered = 6;

class CHelperDoc : public CDocument
{
    DECLARE_DYNCREATE(CHelperDoc)
};
IMPLEMENT_DYNCREATE(CHelperDoc, CDocument)

class CHelperView : public CView
{
    DECLARE_DYNCREATE(CHelperView)
public:
    int initialUpdates = 0;
    void OnInitialUpdate() override
    {
        ++initialUpdates;
        CView::OnInitialUpdate();
        SetTimer(1, 50, nullptr);
    }
    void OnTimer(UINT_PTR)
    {
        KillTimer(1);
        GetParentFrame()->PostMessage(WM_CLOSE);
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CHelperView, CView)
BEGIN_MESSAGE_MAP(CHelperView, CView)
ON_WM_TIMER()
END_MESSAGE_MAP()

class CHelperFrame : public CFrameWndEx
{
    DECLARE_DYNCREATE(CHelperFrame)
};
IMPLEMENT_DYNCREATE(CHelperFrame, CFrameWndEx)

class CHelperApp : public CWinAppEx
{
public:
    enum Mode
    {
        Normal,
        FailInit,
        Unregister
    } mode = Normal;
    HWND hMainWnd = nullptr;

    BOOL InitInstance() override
    {
        mode = wcsstr(m_lpCmdLine, L"--fail-init") != nullptr   ? FailInit
               : wcsstr(m_lpCmdLine, L"/Unregister") != nullptr ? Unregister
                                                                : Normal;
        SetRegistryKey(L"Ks Helper Co");
        if (mode == FailInit)
        {
            auto* pFrame = new CHelperFrame;
            if (pFrame->Create(nullptr, L"failing"))
                m_pMainWnd = pFrame;
            hMainWnd = pFrame->m_hWnd;
            return FALSE;
        }
        AddDocTemplate(new CSingleDocTemplate(128, RUNTIME_CLASS(CHelperDoc), RUNTIME_CLASS(CHelperFrame),
                                              RUNTIME_CLASS(CHelperView)));
        CCommandLineInfo cmdInfo;
        ParseCommandLine(cmdInfo);
        m_nCmdShow = SW_HIDE;
        if (!ProcessShellCommand(cmdInfo))
            return FALSE;
        hMainWnd = m_pMainWnd->m_hWnd;
        return TRUE;
    }

    int ExitInstance() override
    {
        CWinAppEx::ExitInstance();
        switch (mode)
        {
        case FailInit:
            return ::IsWindow(hMainWnd) ? kExitWrong : kExitInitFailed;
        case Unregister:
            return kExitUnregistered;
        default:
            // The title (the executable's name) is every message box's caption.
            return hMainWnd != nullptr && !::IsWindow(hMainWnd) && m_pMainWnd == nullptr &&
                           wcscmp(AfxGetMessageBoxTitle(), L"frame_app_helper") == 0 &&
                           wcscmp(m_pszAppName, L"frame_app_helper") == 0
                       ? kExitClosed
                       : kExitWrong;
        }
    }
};

CHelperApp theApp;
} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
