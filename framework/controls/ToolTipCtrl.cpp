// CToolTipCtrl and CMFCToolTipCtrl.
#include "framework/controls/ToolTipCtrl.h"
#include "framework/controls/CommonControls.h"

IMPLEMENT_DYNCREATE(CToolTipCtrl, CWnd)
IMPLEMENT_DYNCREATE(CMFCToolTipCtrl, CToolTipCtrl)

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    AfxInitCommonControls();
    const BOOL bCreated =
        CWnd::CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | dwStyle,
                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                       pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr, nullptr);
    if (bCreated)
        SetMaxTipWidth(SHRT_MAX); // line breaks in a tip's text are kept
    return bCreated;
}

void CToolTipCtrl::FillToolInfo(TTTOOLINFOW& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    if (nIDTool == 0)
    {
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(ti.hwnd);
    }
    else
        ti.uId = nIDTool;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const wchar_t* lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    TTTOOLINFOW ti;
    FillToolInfo(ti, pWnd, nIDTool);
    ti.uFlags |= TTF_SUBCLASS;
    ti.lpszText = const_cast<wchar_t*>(lpszText != nullptr ? lpszText : LPSTR_TEXTCALLBACKW);
    if (lpRectTool != nullptr)
        ti.rect = *lpRectTool;
    else if (nIDTool != 0)
        pWnd->GetClientRect(&ti.rect);
    return SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)) != 0;
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TTTOOLINFOW ti;
    FillToolInfo(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(const wchar_t* lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TTTOOLINFOW ti;
    FillToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<wchar_t*>(lpszText != nullptr ? lpszText : L"");
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    // The control copies without a size: the buffer is as long as a tip text can be (TTM_GETTEXT's
    // documented limit of 80 is not enforced by the control, so take a generous one).
    static const int kMaxTip = 4096;
    TTTOOLINFOW ti;
    FillToolInfo(ti, pWnd, nIDTool);
    wchar_t* buffer = str.GetBuffer(kMaxTip);
    buffer[0] = L'\0';
    ti.lpszText = buffer;
    SendMessage(TTM_GETTEXTW, kMaxTip + 1, reinterpret_cast<LPARAM>(&ti));
    buffer[kMaxTip] = L'\0';
    str.ReleaseBuffer();
}

int CToolTipCtrl::GetToolCount() const
{
    return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT));
}

void CToolTipCtrl::Activate(BOOL bActivate)
{
    SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate));
}

int CToolTipCtrl::SetMaxTipWidth(int iWidth)
{
    return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, iWidth));
}

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime)
{
    SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}

void CToolTipCtrl::SetTipBkColor(COLORREF clr)
{
    SendMessage(TTM_SETTIPBKCOLOR, clr);
}

void CToolTipCtrl::SetTipTextColor(COLORREF clr)
{
    SendMessage(TTM_SETTIPTEXTCOLOR, clr);
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg)
{
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}

CMFCToolTipCtrl::CMFCToolTipCtrl(CMFCToolTipInfo* pParams)
{
    if (pParams != nullptr)
        m_Params = *pParams;
}

BOOL CMFCToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    if (m_Params.m_bBalloonTooltip)
        dwStyle |= TTS_BALLOON;
    if (!CToolTipCtrl::Create(pParentWnd, dwStyle))
        return FALSE;
    ApplyParams();
    return TRUE;
}

void CMFCToolTipCtrl::SetParams(CMFCToolTipInfo* pParams)
{
    m_Params = pParams != nullptr ? *pParams : CMFCToolTipInfo();
    if (m_hWnd != nullptr)
        ApplyParams();
}

void CMFCToolTipCtrl::ApplyParams()
{
    // The theme's colours are the system's tool-tip colours here; explicit colours are applied as set.
    if (!m_Params.m_bVislManagerTheme)
    {
        if (m_Params.m_clrFill != (COLORREF)-1)
            SetTipBkColor(m_Params.m_clrFill);
        if (m_Params.m_clrText != (COLORREF)-1)
            SetTipTextColor(m_Params.m_clrText);
    }
    if (m_Params.m_nMaxDescrWidth > 0)
        SetMaxTipWidth(m_Params.m_nMaxDescrWidth);
}
