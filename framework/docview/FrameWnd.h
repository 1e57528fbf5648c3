// CFrameWnd: a top-level window around a view: created from a resource id (title string, icon,
// accelerators, menu), routes commands view -> document -> frame -> application, translates its
// accelerators, and lays out its client area (the base gives the whole of it to the view).
#pragma once

#include "framework/window/AfxRes.h"
#include "framework/window/Wnd.h"

class CDocument;
class CView;
struct CCreateContext;

// Frame style: the document's title is put before the application's in the caption.
#define FWS_ADDTOTITLE 0x00008000L

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    static const RECT rectDefault; // CW_USEDEFAULT position and size

    // Creates the window with the title string, icon, accelerators and menu of nIDResource; the view
    // comes from pContext. FALSE on failure (the frame has then deleted itself).
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL Create(const wchar_t* lpszClassName, const wchar_t* lpszWindowName,
                DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    CDocument* GetActiveDocument() const;
    // Arranges the bars and the view in the client area.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Shows the frame (nCmdShow -1: as it is, restored when minimised) and brings it to the front.
    virtual void ActivateFrame(int nCmdShow = -1);
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    HACCEL m_hAccelTable = nullptr; // of the frame's resource id; destroyed with the frame
    HMENU m_hMenuDefault = nullptr; // the resource's menu, for the menu bar; destroyed with the frame
    UINT m_nIDHelp = 0;
    CString m_strTitle;

protected:
    CView* m_pViewActive = nullptr;

    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    CWnd* GetViewWindow() const;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void PostNcDestroy() override; // frames delete themselves with their window

    DECLARE_MESSAGE_MAP()
};
