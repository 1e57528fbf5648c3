// CKeystriderView's timers: the pop-up's display time-out, the hourly clock and the update check.
#include "app/KeystriderView.h"

#include "app/DlgInfo.h"
#include "app/KeystriderApp.h"
#include "framework/core/CTime.h"

UINT HourlyPromptPeriod(const CTime& tmNow, const CTime& tmNextHour)
{
    LONGLONG nSeconds = (tmNextHour - tmNow).GetTotalSeconds();
    // In the hour that the end of daylight-saving time repeats, the start of the hour built from the
    // local clock may be the other one of the two: the next hour then lies at or before now (the
    // period would wrap round to weeks, or fire at once and again), or more than an hour ahead. The
    // rest of the hour on the local clock is the period then.
    if (nSeconds <= 0 || nSeconds > 3600)
        nSeconds = 3600 - (tmNow.GetMinute() * 60 + tmNow.GetSecond());
    return static_cast<UINT>(nSeconds * 1000);
}

void CKeystriderView::ArmHourlyPromptTimer()
{
    if (!theApp.m_ShortCutConfig.m_nStrikeOnHour)
    {
        KillTimer(IDT_HOURLY_PROMPT);
        return;
    }
    CTime tmNow = CTime::GetCurrentTime();
    CTime tmHour(tmNow.GetYear(), tmNow.GetMonth(), tmNow.GetDay(), tmNow.GetHour(), 0, 0, -1);
    tmHour += CTimeSpan(0, 1, 0, 0);
    SetTimer(IDT_HOURLY_PROMPT, HourlyPromptPeriod(tmNow, tmHour), nullptr);
}

void CKeystriderView::OnTimer(UINT_PTR nIDEvent)
{
    CTime tmNow = CTime::GetCurrentTime();
    CString strClock;
    strClock.Format(L"%.2d : %.2d", tmNow.GetHour(), tmNow.GetMinute());

    if (nIDEvent == IDT_INFO_TIMEOUT)
    {
        if (m_pDlgInfo != nullptr)
            m_pDlgInfo->ShowInfo(FALSE); // starts the fade-out
        KillTimer(IDT_INFO_TIMEOUT);
    }
    else if (nIDEvent == IDT_HOURLY_PROMPT)
    {
        KillTimer(IDT_HOURLY_PROMPT);
        ArmHourlyPromptTimer();
        // A timer that fires a moment early (minute 59) shows nothing; the re-armed one follows shortly.
        if (tmNow.GetMinute() == 0)
            PopupInfo(2, strClock);
    }
    else if (nIDEvent == IDT_UPDATE_CHECK)
    {
        CheckForUpdate(TRUE);
    }
    CFormView::OnTimer(nIDEvent);
}
