// CTime and CTimeSpan: a point in time (seconds since 1970 UTC, shown in local time) and a span of seconds.
#include "framework/core/CTime.h"

#include <cwchar>

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    struct tm t = {};
    t.tm_year = nYear - 1900;
    t.tm_mon = nMonth - 1;
    t.tm_mday = nDay;
    t.tm_hour = nHour;
    t.tm_min = nMin;
    t.tm_sec = nSec;
    t.tm_isdst = nDST;
    m_time = _mktime64(&t);
}

CTime CTime::GetCurrentTime()
{
    return CTime(_time64(nullptr));
}

bool CTime::GetLocalTm(struct tm& tmOut) const
{
    tmOut = {};
    return _localtime64_s(&tmOut, &m_time) == 0;
}

CString CTime::Format(const wchar_t* pszFormat) const
{
    struct tm t;
    if (pszFormat == nullptr || !GetLocalTm(t))
        return CString();
    wchar_t buffer[256] = {};
    size_t n = wcsftime(buffer, sizeof(buffer) / sizeof(buffer[0]), pszFormat, &t);
    return CString(buffer, static_cast<int>(n));
}

int CTime::GetYear() const
{
    struct tm t;
    return GetLocalTm(t) ? t.tm_year + 1900 : 0;
}

int CTime::GetMonth() const
{
    struct tm t;
    return GetLocalTm(t) ? t.tm_mon + 1 : 0;
}

int CTime::GetDay() const
{
    struct tm t;
    return GetLocalTm(t) ? t.tm_mday : 0;
}

int CTime::GetHour() const
{
    struct tm t;
    return GetLocalTm(t) ? t.tm_hour : 0;
}

int CTime::GetMinute() const
{
    struct tm t;
    return GetLocalTm(t) ? t.tm_min : 0;
}

int CTime::GetSecond() const
{
    struct tm t;
    return GetLocalTm(t) ? t.tm_sec : 0;
}
