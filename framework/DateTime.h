// COleDateTime and COleDateTimeSpan: MFC's OLE date-time value and its difference type.
//
// A DATE counts days since 1899-12-30 00:00 with the time of day as the fraction. Before that
// day the count is negative but the fraction is still a positive time of day: -1.25 is
// 1899-12-29 06:00. Comparisons and arithmetic therefore work on the linear value.
#pragma once

#include "framework/String.h"

#include <windows.h>
#include <oleauto.h>

#include <ctime>

// <winbase.h> maps GetCurrentTime() to GetTickCount(), which would hide the member.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

// What the getters answer for a value that is not a valid date.
#define AFX_OLE_DATETIME_ERROR (-1)

class COleDateTimeSpan;

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    // Local time in whole seconds, read through the process clock (framework/Clock.h).
    static COleDateTime GetCurrentTime();

    COleDateTime();  // 1899-12-30 00:00, valid
    COleDateTime(const COleDateTime& dateSrc) = default;
    COleDateTime(DATE dtSrc);
    COleDateTime(time_t timeSrc);  // as local time
    COleDateTime(const SYSTEMTIME& systimeSrc);
    COleDateTime(const FILETIME& filetimeSrc);  // UTC, converted to local time
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    COleDateTime(WORD wDosDate, WORD wDosTime);

    DATE m_dt;
    DateTimeStatus m_status;

    void SetStatus(DateTimeStatus status) { m_status = status; }
    DateTimeStatus GetStatus() const { return m_status; }

    // AFX_OLE_DATETIME_ERROR unless the status is valid and the value lies in years
    // 100..9999. The value is rounded to the nearest second first.
    int GetYear() const;
    int GetMonth() const;       // 1..12
    int GetDay() const;         // 1..31
    int GetHour() const;        // 0..23
    int GetMinute() const;      // 0..59
    int GetSecond() const;      // 0..59
    int GetDayOfWeek() const;   // 1 = Sunday .. 7 = Saturday
    int GetDayOfYear() const;   // 1 = 1 January

    COleDateTime& operator=(const COleDateTime& dateSrc) = default;
    COleDateTime& operator=(DATE dtSrc);
    COleDateTime& operator=(const time_t& timeSrc);
    COleDateTime& operator=(const SYSTEMTIME& systimeSrc);
    COleDateTime& operator=(const FILETIME& filetimeSrc);

    // == and != compare status and value; the order compares the dates themselves.
    BOOL operator==(const COleDateTime& date) const;
    BOOL operator!=(const COleDateTime& date) const;
    BOOL operator<(const COleDateTime& date) const;
    BOOL operator>(const COleDateTime& date) const;
    BOOL operator<=(const COleDateTime& date) const;
    BOOL operator>=(const COleDateTime& date) const;

    // An invalid operand gives an invalid result, a null one a null result; a result
    // outside years 100..9999 is invalid.
    COleDateTime operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTime operator-(const COleDateTimeSpan& dateSpan) const;
    COleDateTime& operator+=(const COleDateTimeSpan& dateSpan);
    COleDateTime& operator-=(const COleDateTimeSpan& dateSpan);
    COleDateTimeSpan operator-(const COleDateTime& date) const;

    operator DATE() const { return m_dt; }

    // Each returns the new status: 0 (valid) or 1 (invalid). Years 100..9999, months 1..12,
    // days within the month, 0..23:0..59:0..59. A refused value keeps m_dt and is invalid.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay);  // at 00:00:00
    int SetTime(int nHour, int nMin, int nSec);    // on 1899-12-30

    // The system's VarDateFromStr with these flags (0, VAR_TIMEVALUEONLY,
    // VAR_DATEVALUEONLY) and locale. FALSE and invalid when the text is no date
    // (m_dt 0) or beyond the type's range (m_dt -1); TRUE and valid otherwise.
    BOOL ParseDateTime(LPCSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

    // strftime codes in English names: %a %A %b %B %c %d %H %I %j %m %M %p %S %U %w %W
    // %x %X %y %Y %z %Z %%, and the '#' flag (%#d: no leading zero; %#c, %#x: long form).
    // "" for a null value, "Invalid DateTime" for an invalid one.
    CString Format(LPCSTR lpszFormat) const;
    CString Format(UINT nFormatID) const;  // the format is a string resource
    // The system's VarBstrFromDate with these flags (VAR_DATEVALUEONLY, ...) and locale.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;

private:
    void CheckRange();
};

class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan();  // 0, valid
    COleDateTimeSpan(const COleDateTimeSpan& dateSpanSrc) = default;
    COleDateTimeSpan(double dblSpanSrc);
    COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs);

    double m_span;  // days, the fraction is the part of a day
    DateTimeSpanStatus m_status;

    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    DateTimeSpanStatus GetStatus() const { return m_status; }

    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const { return m_span * 24; }
    double GetTotalMinutes() const { return m_span * 24 * 60; }
    double GetTotalSeconds() const { return m_span * 24 * 60 * 60; }

    // Components of the span rounded to the nearest second; each carries the span's sign.
    long GetDays() const;
    long GetHours() const;    // -23..23
    long GetMinutes() const;  // -59..59
    long GetSeconds() const;  // -59..59

    COleDateTimeSpan& operator=(const COleDateTimeSpan& dateSpanSrc) = default;
    COleDateTimeSpan& operator=(double dblSpanSrc);

    BOOL operator==(const COleDateTimeSpan& dateSpan) const;
    BOOL operator!=(const COleDateTimeSpan& dateSpan) const;
    BOOL operator<(const COleDateTimeSpan& dateSpan) const;
    BOOL operator>(const COleDateTimeSpan& dateSpan) const;
    BOOL operator<=(const COleDateTimeSpan& dateSpan) const;
    BOOL operator>=(const COleDateTimeSpan& dateSpan) const;

    // Invalid in, invalid out; a result beyond about 9,900 years is invalid.
    COleDateTimeSpan operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& dateSpan);
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& dateSpan);
    COleDateTimeSpan operator-() const;

    operator double() const { return m_span; }

    void SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs);

    // %D total days, %H %M %S the components (two digits), %%. "" when null,
    // "Invalid DateTimeSpan" when invalid.
    CString Format(LPCSTR lpszFormat) const;

private:
    void CheckRange();
};
