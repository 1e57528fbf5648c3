// The one window procedure of bound windows, the creation hook that binds a new window from its first
// message, and the unbinding at WM_NCDESTROY.
#include "framework/window/Wnd.h"
#include "framework/window/WinApp.h"
#include "framework/window/WndHandleMap.h"

#include <new>

namespace
{
// The window's own procedure, kept with the window too: when someone subclassed the window after us,
// our procedure stays in their chain after the object is gone and must still reach the original.
const wchar_t SUPER_PROP[] = L"KsWndSuperProc";
} // namespace

// Binds and unbinds windows on behalf of CWnd (a friend, so CWnd keeps its members private).
struct AfxWndBinding
{
    static void Bind(CWnd* pWnd, HWND hWnd)
    {
        pWnd->m_hWnd = hWnd;
        WndHandleMap::SetPermanent(hWnd, pWnd);
        auto old = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
        if (old != &AfxWndProc)
        {
            pWnd->m_pfnSuper = old;
            ::SetPropW(hWnd, SUPER_PROP, reinterpret_cast<HANDLE>(old));
        }
        pWnd->m_bSubclassed = TRUE;
        pWnd->PreSubclassWindow();
    }

    // Hands the window back to its own procedure and forgets the object. bLast: the window's last
    // message (WM_NCDESTROY), after which nothing more arrives.
    static HWND Unbind(CWnd* pWnd, bool bLast)
    {
        HWND hWnd = pWnd->m_hWnd;
        bool bRestored = !pWnd->m_bSubclassed;
        if (pWnd->m_bSubclassed && pWnd->m_pfnSuper != nullptr &&
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) == &AfxWndProc)
        {
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pWnd->m_pfnSuper));
            bRestored = true;
        }
        if (bRestored || bLast)
            ::RemovePropW(hWnd, SUPER_PROP);
        WndHandleMap::RemovePermanent(hWnd, pWnd);
        pWnd->m_hWnd = nullptr;
        pWnd->m_pfnSuper = nullptr;
        pWnd->m_bSubclassed = FALSE;
        return hWnd;
    }
};

namespace
{
// The message being handled on this thread, for CWnd::Default.
thread_local MSG t_currentMsg = {};

// The object waiting for its window during CreateEx / CreateDialog on this thread.
thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hHookCbt = nullptr;

bool IsImeWindowClass(const wchar_t* className)
{
    // The system may create input-method windows during the first CreateWindow of a thread; they are
    // never the window being created.
    if (className == nullptr || IS_INTRESOURCE(className))
        return false;
    return ::lstrcmpiW(className, L"IME") == 0 || ::lstrcmpiW(className, L"MSCTFIME UI") == 0;
}

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_pWndInit != nullptr)
    {
        auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
        if (!IsImeWindowClass(create->lpcs->lpszClass))
        {
            CWnd* pWnd = t_pWndInit;
            t_pWndInit = nullptr;
            try
            {
                AfxWndBinding::Bind(pWnd, reinterpret_cast<HWND>(wParam));
            }
            catch (...)
            {
                return 1; // out of memory for the handle map: the creation is refused
            }
            // Bound: the hook's work is done. Taken off now, it costs nothing to the windows created
            // during this one's creation (a dialog's controls, a frame's bars).
            HHOOK hHook = t_hHookCbt;
            t_hHookCbt = nullptr;
            const LRESULT lResult = ::CallNextHookEx(hHook, code, wParam, lParam);
            ::UnhookWindowsHookEx(hHook);
            return lResult;
        }
    }
    return ::CallNextHookEx(t_hHookCbt, code, wParam, lParam);
}

// What a message that threw answers: creation fails, everything else is taken as handled.
LRESULT ResultAfterException(UINT message)
{
    return message == WM_CREATE ? -1 : 0;
}
} // namespace

void AfxHookWindowCreate(CWnd* pWnd)
{
    if (t_hHookCbt == nullptr)
        t_hHookCbt = ::SetWindowsHookExW(WH_CBT, &CbtFilterHook, nullptr, ::GetCurrentThreadId());
    t_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    if (t_hHookCbt != nullptr)
    {
        ::UnhookWindowsHookEx(t_hHookCbt);
        t_hHookCbt = nullptr;
    }
    if (t_pWndInit != nullptr)
    {
        t_pWndInit = nullptr;
        return FALSE; // the window was never created
    }
    return TRUE;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = WndHandleMap::LookupPermanent(hWnd);
    if (pWnd == nullptr || pWnd->m_hWnd != hWnd)
    {
        // No object (any more): the window's own procedure answers.
        auto super = reinterpret_cast<WNDPROC>(::GetPropW(hWnd, SUPER_PROP));
        if (super != nullptr && super != &AfxWndProc)
            return ::CallWindowProcW(super, hWnd, message, wParam, lParam);
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }

    const MSG saved = t_currentMsg;
    t_currentMsg = {hWnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT result = 0;
    // No exception crosses into the system's code: a handler that throws gets a neutral answer.
    try
    {
        result = pWnd->WindowProc(message, wParam, lParam);
    }
    catch (...)
    {
        result = ResultAfterException(message);
    }
    if (message == WM_NCDESTROY)
        pWnd->FinalNcDestroy();
    t_currentMsg = saved;
    return result;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(t_currentMsg.message, t_currentMsg.wParam, t_currentMsg.lParam);
}

void CWnd::FinalNcDestroy()
{
    // Nothing after this reaches the object.
    AfxWndBinding::Unbind(this, true);

    // The end of the main window ends its thread's message loop.
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->m_pMainWnd == this)
    {
        pThread->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    PostNcDestroy();
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const wchar_t* lpszClassName, const wchar_t* lpszWindowName,
                    DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    void* lpParam)
{
    if (m_hWnd != nullptr)
        return FALSE; // one window per object

    CREATESTRUCT cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
        return FALSE;

    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                          cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    AfxUnhookWindowCreate();
    // When WM_CREATE fails the window is already gone (and unbound) by now.
    return hWnd != nullptr && m_hWnd == hWnd;
}

const MSG* AfxGetCurrentMessage()
{
    return &t_currentMsg;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    // Each window is taken over once, by one object.
    if (m_hWnd != nullptr || !::IsWindow(hWnd) || WndHandleMap::LookupPermanent(hWnd) != nullptr)
        return FALSE;
    AfxWndBinding::Bind(this, hWnd);
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == nullptr || !m_bSubclassed)
        return nullptr;
    return Detach();
}

HWND CWnd::Detach()
{
    return m_hWnd != nullptr ? AfxWndBinding::Unbind(this, false) : nullptr;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent == nullptr || pParent->m_hWnd == nullptr)
        return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}
