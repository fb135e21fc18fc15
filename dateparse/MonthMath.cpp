// Calendar stepping: whole months forward and back, the n-th weekday of a month, and counted
// weekdays before or after today.
#include "dateparse/DateParser.h"

namespace {

COleDateTime InvalidDate() {
    COleDateTime dt;
    dt.SetStatus(COleDateTime::invalid);
    return dt;
}

// How far the weekday searches of "N SUNDAYS AGO" and "N FRIDAYS FROM NOW" look.
const int kWeekdaySearchDays = 200;

} // namespace

COleDateTime CDateParser::NthWeekdayInYear(int n, int nDayOfWeek, int nMonth, int nYear) {
    COleDateTime dtFirst;
    if (dtFirst.SetDate(nYear, nMonth, 1) != valid) return InvalidDate();
    int nWeekday = dtFirst.GetDayOfWeek();
    int nCount = 0;
    for (int nDay = 1; nDay <= DaysInMonth(nMonth, nYear); ++nDay) {
        if (nWeekday == nDayOfWeek && ++nCount == n) {
            COleDateTime dt;
            dt.SetDate(nYear, nMonth, nDay);
            return dt;
        }
        nWeekday = nWeekday % 7 + 1;
    }
    return InvalidDate();
}

// This year's, unless that is already past (a result of today counts as past, being at
// midnight); then next year's, valid or not.
COleDateTime CDateParser::NthWeekdayOfMonth(int n, int nDayOfWeek, int nMonth) {
    COleDateTime dtNow = Now();
    COleDateTime dt = NthWeekdayInYear(n, nDayOfWeek, nMonth, dtNow.GetYear());
    if (dt.GetStatus() == valid && dtNow > dt)
        dt = NthWeekdayInYear(n, nDayOfWeek, nMonth, dtNow.GetYear() + 1);
    return dt;
}

namespace {

// Walks day by day from the day after (nStep +1) or before (nStep -1) dtNow; a count of 0 is
// that first day itself.
BOOL NthWeekdayFrom(const COleDateTime& dtNow, int nStep, int n, int nDayOfWeek,
                    COleDateTime& dtOut) {
    const COleDateTimeSpan oneDay(nStep, 0, 0, 0);
    COleDateTime dtDay = dtNow + oneDay;
    if (n == 0) {
        dtOut = dtDay;
        return TRUE;
    }
    int nCount = 0;
    for (int i = 0; i < kWeekdaySearchDays; ++i, dtDay += oneDay) {
        if (dtDay.GetDayOfWeek() == nDayOfWeek && ++nCount == n) {
            dtOut = dtDay;
            return TRUE;
        }
    }
    return FALSE;
}

} // namespace

BOOL CDateParser::NthWeekdayBefore(int n, int nDayOfWeek, COleDateTime& dtOut) {
    return NthWeekdayFrom(Now(), -1, n, nDayOfWeek, dtOut);
}

BOOL CDateParser::NthWeekdayAfter(int n, int nDayOfWeek, COleDateTime& dtOut) {
    return NthWeekdayFrom(Now(), +1, n, nDayOfWeek, dtOut);
}

namespace {

// Moves a date by whole months in one go, keeping its day D. When the month reached is too
// short for D the result goes one month further the same way; the month after or before a
// short month always has 31 days. Stepping one month at a time instead would skip a short
// month at every step and drift ("a year ago" on 31 December would land in March).
COleDateTime MoveMonths(const CDateParser& parser, const COleDateTime& dtFrom, long long nDelta) {
    if (dtFrom.GetStatus() != COleDateTime::valid) return InvalidDate();
    int nDay = dtFrom.GetDay();
    long long nIndex = dtFrom.GetYear() * 12LL + (dtFrom.GetMonth() - 1) + nDelta;
    auto yearOf = [](long long i) { return i >= 0 ? i / 12 : -((-i + 11) / 12); };
    auto monthOf = [&](long long i) { return static_cast<int>(i - yearOf(i) * 12) + 1; };
    if (parser.DaysInMonth(monthOf(nIndex), static_cast<int>(yearOf(nIndex))) < nDay)
        nIndex += nDelta < 0 ? -1 : 1;
    long long nYear = yearOf(nIndex);
    if (nYear < 100 || nYear > 9999) return InvalidDate();
    COleDateTime dt;
    dt.SetDate(static_cast<int>(nYear), monthOf(nIndex), nDay);
    return dt;
}

} // namespace

COleDateTime CDateParser::SubtractMonths(int n, const COleDateTime& dtFrom) {
    return MoveMonths(*this, dtFrom, n > 0 ? -static_cast<long long>(n) : 0);
}

COleDateTime CDateParser::AddMonths(int n, const COleDateTime& dtFrom) {
    return MoveMonths(*this, dtFrom, n > 0 ? n : 0);
}
