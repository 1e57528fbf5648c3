// CView: joining the document, initial update, activation and command routing to the document.
#include "framework/docview/View.h"
#include "framework/docview/DocTemplate.h"
#include "framework/docview/Document.h"
#include "framework/docview/FrameWnd.h"
#include "framework/window/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::~CView()
{
    LeaveFrame();
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this); // may delete the document when this was its last view
}

BOOL CView::Create(const wchar_t* lpszClassName, const wchar_t* lpszWindowName, DWORD dwStyle,
                   const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext)
{
    m_pCreateContext = static_cast<CCreateContext*>(pContext);
    if (!CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext))
        return FALSE; // the view has deleted itself
    m_pCreateContext = nullptr;
    return TRUE;
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_pCreateContext != nullptr && m_pCreateContext->m_pCurrentDoc != nullptr)
        m_pCreateContext->m_pCurrentDoc->AddView(this);
    CFrameWnd* pFrame = GetParentFrame();
    m_hWndFrame = pFrame != nullptr ? pFrame->m_hWnd : nullptr;
    return 0;
}

void CView::LeaveFrame()
{
    // The frame must not keep a pointer to a view that is going away.
    auto* pFrame = dynamic_cast<CFrameWnd*>(FromHandlePermanent(m_hWndFrame));
    if (pFrame != nullptr && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE);
    m_hWndFrame = nullptr;
}

void CView::OnDestroy()
{
    LeaveFrame();
    Default();
}

void CView::PostNcDestroy()
{
    delete this;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    // Take the focus when the view becomes active inside the active window.
    if (!bActivate || pActivateView != this || m_hWnd == nullptr)
        return;
    HWND hTop = ::GetAncestor(m_hWnd, GA_ROOT);
    HWND hFocus = ::GetFocus();
    if (hTop == ::GetActiveWindow() && hFocus != m_hWnd && !::IsChild(m_hWnd, hFocus))
        ::SetFocus(m_hWnd);
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
