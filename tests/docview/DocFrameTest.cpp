// The document window's start-up through a single-document template (document, frame, form view,
// initial update), command routing view -> document -> frame -> application, accelerators, and
// closing the main frame, which ends the message loop and deletes document, frame and view.
#include <gtest/gtest.h>

#include "framework/window/CmdUI.h"
#include "framework/window/CommandLineInfo.h"
#include "framework/window/DataExchange.h"
#include "framework/docview/DocTemplate.h"
#include "framework/docview/Document.h"
#include "framework/docview/FormView.h"
#include "framework/bars/FrameWndEx.h"
#include "framework/window/MessageBox.h"
#include "framework/window/WinApp.h"
#include "framework/window/WndMessageMap.h"
#include "tests/docview/DialogTemplateBuilder.h"

#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_route;
int g_liveObjects = 0;

const int IDC_NEW = 1007;
const UINT ID_CMD_VIEW = 40001;   // handled by the view
const UINT ID_CMD_DOC = 40002;    // handled by the document (and by the frame, which comes later)
const UINT ID_CMD_FRAME = 40003;  // handled by the frame
const UINT ID_CMD_APP = 40004;    // handled by the application
const UINT ID_CMD_NOBODY = 40005; // handled by no one

DialogTemplateBuilder& FormTemplate()
{
    static DialogTemplateBuilder tmpl = []
    {
        DialogTemplateBuilder t(WS_CHILD | WS_CLIPCHILDREN, 200, 100);
        t.Add(0x80, IDC_NEW, BS_PUSHBUTTON, 5, 5, 40, 14, L"New");
        return t;
    }();
    return tmpl;
}

class CTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CTestDoc)
public:
    CTestDoc() { ++g_liveObjects; }
    ~CTestDoc() override { --g_liveObjects; }
    void OnDocCommand() { g_route.push_back("doc"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
ON_COMMAND(ID_CMD_DOC, OnDocCommand)
END_MESSAGE_MAP()

class CTestView : public CFormView
{
    DECLARE_DYNCREATE(CTestView)
public:
    CTestView() : CFormView(FormTemplate().Get()) { ++g_liveObjects; }
    ~CTestView() override { --g_liveObjects; }
    CWnd m_btnNew;
    int initialUpdates = 0;
    BOOL docAtInitialUpdate = FALSE;
    void DoDataExchange(CDataExchange* pDX) override
    {
        CFormView::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_NEW, m_btnNew);
    }
    void OnInitialUpdate() override
    {
        ++initialUpdates;
        CFormView::OnInitialUpdate();
        docAtInitialUpdate = GetDocument() != nullptr && GetParentFrame()->GetActiveView() == this;
    }
    void OnViewCommand() { g_route.push_back("view"); }
    void OnNew() { g_route.push_back("view new"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestView, CFormView)
BEGIN_MESSAGE_MAP(CTestView, CFormView)
ON_COMMAND(ID_CMD_VIEW, OnViewCommand)
ON_BN_CLICKED(IDC_NEW, OnNew)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWndEx
{
    DECLARE_DYNCREATE(CTestFrame)
public:
    CTestFrame() { ++g_liveObjects; }
    ~CTestFrame() override { --g_liveObjects; }
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    {
        CFrameWndEx::OnGetMinMaxInfo(lpMMI);
        lpMMI->ptMinTrackSize = lpMMI->ptMaxTrackSize = {400, 300}; // a fixed-size window
    }
    void OnFrameCommand() { g_route.push_back("frame"); }
    void OnDocCommandTooLate() { g_route.push_back("frame doc"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestFrame, CFrameWndEx)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWndEx)
ON_WM_GETMINMAXINFO()
ON_COMMAND(ID_CMD_FRAME, OnFrameCommand)
ON_COMMAND(ID_CMD_DOC, OnDocCommandTooLate)
END_MESSAGE_MAP()

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp(L"Keystrider Test") {}
    void OnAppCommand() { g_route.push_back("app"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_CMD_APP, OnAppCommand)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

// The application object is the process's only one; the test thread stands for the UI thread.
struct AppFixture
{
    CWinThread* previous = AfxGetThread();
    CTestApp* app = new CTestApp;
    AppFixture()
    {
        app->AddDocTemplate(new CSingleDocTemplate(4711, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                                   RUNTIME_CLASS(CTestView)));
        app->m_nCmdShow = SW_HIDE; // hidden windows keep the tests fast under Wine
    }
    ~AppFixture()
    {
        if (app->m_pMainWnd != nullptr)
            app->m_pMainWnd->DestroyWindow();
        delete app;
        AfxSetThread(previous);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
        }
    }
};
} // namespace

TEST(DocFrameTest, ShellCommandCreatesDocumentFrameAndViewAndRunsTheInitialUpdate)
{
    g_liveObjects = 0;
    AppFixture f;
    f.app->m_nCmdShow = SW_SHOWNOACTIVATE;
    CCommandLineInfo cmdInfo; // no arguments: a new document
    EXPECT_EQ(CCommandLineInfo::FileNew, cmdInfo.m_nShellCommand);
    ASSERT_TRUE(f.app->ProcessShellCommand(cmdInfo));

    auto* pFrame = dynamic_cast<CTestFrame*>(f.app->m_pMainWnd);
    ASSERT_NE(nullptr, pFrame);
    auto* pView = dynamic_cast<CTestView*>(pFrame->GetActiveView());
    ASSERT_NE(nullptr, pView);
    EXPECT_NE(nullptr, dynamic_cast<CTestDoc*>(pFrame->GetActiveDocument()));
    EXPECT_EQ(1, pView->initialUpdates);
    EXPECT_TRUE(pView->docAtInitialUpdate);
    EXPECT_NE(nullptr, pView->m_btnNew.m_hWnd); // data exchange bound the form's button
    EXPECT_EQ(pFrame->m_hWnd, ::GetParent(pView->m_hWnd));
    EXPECT_EQ(AFX_IDW_PANE_FIRST, pView->GetDlgCtrlID());
    EXPECT_TRUE(pFrame->IsWindowVisible()); // shown with the application's show command
    EXPECT_EQ(-1, f.app->m_nCmdShow);       // which is used once
    EXPECT_EQ(3, g_liveObjects);

    // The frame has its fixed size from the start, and the view fills its client area.
    CRect window;
    pFrame->GetWindowRect(&window);
    EXPECT_EQ(CSize(400, 300), window.Size());
    CRect client, view;
    pFrame->GetClientRect(&client);
    pView->GetWindowRect(&view);
    EXPECT_EQ(client.Size(), view.Size());
}

TEST(DocFrameTest, CommandsRunViewDocumentFrameApplication)
{
    AppFixture f;
    CCommandLineInfo cmdInfo;
    ASSERT_TRUE(f.app->ProcessShellCommand(cmdInfo));
    CWnd* pFrame = f.app->m_pMainWnd;

    g_route.clear();
    for (UINT id : {ID_CMD_VIEW, ID_CMD_DOC, ID_CMD_FRAME, ID_CMD_APP, ID_CMD_NOBODY})
        pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    EXPECT_EQ((std::vector<std::string>{"view", "doc", "frame", "app"}), g_route);

    // A button of the form notifies the view, its parent.
    auto* pView = dynamic_cast<CTestView*>(static_cast<CFrameWnd*>(pFrame)->GetActiveView());
    ASSERT_NE(nullptr, pView);
    g_route.clear();
    ::SendMessageW(pView->m_btnNew.m_hWnd, BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"view new"}), g_route);

    // Items of the frame's bars: enabled when someone on the route handles them.
    struct : CCmdUI
    {
        int enabled = -1;
        void Enable(BOOL bOn) override { enabled = bOn; }
    } appItem, orphanItem;
    appItem.m_nID = ID_CMD_APP;
    orphanItem.m_nID = ID_CMD_NOBODY;
    appItem.DoUpdate(pFrame, TRUE);
    orphanItem.DoUpdate(pFrame, TRUE);
    EXPECT_EQ(1, appItem.enabled);
    EXPECT_EQ(0, orphanItem.enabled);
}

TEST(DocFrameTest, AcceleratorsOfTheFrameReachTheCommandRoute)
{
    AppFixture f;
    CCommandLineInfo cmdInfo;
    ASSERT_TRUE(f.app->ProcessShellCommand(cmdInfo));
    auto* pFrame = static_cast<CFrameWnd*>(f.app->m_pMainWnd);
    ACCEL accel = {FVIRTKEY | FCONTROL, 'K', static_cast<WORD>(ID_CMD_FRAME)};
    pFrame->m_hAccelTable = ::CreateAcceleratorTableW(&accel, 1); // the frame destroys it

    g_route.clear();
    ::PostMessageW(pFrame->GetActiveView()->m_hWnd, WM_KEYDOWN, 'K', 0);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (!f.app->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ((std::vector<std::string>{"frame"}), g_route);
}

TEST(DocFrameTest, ClosingTheMainFrameEndsTheLoopAndFreesEverything)
{
    g_liveObjects = 0;
    AppFixture f;
    CCommandLineInfo cmdInfo;
    ASSERT_TRUE(f.app->ProcessShellCommand(cmdInfo));
    EXPECT_EQ(3, g_liveObjects);
    HWND hFrame = f.app->m_pMainWnd->m_hWnd;

    f.app->m_pMainWnd->PostMessage(WM_CLOSE);
    EXPECT_EQ(0, f.app->Run()); // returns once the main window is gone
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(nullptr, f.app->m_pMainWnd);
    EXPECT_EQ(0, g_liveObjects); // view, frame and document deleted themselves
    auto* pTemplate = static_cast<CSingleDocTemplate*>(f.app->GetDocTemplates().front());
    EXPECT_EQ(nullptr, pTemplate->GetOnlyDocument());
}

TEST(DocFrameTest, CommandLineArgumentsChooseTheShellCommand)
{
    CCommandLineInfo plain;
    plain.ParseParam(L"C:\\data\\keys.ini", FALSE, TRUE);
    EXPECT_EQ(CCommandLineInfo::FileOpen, plain.m_nShellCommand);
    EXPECT_STREQ(L"C:\\data\\keys.ini", plain.m_strFileName);

    CCommandLineInfo flags;
    flags.ParseParam(L"nonsense", TRUE, FALSE); // unknown flags change nothing
    EXPECT_EQ(CCommandLineInfo::FileNew, flags.m_nShellCommand);
    flags.ParseParam(L"unregister", TRUE, TRUE);
    EXPECT_EQ(CCommandLineInfo::AppUnregister, flags.m_nShellCommand);
}

TEST(DocFrameTest, OpeningAMissingFileFailsWithAMessage)
{
    AppFixture f;
    static std::wstring seen;
    AfxMessageBoxHook old = AfxSetMessageBoxHook(
        [](HWND, const wchar_t* text, const wchar_t* caption, UINT)
        {
            seen = std::wstring(caption) + L": " + text;
            return IDOK;
        });
    CCommandLineInfo cmdInfo;
    cmdInfo.ParseParam(L"C:\\no\\such\\file.ini", FALSE, TRUE);
    EXPECT_FALSE(f.app->ProcessShellCommand(cmdInfo));
    AfxSetMessageBoxHook(old);
    EXPECT_EQ(L"Keystrider Test: The file \"C:\\no\\such\\file.ini\" cannot be opened.", seen);
    EXPECT_EQ(nullptr, f.app->m_pMainWnd);
    auto* pTemplate = static_cast<CSingleDocTemplate*>(f.app->GetDocTemplates().front());
    EXPECT_EQ(nullptr, pTemplate->GetOnlyDocument()); // no half-made document is left behind
}
