// CDocument: the view list, new and opened documents, and closing with the document's windows.
#include "framework/docview/Document.h"
#include "framework/docview/DocTemplate.h"
#include "framework/docview/FrameWnd.h"
#include "framework/window/MessageBox.h"
#include "framework/docview/View.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::~CDocument()
{
    for (CView* pView : m_views)
        pView->m_pDocument = nullptr;
    m_views.clear();
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(const wchar_t* lpszTitle)
{
    m_strTitle = lpszTitle != nullptr ? lpszTitle : L"";
}

void CDocument::SetPathName(const wchar_t* lpszPathName)
{
    m_strPathName = lpszPathName != nullptr ? lpszPathName : L"";
    const int nSlash = std::max(m_strPathName.ReverseFind(L'\\'), m_strPathName.ReverseFind(L'/'));
    SetTitle(m_strPathName.Mid(nSlash + 1));
}

void CDocument::AddView(CView* pView)
{
    if (pView == nullptr || std::find(m_views.begin(), m_views.end(), pView) != m_views.end())
        return;
    m_views.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    auto it = std::find(m_views.begin(), m_views.end(), pView);
    if (it == m_views.end())
        return;
    m_views.erase(it);
    pView->m_pDocument = nullptr;
    // A document without views has nothing left to show.
    if (m_views.empty() && m_bAutoDelete)
        OnCloseDocument();
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const wchar_t* lpszPathName)
{
    HANDLE hFile = ::CreateFileW(lpszPathName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        CString text;
        text.Format(L"The file \"%s\" cannot be opened.", lpszPathName != nullptr ? lpszPathName : L"");
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    ::CloseHandle(hFile);
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // The views must not delete the document while their frames go.
    const BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    std::vector<HWND> frames;
    for (CView* pView : m_views)
    {
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && std::find(frames.begin(), frames.end(), pFrame->m_hWnd) == frames.end())
            frames.push_back(pFrame->m_hWnd);
    }
    for (HWND hFrame : frames)
    {
        if (CWnd* pFrame = CWnd::FromHandlePermanent(hFrame))
            pFrame->DestroyWindow();
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
