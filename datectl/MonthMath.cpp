#include "datectl/MonthMath.h"

#include "datectl/CalendarTypes.h"

namespace {

// DATE serials of 1 January 100 and 31 December 9999.
constexpr long kFirstSerial = -657434;
constexpr long kLastSerial = 2958465;

bool IsLeapYear(int nYear)
{
    return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
}

// Days from 30 December 1899 to 1 January of nYear, proleptic Gregorian as DATE is.
long SerialOfNewYear(int nYear)
{
    const long y = nYear - 1;
    const long daysSinceYearOne = y * 365 + y / 4 - y / 100 + y / 400;
    return daysSinceYearOne - 693593; // 30 December 1899 is day 693593 after 1 January 1
}

} // namespace

bool IsValidCalendarYear(int nYear)
{
    return nYear >= CALENDAR_MINYEAR && nYear <= CALENDAR_MAXYEAR;
}

YearMonth FromMonthIndex(int nIndex)
{
    YearMonth ym;
    ym.nYear = nIndex >= 0 ? nIndex / 12 : -((-nIndex + 11) / 12);
    ym.nMonth = nIndex - ym.nYear * 12 + 1;
    return ym;
}

YearMonth AddMonths(YearMonth ym, int nDelta)
{
    return FromMonthIndex(MonthIndex(ym) + nDelta);
}

YearMonth AddMonthsClamped(YearMonth ym, int nDelta)
{
    const int nFirst = MonthIndex(YearMonth{1, CALENDAR_MINYEAR});
    const int nLast = MonthIndex(YearMonth{12, CALENDAR_MAXYEAR});
    int nIndex = MonthIndex(ym) + nDelta;
    if (nIndex < nFirst)
        nIndex = nFirst;
    if (nIndex > nLast)
        nIndex = nLast;
    return FromMonthIndex(nIndex);
}

long DaySerial(const COleDateTime& date)
{
    return static_cast<long>(date.m_dt);
}

COleDateTime DateFromSerial(long nSerial)
{
    COleDateTime date(static_cast<DATE>(nSerial));
    if (nSerial < kFirstSerial || nSerial > kLastSerial)
        date.SetStatus(COleDateTime::invalid);
    return date;
}

long FirstOfMonthSerial(YearMonth ym)
{
    static const int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    long nSerial = SerialOfNewYear(ym.nYear) + kDaysBeforeMonth[ym.nMonth - 1];
    if (ym.nMonth > 2 && IsLeapYear(ym.nYear))
        ++nSerial;
    return nSerial;
}

long FirstGridSerial(YearMonth ym)
{
    const long nFirst = FirstOfMonthSerial(ym);
    // Serial 1 (31 December 1899) was a Sunday; weekday 0 = Sunday.
    long nWeekday = (nFirst - 1) % 7;
    if (nWeekday < 0)
        nWeekday += 7;
    return nFirst - nWeekday;
}
