// The update schedule with a fixed clock: when a check is due, where the reference time moves and
// what the update timer is armed with.
#include "update/UpdateSchedule.h"

#include <gtest/gtest.h>

namespace
{
const CTime kNow(2026, 12, 7, 12, 0, 0);
const __time64_t kHour = 3600;
const __time64_t kDay = 86400;

UpdateSchedule Plan(int nMode, __time64_t nSecondsAgo, BOOL bForce)
{
    return PlanUpdateCheck(nMode, kNow - CTimeSpan(nSecondsAgo), kNow, bForce);
}
} // namespace

TEST(UpdateScheduleTest, EveryDayIsDueAfter24HoursOrWhenForced)
{
    UpdateSchedule s = Plan(1, 30 * kHour, FALSE); // at start, 30 hours past the reference
    EXPECT_FALSE(s.bKillTimer);
    EXPECT_TRUE(s.bDue);
    EXPECT_EQ(kNow + CTimeSpan(kDay), s.tmNextReference);
    EXPECT_EQ(86400000u, s.nTimerPeriod);

    EXPECT_TRUE(Plan(1, 24 * kHour, FALSE).bDue);
    s = Plan(1, 24 * kHour - 1, FALSE); // 23 whole hours
    EXPECT_FALSE(s.bDue);
    EXPECT_EQ(static_cast<UINT>((24 * kHour - 1) * 1000), s.nTimerPeriod);

    s = Plan(1, 2 * kHour, TRUE); // the timer's expiry or "Check Now"
    EXPECT_TRUE(s.bDue);
    EXPECT_EQ(kNow + CTimeSpan(kDay), s.tmNextReference);
    EXPECT_EQ(86400000u, s.nTimerPeriod);
}

TEST(UpdateScheduleTest, EveryWeekIsDueAfter168HoursOrWhenForced)
{
    UpdateSchedule s = Plan(2, 30 * kHour, FALSE);
    EXPECT_FALSE(s.bDue);
    EXPECT_EQ(108000000u, s.nTimerPeriod); // waits 30 hours more, then forces a check

    s = Plan(2, 168 * kHour, FALSE);
    EXPECT_TRUE(s.bDue);
    EXPECT_EQ(kNow + CTimeSpan(7 * kDay), s.tmNextReference);
    EXPECT_EQ(604800000u, s.nTimerPeriod);

    s = Plan(2, 0, TRUE); // "Check Now"
    EXPECT_TRUE(s.bDue);
    EXPECT_EQ(kNow + CTimeSpan(7 * kDay), s.tmNextReference);
    EXPECT_EQ(604800000u, s.nTimerPeriod);
}

TEST(UpdateScheduleTest, NeverAndUnknownModesOnlyKillTheTimerEvenWhenForced)
{
    for (int nMode : {0, 3, -1, 100})
    {
        for (BOOL bForce : {FALSE, TRUE})
        {
            UpdateSchedule s = Plan(nMode, 400 * kHour, bForce);
            EXPECT_TRUE(s.bKillTimer) << nMode;
            EXPECT_FALSE(s.bDue) << nMode;
        }
    }
}

// While the reference lies ahead (the period after every check) the elapsed time is negative: the
// timer waits until the reference instead of a wrapped-around 32-bit period.
TEST(UpdateScheduleTest, AReferenceAheadArmsTheTimerForTheTimeUntilIt)
{
    UpdateSchedule s = Plan(1, -10 * kHour, FALSE); // restarted 14 hours after a check
    EXPECT_FALSE(s.bDue);
    EXPECT_FALSE(s.bKillTimer);
    EXPECT_EQ(36000000u, s.nTimerPeriod);

    s = Plan(2, -(6 * kDay + 1), FALSE);
    EXPECT_FALSE(s.bDue);
    EXPECT_EQ(static_cast<UINT>((6 * kDay + 1) * 1000), s.nTimerPeriod);

    // A hand-edited reference years ahead waits one period, not for ever.
    s = PlanUpdateCheck(2, CTime(2999, 1, 1, 0, 0, 0), kNow, FALSE);
    EXPECT_FALSE(s.bDue);
    EXPECT_EQ(604800000u, s.nTimerPeriod);
    s = PlanUpdateCheck(1, CTime(2999, 1, 1, 0, 0, 0), kNow, FALSE);
    EXPECT_EQ(86400000u, s.nTimerPeriod);

    // Half an hour ahead truncates to 0 whole hours: still not due.
    EXPECT_FALSE(Plan(1, -1800, FALSE).bDue);
}
