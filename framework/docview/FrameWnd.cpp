// CFrameWnd: creation from a resource id, the view in the client area, command routing, accelerators
// and the closing of the document's window.
#include "framework/docview/FrameWnd.h"
#include "framework/docview/DocTemplate.h"
#include "framework/docview/Document.h"
#include "framework/docview/View.h"
#include "framework/window/WinApp.h"
#include "framework/window/WndMessageMap.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_SIZE()
END_MESSAGE_MAP()

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

CFrameWnd::~CFrameWnd()
{
    if (m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
    if (m_hMenuDefault != nullptr && (m_hWnd == nullptr || ::GetMenu(m_hWnd) != m_hMenuDefault))
        ::DestroyMenu(m_hMenuDefault);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND hWnd = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr; hWnd != nullptr;
         hWnd = ::GetParent(hWnd))
    {
        if (auto* pFrame = dynamic_cast<CFrameWnd*>(FromHandlePermanent(hWnd)))
            return pFrame;
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(FromHandlePermanent(m_hWnd));
    for (CFrameWnd* pParent = GetParentFrame(); pParent != nullptr; pParent = pParent->GetParentFrame())
        pFrame = pParent;
    return pFrame;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    // The title is the first line of the resource's string ("Title\nDocument\n...").
    CString strFull;
    if (strFull.LoadString(nIDResource))
    {
        const int nNewLine = strFull.Find(L'\n');
        m_strTitle = nNewLine >= 0 ? strFull.Left(nNewLine) : strFull;
    }
    HINSTANCE hInst = AfxGetResourceHandle();
    HICON hIcon = ::LoadIconW(hInst, MAKEINTRESOURCEW(nIDResource));
    const wchar_t* lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                                   reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
    // Menu and accelerators exist before the window, so that its creation (bars) can use them.
    m_hMenuDefault = ::LoadMenuW(hInst, MAKEINTRESOURCEW(nIDResource));
    m_hAccelTable = ::LoadAcceleratorsW(hInst, MAKEINTRESOURCEW(nIDResource));

    if (!Create(lpszClass, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd, pContext))
        return FALSE; // the frame has deleted itself
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::Create(const wchar_t* lpszClassName, const wchar_t* lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, CCreateContext* pContext)
{
    const bool bDefault = rect.left == CW_USEDEFAULT && rect.top == CW_USEDEFAULT;
    const int x = bDefault ? CW_USEDEFAULT : rect.left;
    const int y = bDefault ? CW_USEDEFAULT : rect.top;
    const int cx = bDefault ? CW_USEDEFAULT : rect.right - rect.left;
    const int cy = bDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, nullptr, pContext);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!OnCreateClient(lpCreateStruct, pContext))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    auto* pView = dynamic_cast<CWnd*>(pObject);
    if (pView == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr; // the view has deleted itself
    return pView;
}

CWnd* CFrameWnd::GetViewWindow() const
{
    return FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST));
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = pViewNew;
    if (!bNotify)
        return;
    if (pViewOld != nullptr)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    if (pViewNew != nullptr)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument() const
{
    return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    CWnd* pView = GetViewWindow();
    if (pView == nullptr)
        return;
    CRect rect;
    GetClientRect(&rect);
    pView->MoveWindow(&rect);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
    {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow == -1)
        return;
    if (nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINNOACTIVE &&
        nCmdShow != SW_SHOWNOACTIVATE && nCmdShow != SW_SHOWNA)
        ::BringWindowToTop(m_hWnd);
    ShowWindow(nCmdShow);
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible)
{
    CView* pView = m_pViewActive;
    if (pView == nullptr)
    {
        pView = dynamic_cast<CView*>(GetViewWindow());
        if (pView != nullptr)
            SetActiveView(pView, FALSE);
    }
    if (bMakeVisible)
    {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        // The main window takes the application's show command once.
        int nCmdShow = -1;
        CWinApp* pApp = AfxGetApp();
        CWinThread* pThread = AfxGetThread();
        if (pApp != nullptr && pThread != nullptr && pThread->m_pMainWnd == this)
        {
            nCmdShow = pApp->m_nCmdShow;
            pApp->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
        if (pView != nullptr && m_pViewActive == pView)
            pView->OnActivateView(TRUE, pView, pView);
    }
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!bAddToTitle || (GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDoc = GetActiveDocument();
    CString title = pDoc != nullptr && !pDoc->GetTitle().IsEmpty() ? pDoc->GetTitle() : CString(L"Untitled");
    if (!m_strTitle.IsEmpty())
        title += CString(L" - ") + m_strTitle;
    SetWindowText(title);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || m_hAccelTable == nullptr ||
        m_hWnd == nullptr)
        return FALSE;
    return ::TranslateAcceleratorW(m_hWnd, m_hAccelTable, pMsg) != 0;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view first (it passes on to its document), then the frame, then the application.
    if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::OnClose()
{
    CDocument* pDoc = GetActiveDocument();
    if (pDoc != nullptr && !pDoc->SaveModified())
        return;
    CWinThread* pThread = AfxGetThread();
    if (pDoc != nullptr && pThread != nullptr && pThread->m_pMainWnd == this)
    {
        pDoc->OnCloseDocument(); // destroys this frame with the document's views
        return;
    }
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}
