// PlanUpdateCheck: the daily and weekly update schedule.
#include "update/UpdateSchedule.h"

namespace
{
const __time64_t kSecondsPerDay = 86400;
const __time64_t kSecondsPerHour = 3600;
} // namespace

UpdateSchedule PlanUpdateCheck(int nCheckNewVersion, CTime tmReference, CTime tmNow, BOOL bForce)
{
    UpdateSchedule schedule;
    __time64_t nElapsed = (tmNow - tmReference).GetTotalSeconds();
    __time64_t nHours = nElapsed / kSecondsPerHour;

    __time64_t nPeriod = 0;
    __time64_t nDueHours = 0;
    if (nCheckNewVersion == 1)
    {
        nPeriod = kSecondsPerDay;
        nDueHours = 24;
    }
    else if (nCheckNewVersion == 2)
    {
        nPeriod = 7 * kSecondsPerDay;
        nDueHours = 168;
    }
    else
    {
        schedule.bKillTimer = TRUE;
        return schedule;
    }

    if (nHours >= nDueHours || bForce)
    {
        schedule.bDue = TRUE;
        schedule.tmNextReference = tmNow + CTimeSpan(nPeriod);
        schedule.nTimerPeriod = static_cast<UINT>(nPeriod * 1000);
        return schedule;
    }
    // Not due: the elapsed time is below one period here. A negative one (the reference lies ahead,
    // as during every period after a check) waits until the reference instead of wrapping around;
    // a reference further ahead than one period (a hand-edited file) waits one period.
    __time64_t nWait = nElapsed >= 0 ? nElapsed : -nElapsed;
    if (nWait > nPeriod)
        nWait = nPeriod;
    schedule.nTimerPeriod = static_cast<UINT>(nWait * 1000);
    return schedule;
}
