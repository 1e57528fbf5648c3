// CTime and CTimeSpan: local fields, rollover, arithmetic and formatting.
#include "framework/core/CTime.h"

#include <gtest/gtest.h>

TEST(CTimeTest, LocalFieldsRollOverAndFormat)
{
    CTime t(2011, 2, 30, 12, 30, 15); // day 30 of February is 2 March
    EXPECT_EQ(t.GetYear(), 2011);
    EXPECT_EQ(t.GetMonth(), 3);
    EXPECT_EQ(t.GetDay(), 2);
    EXPECT_EQ(t.GetHour(), 12);
    EXPECT_EQ(t.GetMinute(), 30);
    EXPECT_EQ(t.GetSecond(), 15);
    EXPECT_EQ(t.Format(L"%Y, %m, %d, %H, %M, %S"), L"2011, 03, 02, 12, 30, 15");
    EXPECT_EQ(CTime(2999, 12, 31, 23, 59, 59).GetYear(), 2999);
    EXPECT_EQ(CTime(1969, 1, 1, 0, 0, 0).GetTime(), -1); // before the runtime's calendar
}

TEST(CTimeTest, SpansAndComparisons)
{
    CTime now = CTime::GetCurrentTime();
    EXPECT_LE(now.GetTime() - _time64(nullptr), 0);
    CTime week = now + CTimeSpan(7, 0, 0, 0);
    EXPECT_EQ((week - now).GetTotalSeconds(), 604800);
    EXPECT_EQ((week - now).GetTotalHours(), 168);
    EXPECT_EQ((now - week).GetTotalSeconds(), -604800);
    EXPECT_TRUE(now < week);
    EXPECT_TRUE(week >= now);
    EXPECT_EQ(week - CTimeSpan(0, 168, 0, 0), now);
    CTime t = now;
    t += CTimeSpan(0, 1, 0, 0);
    EXPECT_EQ((t - now).GetTotalSeconds(), 3600);
    t -= CTimeSpan(3600);
    EXPECT_EQ(t, now);
    // The start of the next full hour from now's local fields.
    CTime hour(now.GetYear(), now.GetMonth(), now.GetDay(), now.GetHour(), 0, 0, -1);
    __time64_t toNext = ((hour + CTimeSpan(0, 1, 0, 0)) - now).GetTotalSeconds();
    EXPECT_GT(toNext, 0);
    EXPECT_LE(toNext, 3600);
}
