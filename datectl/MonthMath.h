// Month and day arithmetic for the calendar, kept free of any window.
#pragma once

#include "framework/DateTime.h"

struct YearMonth {
    int nMonth = 1; // 1..12
    int nYear = 2000;

    bool operator==(const YearMonth& other) const
    {
        return nMonth == other.nMonth && nYear == other.nYear;
    }
    bool operator!=(const YearMonth& other) const { return !(*this == other); }
};

inline bool IsValidMonth(int nMonth) { return nMonth >= 1 && nMonth <= 12; }
bool IsValidCalendarYear(int nYear);

// Months counted from January of year 0; turns month steps into plain addition.
inline int MonthIndex(YearMonth ym) { return ym.nYear * 12 + (ym.nMonth - 1); }
YearMonth FromMonthIndex(int nIndex);

// Moves by nDelta months without any year limit (after December comes January).
YearMonth AddMonths(YearMonth ym, int nDelta);

// Moves by nDelta months but never before January 100 nor after December 9999.
YearMonth AddMonthsClamped(YearMonth ym, int nDelta);

// Whole days since 30 December 1899 of a date at any time of that day. COleDateTime keeps
// the time of day as an unsigned fraction, so dates before 1899 are truncated, not floored.
long DaySerial(const COleDateTime& date);

// The date at 0:00 of a day serial; invalid outside 1 January 100 .. 31 December 9999.
COleDateTime DateFromSerial(long nSerial);

// The day serial a six-week grid for the month starts with: the Sunday on or before the
// 1st. Cells 0..41 are this serial + 0..41; near the year limits some lie outside them.
long FirstGridSerial(YearMonth ym);

// The day serial of the 1st of the month.
long FirstOfMonthSerial(YearMonth ym);
