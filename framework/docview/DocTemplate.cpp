// CDocTemplate and CSingleDocTemplate: creating the document, its frame and its view.
#include "framework/docview/DocTemplate.h"
#include "framework/docview/Document.h"
#include "framework/docview/FrameWnd.h"
#include "framework/docview/View.h"
#include "framework/window/WinApp.h"
#include "framework/window/WinThread.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
    // The application object (a layer below) opens documents and frees templates through these.
    AfxSetDocTemplateCalls({[](CDocTemplate* pTemplate, const wchar_t* lpszPathName)
                            { return pTemplate->OpenDocumentFile(lpszPathName); },
                            [](CDocTemplate* pTemplate) { delete pTemplate; }});
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    if (pDoc != nullptr && pDoc->m_pDocTemplate == this)
        pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* pObject = m_pDocClass != nullptr ? m_pDocClass->CreateObject() : nullptr;
    auto* pDocument = dynamic_cast<CDocument*>(pObject);
    if (pDocument == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    pDocument->m_pDocTemplate = this;
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;

    CObject* pObject = m_pFrameClass != nullptr ? m_pFrameClass->CreateObject() : nullptr;
    auto* pFrame = dynamic_cast<CFrameWnd*>(pObject);
    if (pFrame == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr; // the frame has deleted itself
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    delete m_pOnlyDoc; // clears m_pOnlyDoc through RemoveDocument
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

void CSingleDocTemplate::CloseAllDocuments()
{
    if (m_pOnlyDoc != nullptr)
        m_pOnlyDoc->OnCloseDocument();
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const wchar_t* lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = m_pOnlyDoc;
    CFrameWnd* pFrame = nullptr;
    BOOL bDocCreated = FALSE;
    if (pDocument != nullptr)
    {
        // One document at a time: the open one is reused in its frame.
        if (!pDocument->SaveModified())
            return nullptr;
        if (!pDocument->GetViews().empty())
            pFrame = pDocument->GetViews().front()->GetParentFrame();
    }
    else
    {
        pDocument = CreateNewDocument();
        if (pDocument == nullptr)
            return nullptr;
        m_pOnlyDoc = pDocument;
        bDocCreated = TRUE;
    }

    BOOL bFrameCreated = FALSE;
    if (pFrame == nullptr)
    {
        const BOOL bAutoDelete = pDocument->m_bAutoDelete;
        pDocument->m_bAutoDelete = FALSE; // a failing frame must not take the document with its view
        pFrame = CreateNewFrame(pDocument, nullptr);
        pDocument->m_bAutoDelete = bAutoDelete;
        if (pFrame == nullptr)
        {
            if (bDocCreated)
                delete pDocument;
            return nullptr;
        }
        bFrameCreated = TRUE;
    }

    const BOOL bOpened = lpszPathName == nullptr
                             ? (pDocument->SetTitle(L"Untitled"), pDocument->OnNewDocument())
                             : pDocument->OnOpenDocument(lpszPathName);
    if (!bOpened)
    {
        if (bFrameCreated)
            pFrame->DestroyWindow(); // its view goes with it, and the new document with the view
        return nullptr;
    }
    if (lpszPathName != nullptr)
        pDocument->SetPathName(lpszPathName);

    CWinThread* pThread = AfxGetThread();
    if (bFrameCreated && pThread != nullptr && pThread->m_pMainWnd == nullptr)
        pThread->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}
