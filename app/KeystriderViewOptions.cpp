// CKeystriderView's options page: each control writes its setting, and most save the file at once.
#include "app/KeystriderView.h"

#include "app/KeystriderApp.h"
#include "engine/SystemActions.h"
#include "framework/core/CTime.h"
#include "res/resource.h"

namespace
{
const UINT kDayMilliseconds = 86400000u;

// Slider positions snap down to these steps: the opacity in tens of percent, the time in quarter seconds.
const int kTransparentStep = 10;
const int kTimeStep = 250;

// "Every Day" (mode 1) and "Every Week" (mode 2): the mode, the next check one period from now and the
// update timer armed for that period.
void ScheduleUpdateChecks(CWnd& view, int nMode, int nDays)
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    store.m_nCheckNewVersion = nMode;
    store.m_tmTimeCheckPadFile = CTime::GetCurrentTime() + CTimeSpan(nDays, 0, 0, 0);
    view.SetTimer(IDT_UPDATE_CHECK, kDayMilliseconds * static_cast<UINT>(nDays), nullptr);
}

void SaveConfig()
{
    theApp.m_ShortCutConfig.WriteConfig(nullptr);
}
} // namespace

void CKeystriderView::OnStartupWithWindows()
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    store.m_nGeneralLaunchStart = m_chkStartupWithWindows.GetCheck() == BST_CHECKED ? 1 : 0;
    if (store.m_nGeneralLaunchStart)
        SetRunAtStartup(L"Keystrider", L"\"" + store.m_strProgramPath + L"\"");
    else
        SetRunAtStartup(L"Keystrider", nullptr);
    // Not saved here: the Run value is what counts; the setting reaches the file with the next save.
}

void CKeystriderView::OnHideToTrayAtStart()
{
    theApp.m_ShortCutConfig.m_nGeneralHideToTray = m_chkHideToTrayAtStart.GetCheck() == BST_CHECKED ? 1 : 0;
    SaveConfig();
}

void CKeystriderView::OnCloseToTray()
{
    theApp.m_ShortCutConfig.m_nGeneralCloseToTray = m_chkCloseToTray.GetCheck() == BST_CHECKED ? 1 : 0;
    SaveConfig();
}

void CKeystriderView::OnPromptOnTheHour()
{
    theApp.m_ShortCutConfig.m_nStrikeOnHour = IsDlgButtonChecked(IDC_PROMPT_ON_THE_HOUR) ? 1 : 0;
    ArmHourlyPromptTimer();
    SaveConfig();
}

void CKeystriderView::OnPromptName()
{
    theApp.m_ShortCutConfig.m_nPromptNameShortcut = IsDlgButtonChecked(IDC_PROMPT_NAME) ? 1 : 0;
    SaveConfig();
}

void CKeystriderView::OnCheckNever()
{
    // The update timer is left running: its next expiry finds "Never" and stops itself.
    theApp.m_ShortCutConfig.m_nCheckNewVersion = 0;
    SaveConfig();
}

void CKeystriderView::OnCheckEveryDay()
{
    ScheduleUpdateChecks(*this, 1, 1);
    SaveConfig();
}

void CKeystriderView::OnCheckEveryWeek()
{
    ScheduleUpdateChecks(*this, 2, 7);
    SaveConfig();
}

void CKeystriderView::OnPlaySoundOption()
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    store.m_nGenPlaySound = IsDlgButtonChecked(IDC_PLAY_SOUND) ? 1 : 0;
    CWnd* pAssign = GetDlgItem(IDC_ASSIGN_DIFFERENT_SOUND);
    if (pAssign != nullptr)
        pAssign->EnableWindow(store.m_nGenPlaySound);
    m_edtSoundFile.EnableWindow(store.m_nGenPlaySound);
    SaveConfig();
}

void CKeystriderView::OnAssignDifferentSound()
{
    // The list's sound and check-box columns follow with the next filling of the shortcut page.
    theApp.m_ShortCutConfig.m_nGenAssignASound = IsDlgButtonChecked(IDC_ASSIGN_DIFFERENT_SOUND) ? 1 : 0;
    SaveConfig();
}

void CKeystriderView::OnKillFocusSoundFile()
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    CString strText;
    m_edtSoundFile.GetWindowText(strText);
    if (strText.Compare(store.m_strGenSoundAddress) == 0)
        return;
    store.m_strGenSoundAddress = strText;
    SaveConfig();
}

void CKeystriderView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    HWND hBar = pScrollBar != nullptr ? reinterpret_cast<CWnd*>(pScrollBar)->GetSafeHwnd() : nullptr;
    CSliderCtrl* pSlider = nullptr;
    int nStep = 0;
    int* pnSetting = nullptr;
    UINT nValueId = 0;
    if (hBar != nullptr && hBar == m_sldTransparent.GetSafeHwnd())
    {
        pSlider = &m_sldTransparent;
        nStep = kTransparentStep;
        pnSetting = &store.m_nInfoTransparent;
        nValueId = IDC_TRANSPARENT_VALUE;
    }
    else if (hBar != nullptr && hBar == m_sldTime.GetSafeHwnd())
    {
        pSlider = &m_sldTime;
        nStep = kTimeStep;
        pnSetting = &store.m_nInfoTime;
        nValueId = IDC_TIME_VALUE;
    }
    if (pSlider != nullptr)
    {
        pSlider->SetPos(pSlider->GetPos() / nStep * nStep);
        *pnSetting = pSlider->GetPos();
        CString strValue;
        strValue.Format(L"%d", *pnSetting);
        SetDlgItemText(nValueId, strValue);
        // Saved once, when the drag ends, not at every step of it.
        if (nSBCode == SB_ENDSCROLL)
            SaveConfig();
    }
    CFormView::OnHScroll(nSBCode, nPos, pScrollBar);
}
