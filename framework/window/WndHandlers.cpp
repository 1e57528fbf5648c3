// CWnd's default message handlers: what a derived handler reaches when it calls its base.
#include "framework/window/Wnd.h"

const MSG* AfxGetCurrentMessage();

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnNcDestroy()
{
    Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
    Default();
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

namespace
{
// A scroll message from a control goes to the control's own object before the default procedure.
void ReflectScrollOrDefault(CWnd* pParent, CScrollBar* pScrollBar)
{
    const MSG* msg = AfxGetCurrentMessage();
    HWND hWndBar = pScrollBar != nullptr ? reinterpret_cast<CWnd*>(pScrollBar)->GetSafeHwnd() : nullptr;
    LRESULT lResult = 0;
    if (hWndBar == nullptr ||
        !CWnd::ReflectChildMessage(hWndBar, msg->message, msg->wParam, msg->lParam, &lResult))
        pParent->Default();
}
} // namespace

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    ReflectScrollOrDefault(this, pScrollBar);
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    ReflectScrollOrDefault(this, pScrollBar);
}

void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}

void CWnd::OnSettingChange(UINT, const wchar_t*)
{
    Default();
}

void CWnd::OnDropFiles(HDROP)
{
    Default();
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnSysKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnSysKeyUp(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

void CWnd::OnSetFocus(CWnd*)
{
    Default();
}

void CWnd::OnKillFocus(CWnd*)
{
    Default();
}

void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnSysColorChange()
{
    Default();
}

void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

void CWnd::OnHotKey(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}

void CWnd::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
}
