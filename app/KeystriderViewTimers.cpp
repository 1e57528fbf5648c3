// CKeystriderView's timers: the pop-up's display time-out, the hourly clock and the update check.
#include "app/KeystriderView.h"

#include "app/DlgInfo.h"
#include "app/KeystriderApp.h"
#include "framework/CTime.h"

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
    const LONGLONG nSeconds = (tmHour - tmNow).GetTotalSeconds();
    SetTimer(IDT_HOURLY_PROMPT, static_cast<UINT>(nSeconds * 1000), nullptr);
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
