// CDlgInfo: modes, colours, fonts and the fade steps of the information pop-up.
#include "app/DlgInfo.h"

#include "app/MainFrame.h"
#include "framework/window/DataExchange.h"
#include "framework/window/WndMessageMap.h"
#include "res/resource.h"

namespace
{
const COLORREF kClrText = 0x995531;     // all texts, and the caption in mode 1
const COLORREF kClrCaption2 = 0x4CB122; // the caption in mode 2
const COLORREF kClrBack = 0xFCE5CC;
const UINT kFadePeriod = 50;
} // namespace

IMPLEMENT_DYNAMIC(CDlgInfo, CDialog)

BEGIN_MESSAGE_MAP(CDlgInfo, CDialog)
ON_WM_TIMER()
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CDlgInfo::CDlgInfo(CWnd* pParent) : CDialog(IDD_DLG_INFO, pParent) {}

CDlgInfo::~CDlgInfo()
{
    delete m_pFontNormal;
    delete m_pFontUnderline;
    delete m_pFontLarge;
}

void CDlgInfo::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_INFO_CAPTION, m_stcCaption);
    DDX_Control(pDX, IDC_INFO_VOLUME_TEXT, m_stcVolumeText);
    DDX_Control(pDX, IDC_INFO_BOTTOM_LINE, m_stcBottomLine);
    DDX_Control(pDX, IDC_INFO_PROGRESS, m_ctrlProgress);
}

BOOL CDlgInfo::OnInitDialog()
{
    CDialog::OnInitDialog();

    const LONG_PTR exStyle = ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);

    LOGFONT lf = {};
    CFont* pDlgFont = GetFont();
    if (pDlgFont != nullptr)
        pDlgFont->GetLogFont(&lf);
    m_pFontNormal = new CFont;
    lf.lfHeight = 20;
    m_pFontNormal->CreateFontIndirect(&lf);
    m_pFontUnderline = new CFont;
    lf.lfUnderline = 1;
    m_pFontUnderline->CreateFontIndirect(&lf);
    m_pFontLarge = new CFont;
    lf.lfHeight = 40;
    lf.lfUnderline = 0;
    m_pFontLarge->CreateFontIndirect(&lf);

    m_stcCaption.SetFont(m_pFontLarge, TRUE);
    m_stcVolumeText.SetFont(m_pFontNormal, TRUE);

    for (CStaticFocus* pStatic : {&m_stcCaption, &m_stcVolumeText, &m_stcBottomLine})
    {
        pStatic->m_clrText = kClrText;
        pStatic->m_clrBack = kClrBack;
    }
    m_stcBottomLine.SetWindowText(L"");

    m_ctrlProgress.SetRange(0, 100);
    m_ctrlProgress.SetPos(50);

    SetMode(m_nMode);
    return TRUE;
}

void CDlgInfo::SetTransparency(int nPercent)
{
    m_nTransparency = nPercent;
}

void CDlgInfo::SetMode(UINT nMode)
{
    m_nMode = nMode;
    if (nMode == 0)
    {
        m_ctrlProgress.ShowWindow(SW_SHOW);
        m_stcVolumeText.ShowWindow(SW_SHOW);
        m_stcBottomLine.ShowWindow(SW_SHOW);
        m_stcCaption.ShowWindow(SW_HIDE);
        m_stcVolumeText.Invalidate(FALSE);
        m_stcBottomLine.Invalidate(FALSE);
        m_ctrlProgress.Invalidate(FALSE);
        return;
    }
    m_stcCaption.ShowWindow(SW_SHOW);
    m_ctrlProgress.ShowWindow(SW_HIDE);
    m_stcVolumeText.ShowWindow(SW_HIDE);
    m_stcBottomLine.ShowWindow(SW_HIDE);
    m_stcCaption.Invalidate();
    m_stcCaption.m_clrText = nMode == 1 ? kClrText : kClrCaption2;
}

void CDlgInfo::SetInfoText(const wchar_t* pszText)
{
    CStaticFocus& target = m_nMode != 0 ? m_stcCaption : m_stcVolumeText;
    target.SetWindowText(pszText);
    target.Invalidate();
}

void CDlgInfo::ShowVolumeLevel(CString strName, int nPercent, BOOL bMute)
{
    m_ctrlProgress.SetPos(nPercent);
    if (bMute != m_bMute)
    {
        m_bMute = bMute;
        m_stcVolumeText.SetFont(bMute ? m_pFontUnderline : m_pFontNormal, TRUE);
    }
    CString strText;
    strText.Format(L"%s (%d%%)", static_cast<const wchar_t*>(strName), nPercent);
    m_stcVolumeText.SetWindowText(strText);
    m_stcVolumeText.Invalidate();
}

int CDlgInfo::FadeStep(int nTarget)
{
    const int nStep = static_cast<int>(nTarget / 5.0);
    return nStep == 0 ? 1 : nStep;
}

BYTE CDlgInfo::OpacityToAlpha(int nPercent)
{
    return static_cast<BYTE>(static_cast<int>(255.0 * (nPercent / 100.0)) & 0xFF);
}

void CDlgInfo::ApplyOpacity()
{
    CMainFrame* pFrame = GetMainFrame();
    if (pFrame == nullptr || pFrame->m_pfnSetLayeredWindowAttributes == nullptr)
        return;
    pFrame->m_pfnSetLayeredWindowAttributes(m_hWnd, 0, OpacityToAlpha(m_nCurrentOpacity), LWA_ALPHA);
}

void CDlgInfo::ShowInfo(BOOL bShow)
{
    if (bShow)
    {
        KillTimer(IDT_FADE_OUT);
        SetTimer(IDT_FADE_IN, kFadePeriod);
        m_nCurrentOpacity = 0;
        ApplyOpacity();
        ShowWindow(SW_SHOWNA);
        return;
    }
    KillTimer(IDT_FADE_IN);
    SetTimer(IDT_FADE_OUT, kFadePeriod);
    m_nCurrentOpacity = FadeTarget();
}

int CDlgInfo::FadeTarget() const
{
    if (m_nTransparency < 0)
        return 0;
    return m_nTransparency > 100 ? 100 : m_nTransparency;
}

void CDlgInfo::OnTimer(UINT_PTR nIDEvent)
{
    const int nTarget = FadeTarget();
    const int nStep = FadeStep(nTarget);
    if (nIDEvent == IDT_FADE_IN)
    {
        if (m_nCurrentOpacity == nTarget)
        {
            KillTimer(IDT_FADE_IN);
        }
        else
        {
            m_nCurrentOpacity += nStep;
            if (m_nCurrentOpacity > nTarget)
                m_nCurrentOpacity = nTarget;
        }
        ApplyOpacity();
    }
    else if (nIDEvent == IDT_FADE_OUT)
    {
        if (m_nCurrentOpacity == 0)
        {
            ShowWindow(SW_HIDE);
            KillTimer(IDT_FADE_OUT);
        }
        else
        {
            m_nCurrentOpacity -= nStep;
            if (m_nCurrentOpacity < 0)
                m_nCurrentOpacity = 0;
        }
        ApplyOpacity();
    }
    CDialog::OnTimer(nIDEvent);
}

void CDlgInfo::OnShowWindow(BOOL bShow, UINT nStatus)
{
    if (nStatus == SW_PARENTCLOSING || nStatus == SW_PARENTOPENING)
        return;
    CDialog::OnShowWindow(bShow, nStatus);
}
