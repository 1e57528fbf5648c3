// CWnd: construction and destruction, the handle-map entry points, and the routing of messages,
// commands and notifications (with reflection to the child's own object first).
#include "framework/window/Wnd.h"
#include "framework/window/CmdUI.h"
#include "framework/window/WinApp.h"
#include "framework/window/WndHandleMap.h"

#include <cwchar>
#include <mutex>
#include <set>
#include <string>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace
{
// Records whether an update handler disabled a command (menu and accelerator commands).
class CTestCmdUI : public CCmdUI
{
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetText(const wchar_t*) override {}
};

bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC && message != WM_CTLCOLORDLG;
}
} // namespace

CWnd::CWnd() = default;

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd) {}

CWnd::~CWnd()
{
    // A window that outlives its object is first unbound, then destroyed: no message reaches a
    // half-destroyed object.
    if (m_hWnd != nullptr && WndHandleMap::LookupPermanent(m_hWnd) == this)
    {
        HWND hWnd = Detach();
        ::DestroyWindow(hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd != nullptr ? WndHandleMap::LookupPermanent(hWnd) : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* pWnd = WndHandleMap::LookupPermanent(hWnd))
        return pWnd;
    CWnd* pTemp = WndHandleMap::AddTemporary(hWnd);
    pTemp->m_hWnd = hWnd; // the wrapper of a destroyed window whose handle came back
    return pTemp;
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr || !WndHandleMap::SetPermanent(hWndNew, this))
        return FALSE;
    m_hWnd = hWndNew;
    return TRUE;
}

BOOL CWnd::Create(const wchar_t* lpszClassName, const wchar_t* lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const wchar_t* lpszClassName, const wchar_t* lpszWindowName,
                    DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, void* lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass =
            AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr)
        return FALSE;
    // A bound window unbinds itself at WM_NCDESTROY, and PostNcDestroy may delete this object:
    // nothing here touches the object after the call unless it was only attached.
    const BOOL bBound = m_bSubclassed;
    const BOOL bResult = ::DestroyWindow(hWnd);
    if (!bBound && m_hWnd == hWnd)
    {
        WndHandleMap::RemovePermanent(hWnd, this);
        m_hWnd = nullptr;
    }
    return bResult;
}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 0;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        LRESULT lResult = 0;
        if (!OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }
    if (DispatchWindowMessage(message, wParam, lParam, pResult))
        return TRUE;

    // What the parent's map leaves of a control's drawing, colour and scroll messages goes to the
    // control's own object.
    HWND hWndChild = nullptr;
    if (message == WM_DRAWITEM && wParam != 0)
        hWndChild = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
    else if (IsCtlColorMessage(message) || ((message == WM_HSCROLL || message == WM_VSCROLL) && lParam != 0))
        hWndChild = reinterpret_cast<HWND>(lParam);
    return hWndChild != nullptr && hWndChild != m_hWnd &&
           ReflectChildMessage(hWndChild, message, wParam, lParam, pResult);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    const HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);

    if (hWndCtrl == nullptr)
    {
        // A menu or accelerator command: one that its update handler disables is not carried out.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        if (state.m_bEnableChanged && !state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        LRESULT lResult = 0;
        if (hWndCtrl != m_hWnd && ReflectChildMessage(hWndCtrl, WM_COMMAND, wParam, lParam, &lResult))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR == nullptr)
        return FALSE;
    if (pNMHDR->hwndFrom != nullptr && pNMHDR->hwndFrom != m_hWnd &&
        ReflectChildMessage(pNMHDR->hwndFrom, WM_NOTIFY, pNMHDR->idFrom, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom), static_cast<int>(MAKELONG(pNMHDR->code, WM_NOTIFY)),
                    &notify, nullptr);
}

BOOL CWnd::ReflectChildMessage(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    return pChild != nullptr && pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // Only the control's own map is asked (not a wider command route).
    if (message == WM_COMMAND)
        return CCmdTarget::OnCmdMsg(
            0, static_cast<int>(MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND)), nullptr, nullptr);
    if (message == WM_NOTIFY)
    {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify = {pResult, pNMHDR};
        return CCmdTarget::OnCmdMsg(0, static_cast<int>(MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY)),
                                    &notify, nullptr);
    }
    return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
}

const wchar_t* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // Never destroyed: the returned names stay valid for the process's life (node-based set).
    static auto* lock = new std::mutex;
    static auto* names = new std::set<std::wstring>;
    HINSTANCE hInstance = AfxGetInstanceHandle();
    wchar_t name[96] = {};
    swprintf(name, sizeof(name) / sizeof(name[0]), L"Ks:%p:%x:%p:%p:%p", static_cast<void*>(hInstance),
             nClassStyle, static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
             static_cast<void*>(hIcon));

    std::lock_guard<std::mutex> guard(*lock);
    auto it = names->find(name);
    if (it != names->end())
        return it->c_str();
    WNDCLASSW wc = {};
    if (!::GetClassInfoW(hInstance, name, &wc))
    {
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcW; // the creation hook puts AfxWndProc in front
        wc.hInstance = hInstance;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = name;
        if (!::RegisterClassW(&wc))
            return nullptr;
    }
    return names->insert(name).first->c_str();
}
