// The window-message rows of a message map: ON_WM_xxx (fixed handler names, typed parameters),
// ON_MESSAGE and ON_REGISTERED_MESSAGE (handler LRESULT (WPARAM, LPARAM)). Command and notification
// rows are in framework/window/CmdTarget.h.
#pragma once

#include "framework/window/Wnd.h"

// A row for message msg whose thunk runs `body` with p (the target as ThisClass*), c (AFX_MSGCALL&).
#define AFX_WM_ROW(msg, body)                                                                                \
    {(UINT)(msg),                                                                                            \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     nullptr,                                                                                                \
     +[](CCmdTarget* pTarget, AFX_MSGCALL& c) -> BOOL                                                        \
     {                                                                                                       \
         ThisClass* p = AFX_THIS(pTarget);                                                                   \
         (void)c;                                                                                            \
         body;                                                                                               \
         return TRUE;                                                                                        \
     }},

#define AFX_WND_PARAM(lParam) CWnd::FromHandle(reinterpret_cast<HWND>(lParam))
#define AFX_SCROLLBAR_PARAM(lParam)                                                                          \
    reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)))

#define ON_MESSAGE(message, memberFxn) AFX_WM_ROW(message, *c.pResult = p->memberFxn(c.wParam, c.lParam))

#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                   \
    {0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     &(nMessageVariable),                                                                                    \
     +[](CCmdTarget* pTarget, AFX_MSGCALL& c) -> BOOL                                                        \
     {                                                                                                       \
         *c.pResult = AFX_THIS(pTarget)->memberFxn(c.wParam, c.lParam);                                      \
         return TRUE;                                                                                        \
     }},

#define ON_WM_CREATE()                                                                                       \
    AFX_WM_ROW(WM_CREATE, *c.pResult = p->OnCreate(reinterpret_cast<LPCREATESTRUCT>(c.lParam)))
#define ON_WM_CLOSE() AFX_WM_ROW(WM_CLOSE, p->OnClose())
#define ON_WM_DESTROY() AFX_WM_ROW(WM_DESTROY, p->OnDestroy())
#define ON_WM_NCDESTROY() AFX_WM_ROW(WM_NCDESTROY, p->OnNcDestroy())
#define ON_WM_SIZE()                                                                                         \
    AFX_WM_ROW(WM_SIZE,                                                                                      \
               p->OnSize(static_cast<UINT>(c.wParam), (short)LOWORD(c.lParam), (short)HIWORD(c.lParam)))
#define ON_WM_ACTIVATE()                                                                                     \
    AFX_WM_ROW(WM_ACTIVATE, p->OnActivate(LOWORD(c.wParam), AFX_WND_PARAM(c.lParam),                         \
                                          static_cast<BOOL>(HIWORD(c.wParam))))
#define ON_WM_TIMER() AFX_WM_ROW(WM_TIMER, p->OnTimer(static_cast<UINT_PTR>(c.wParam)))
#define ON_WM_HSCROLL()                                                                                      \
    AFX_WM_ROW(WM_HSCROLL, p->OnHScroll(LOWORD(c.wParam), HIWORD(c.wParam), AFX_SCROLLBAR_PARAM(c.lParam)))
#define ON_WM_VSCROLL()                                                                                      \
    AFX_WM_ROW(WM_VSCROLL, p->OnVScroll(LOWORD(c.wParam), HIWORD(c.wParam), AFX_SCROLLBAR_PARAM(c.lParam)))
#define ON_WM_GETMINMAXINFO()                                                                                \
    AFX_WM_ROW(WM_GETMINMAXINFO, p->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(c.lParam)))
#define ON_WM_SETTINGCHANGE()                                                                                \
    AFX_WM_ROW(WM_SETTINGCHANGE,                                                                             \
               p->OnSettingChange(static_cast<UINT>(c.wParam), reinterpret_cast<const wchar_t*>(c.lParam)))
#define ON_WM_DROPFILES() AFX_WM_ROW(WM_DROPFILES, p->OnDropFiles(reinterpret_cast<HDROP>(c.wParam)))

#define AFX_KEY_ROW(msg, fn)                                                                                 \
    AFX_WM_ROW(msg, p->fn(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_KEYDOWN() AFX_KEY_ROW(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ROW(WM_KEYUP, OnKeyUp)
#define ON_WM_SYSKEYDOWN() AFX_KEY_ROW(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_KEY_ROW(WM_SYSKEYUP, OnSysKeyUp)

#define AFX_MOUSE_ROW(msg, fn) AFX_WM_ROW(msg, p->fn(static_cast<UINT>(c.wParam), CPoint(c.lParam)))
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ROW(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ROW(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ROW(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ROW(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ROW(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ROW(WM_MOUSEMOVE, OnMouseMove)

#define ON_WM_SETFOCUS() AFX_WM_ROW(WM_SETFOCUS, p->OnSetFocus(AFX_WND_PARAM(c.wParam)))
#define ON_WM_KILLFOCUS() AFX_WM_ROW(WM_KILLFOCUS, p->OnKillFocus(AFX_WND_PARAM(c.wParam)))
#define ON_WM_CONTEXTMENU()                                                                                  \
    AFX_WM_ROW(WM_CONTEXTMENU, p->OnContextMenu(AFX_WND_PARAM(c.wParam), CPoint(c.lParam)))
#define ON_WM_PAINT() AFX_WM_ROW(WM_PAINT, p->OnPaint())
#define ON_WM_ERASEBKGND()                                                                                   \
    AFX_WM_ROW(WM_ERASEBKGND, *c.pResult = p->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(c.wParam))))
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ROW(WM_SYSCOLORCHANGE, p->OnSysColorChange())
#define ON_WM_SYSCOMMAND() AFX_WM_ROW(WM_SYSCOMMAND, p->OnSysCommand(static_cast<UINT>(c.wParam), c.lParam))
#define ON_WM_HOTKEY()                                                                                       \
    AFX_WM_ROW(WM_HOTKEY, p->OnHotKey(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_SHOWWINDOW()                                                                                   \
    AFX_WM_ROW(WM_SHOWWINDOW, p->OnShowWindow(static_cast<BOOL>(c.wParam), static_cast<UINT>(c.lParam)))
#define ON_WM_WINDOWPOSCHANGED()                                                                             \
    AFX_WM_ROW(WM_WINDOWPOSCHANGED, p->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(c.lParam)))
