// CTime and CTimeSpan: a point in time (seconds since 1970 UTC, shown in local time) and a span of seconds.
#pragma once

#include "framework/core/CString.h"

#include <ctime>

// windows.h maps GetCurrentTime to GetTickCount; here it is CTime's own member.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class CTimeSpan
{
public:
    CTimeSpan() = default;
    CTimeSpan(__time64_t nSeconds) : m_span(nSeconds) {}
    CTimeSpan(LONG nDays, int nHours, int nMinutes, int nSeconds)
        : m_span(((static_cast<__time64_t>(nDays) * 24 + nHours) * 60 + nMinutes) * 60 + nSeconds)
    {
    }

    __time64_t GetTotalSeconds() const { return m_span; }
    __time64_t GetTotalHours() const { return m_span / 3600; }
    __time64_t GetTimeSpan() const { return m_span; }

    CTimeSpan operator+(CTimeSpan other) const { return CTimeSpan(m_span + other.m_span); }
    CTimeSpan operator-(CTimeSpan other) const { return CTimeSpan(m_span - other.m_span); }
    bool operator==(CTimeSpan other) const { return m_span == other.m_span; }
    bool operator!=(CTimeSpan other) const { return m_span != other.m_span; }
    bool operator<(CTimeSpan other) const { return m_span < other.m_span; }
    bool operator>(CTimeSpan other) const { return m_span > other.m_span; }

private:
    __time64_t m_span = 0;
};

class CTime
{
public:
    CTime() = default;
    CTime(__time64_t time) : m_time(time) {}
    // A local date and time; out-of-range fields roll over as mktime does (day 30 of February is in
    // March). nDST -1 lets the system decide whether daylight-saving time applies. A date the runtime
    // cannot represent gives the time -1.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);

    static CTime GetCurrentTime();
    __time64_t GetTime() const { return m_time; }

    // strftime codes, in local time.
    CString Format(const wchar_t* pszFormat) const;

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;

    CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTimeSpan()); }
    CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTimeSpan()); }
    CTimeSpan operator-(CTime other) const { return CTimeSpan(m_time - other.m_time); }
    CTime& operator+=(CTimeSpan span)
    {
        m_time += span.GetTimeSpan();
        return *this;
    }
    CTime& operator-=(CTimeSpan span)
    {
        m_time -= span.GetTimeSpan();
        return *this;
    }
    bool operator==(CTime other) const { return m_time == other.m_time; }
    bool operator!=(CTime other) const { return m_time != other.m_time; }
    bool operator<(CTime other) const { return m_time < other.m_time; }
    bool operator>(CTime other) const { return m_time > other.m_time; }
    bool operator<=(CTime other) const { return m_time <= other.m_time; }
    bool operator>=(CTime other) const { return m_time >= other.m_time; }

private:
    // The local broken-down time; false (and a zeroed tm) when the runtime cannot convert it.
    bool GetLocalTm(struct tm& tmOut) const;

    __time64_t m_time = 0;
};
