// The hourly clock's period: the time to the next full hour, also across a change of daylight-saving time.
#include "app/KeystriderView.h"

#include <gtest/gtest.h>

TEST(HourlyPromptPeriod, RunsToTheNextFullHourEvenWhenTheLocalClockRepeatsAnHour)
{
    const CTime tmNow(2026, 1, 10, 10, 59, 30, -1);
    EXPECT_EQ(30000u, HourlyPromptPeriod(tmNow, tmNow + CTimeSpan(0, 0, 0, 30)));
    const CTime tmFullHour(2026, 1, 10, 11, 0, 0, -1);
    EXPECT_EQ(3600000u, HourlyPromptPeriod(tmFullHour, tmFullHour + CTimeSpan(0, 1, 0, 0)));

    // The hour that the end of summer time repeats: the start of the hour built from the local clock
    // may be the other one of the two, behind now, on now, or an hour and a half ahead. The period is
    // then the rest of the hour on the local clock, never a wrapped-round count of weeks, nor nothing.
    const CTime tmHalfPast(2026, 1, 10, 1, 30, 0, -1);
    EXPECT_EQ(1800000u, HourlyPromptPeriod(tmHalfPast, tmHalfPast - CTimeSpan(0, 0, 30, 0)));
    EXPECT_EQ(1800000u, HourlyPromptPeriod(tmHalfPast, tmHalfPast + CTimeSpan(0, 1, 30, 0)));
    const CTime tmRepeated(2026, 1, 10, 1, 0, 0, -1);
    EXPECT_EQ(3600000u, HourlyPromptPeriod(tmRepeated, tmRepeated));
}
