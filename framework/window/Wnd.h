// CWnd: the window object. One window procedure (AfxWndProc) dispatches every message of a bound
// window through the object's message map; the handle map finds the object of an HWND.
//
// Binding: CreateEx/Create bind the new window from its very first message (a creation hook);
// SubclassWindow binds an existing window (dialog controls, DDX_Control); Attach only maps a handle
// without taking its messages. WM_NCDESTROY unbinds, then calls the virtual PostNcDestroy (where
// frames and views delete themselves). FromHandle gives temporary wrappers for foreign windows,
// released when the message loop goes idle.
#pragma once

#include "framework/core/CString.h"
#include "framework/window/CmdTarget.h"
#include "framework/core/Geometry.h"

class CDataExchange;
class CWnd;
class CDC;
class CFont;
class CFrameWnd;
class CMenu;
class CScrollBar;

// Sent by the idle loop to the main window and all its descendants: bars refresh their items.
#define WM_IDLEUPDATECMDUI 0x0363

// The window procedure that dispatches to the bound CWnd.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// A window class with these attributes (registered once, with the default window procedure; our
// creation hook takes the window over). The name stays valid for the process's life.
const wchar_t* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                   HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);

// Releases the temporary wrappers that FromHandle made on this thread.
void AfxDeleteTempMaps();

// Around a creation call: the next window created on this thread is bound to pWnd from its first
// message. AfxUnhookWindowCreate answers FALSE when no window was created.
void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();

class CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    explicit CWnd(HWND hWnd); // wraps a handle without mapping it (wndTop and friends)
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // Special insert-after windows of SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }

    // --- handle map ---
    static CWnd* FromHandle(HWND hWnd);          // permanent object, else a temporary wrapper
    static CWnd* FromHandlePermanent(HWND hWnd); // permanent object or null
    BOOL Attach(HWND hWndNew);                   // maps the handle to this object (no subclassing)
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd); // maps and takes over the window's messages
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // --- creation and destruction ---
    virtual BOOL Create(const wchar_t* lpszClassName, const wchar_t* lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, const wchar_t* lpszClassName, const wchar_t* lpszWindowName,
                          DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                          HMENU nIDorHMenu, void* lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, const wchar_t* lpszClassName, const wchar_t* lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, void* lpParam = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL DestroyWindow();

    // --- data exchange with child controls (dialogs and form views) ---
    // FALSE when an exchange failed (a control missing or already bound).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // The nearest frame window among the parents; null when none.
    CFrameWnd* GetParentFrame() const;
    // The outermost frame around this window: itself when it is a frame without a frame around it.
    CFrameWnd* GetTopLevelFrame() const;

    // --- message handling ---
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A message this window sent to its parent, handed back to it first (reflection). TRUE: handled,
    // the parent does not see it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The current message passed to the default window procedure.
    LRESULT Default();
    // Hands a child's message to the child's own object first; TRUE when the child handled it.
    static BOOL ReflectChildMessage(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                                    LRESULT* pResult);

    // --- thin wrappers ---
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE) const;
    BOOL ShowWindow(int nCmdShow);
    void UpdateWindow() const;
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    CWnd* GetParent() const;
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    void SetDlgItemText(int nID, const wchar_t* lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    void SetWindowText(const wchar_t* lpszString);
    void GetWindowText(CString& rString) const;
    int GetWindowText(wchar_t* lpszStringBuf, int nMaxCount) const;
    int GetWindowTextLength() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    BOOL SetForegroundWindow();
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Changes the style bits; with nFlags, SetWindowPos (no move, size, z-order or activation) applies them.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void DragAcceptFiles(BOOL bAccept = TRUE);
    // Tool tips of child controls are the controls' own business here; the flag is kept for callers.
    BOOL EnableToolTips(BOOL bEnable = TRUE);

    // The font and system-menu wrappers come from the GDI and menu headers; as templates these need
    // those classes only where they are called.
    template <class TFont = CFont>
    void SetFont(TFont* pFont, BOOL bRedraw = TRUE)
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont != nullptr ? pFont->GetSafeHandle() : nullptr),
                    bRedraw);
    }
    template <class TFont = CFont>
    TFont* GetFont() const
    {
        return TFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    }
    template <class TMenu = CMenu>
    TMenu* GetSystemMenu(BOOL bRevert) const
    {
        return TMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
    }

protected:
    // Called once the object is bound to its window (created or subclassed), before the object sees
    // any message of it: controls adjust their styles here (owner drawing, for instance).
    virtual void PreSubclassWindow() {}
    // Called after the window's last message (WM_NCDESTROY), once the object is unbound.
    virtual void PostNcDestroy();
    // The default handling of reflected messages: the child's own map, as WM_REFLECT_BASE + message.
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Handlers of the ON_WM_xxx rows; each passes the message on to the default window procedure.
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnTimer(UINT_PTR nIDEvent);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnSettingChange(UINT uFlags, const wchar_t* lpszSection);
    void OnDropFiles(HDROP hDropInfo);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnContextMenu(CWnd* pWnd, CPoint pos);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSysColorChange();
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnHotKey(UINT nHotKeyId, UINT nKey1, UINT nKey2);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnNcDestroy();

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend struct AfxWndBinding;

    BOOL m_bEnableToolTips = FALSE;
    WNDPROC m_pfnSuper = nullptr; // the window's own procedure, called for what our maps leave
    BOOL m_bSubclassed = FALSE;   // AfxWndProc is installed on m_hWnd

    // Last step of WM_NCDESTROY: unbind, end the loop if this was the main window, PostNcDestroy.
    void FinalNcDestroy();
};
