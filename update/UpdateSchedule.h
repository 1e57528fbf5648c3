// The update schedule's arithmetic: whether a check is due, the next reference time and the timer
// period, for a given clock. The view applies the result (CKeystriderView::CheckForUpdate).
#pragma once

#include "framework/core/CTime.h"

#include <windows.h>

struct UpdateSchedule
{
    BOOL bKillTimer = FALSE; // "Never" (any mode but 1 and 2): kill the timer, nothing else
    BOOL bDue = FALSE;       // start a download and move the reference time to tmNextReference
    CTime tmNextReference;
    UINT nTimerPeriod = 0; // milliseconds to (re)arm the update timer with
};

// nCheckNewVersion: 1 every day, 2 every week, anything else never. tmReference: TimeCheckPadFile.
// A check is due when forced or when the reference lies a whole period (24 or 168 hours) in the past.
// When it is not due the timer waits as long again as has passed since the reference; while the
// reference lies ahead it waits until the reference (at most one period), so that the expiry's forced
// check comes when the period is over.
UpdateSchedule PlanUpdateCheck(int nCheckNewVersion, CTime tmReference, CTime tmNow, BOOL bForce);
