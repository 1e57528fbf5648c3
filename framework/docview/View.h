// CView: a child of a frame that shows a document; it joins the document's view list at creation,
// gets OnInitialUpdate once the frame is complete, and passes unhandled commands to its document.
// CScrollView: the thin base of views that scroll.
#pragma once

#include "framework/window/Wnd.h"

class CDocument;
struct CCreateContext;

// Sent by the frame to its views once the document, the frame and the views exist.
#define WM_INITIALUPDATE 0x0364

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    BOOL Create(const wchar_t* lpszClassName, const wchar_t* lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, void* pContext = nullptr) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    virtual void OnInitialUpdate();
    // The document changed; the base repaints.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);

protected:
    CView() = default;

    CDocument* m_pDocument = nullptr;
    CCreateContext* m_pCreateContext = nullptr; // valid during Create only

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);
    void PostNcDestroy() override; // views delete themselves with their window

private:
    friend class CDocument;
    HWND m_hWndFrame = nullptr; // the frame that may hold this view as its active one
    void LeaveFrame();

    DECLARE_MESSAGE_MAP()
};

class CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)
protected:
    CScrollView() = default;
};
