// Holidays by name: the bare name ("THANKSGIVING"), with NEXT or LAST ("LAST EASTER") and with
// a year ("LABOR DAY 1999"), each with its own rule for the year meant.
#include "dateparse/DateParser.h"

#include "dateparse/GrammarCommon.h"

#include <cstring>

struct CDateParser::CHoliday {
    enum Kind {
        kindFixed,       // nMonth/nDay
        kindEaster,      // Easter Sunday plus nDay days
        kindNthWeekday,  // the nDay-th nWeekday of nMonth
        kindLastWeekday, // the last nWeekday of nMonth
    };
    // Which year the bare name means.
    enum BareRule {
        bareThisYear,   // this year's, even when it is past
        bareNextYear,   // always next year's
        bareNextIfPast, // this year's, or next year's once this year's midnight has gone by
    };

    const char* names[8];
    Kind kind;
    int nMonth;
    int nDay;
    int nWeekday;
    BareRule bare;
};

namespace {

typedef CDateParser::CHoliday H;

// clang-format off
const H kHolidays[] = {
    {{"CHRISTMAS", "XMAS", "XMASS"}, H::kindFixed, 12, 25, 0, H::bareThisYear},
    {{"CHRISTMAS EVE", "XMAS EVE", "XMASS EVE"}, H::kindFixed, 12, 24, 0, H::bareThisYear},
    {{"NEW YEARS", "NEW YEARS DAY"}, H::kindFixed, 1, 1, 0, H::bareNextYear},
    {{"NEW YEARS EVE", "NEW YEARS EVE DAY"}, H::kindFixed, 12, 31, 0, H::bareThisYear},
    {{"HALLOWEEN"}, H::kindFixed, 10, 31, 0, H::bareThisYear},
    {{"JULY 4TH", "JULY FOURTH", "JULY FORTH", "4TH OF JULY", "FOURTH OF JULY", "FORTH OF JULY",
      "INDEPENDENCE DAY"},
     H::kindFixed, 7, 4, 0, H::bareNextIfPast},
    {{"EASTER", "EASTER SUNDAY"}, H::kindEaster, 0, 0, 0, H::bareNextIfPast},
    {{"GOOD FRIDAY"}, H::kindEaster, 0, -2, 0, H::bareNextIfPast},
    {{"ASH WEDNESDAY"}, H::kindEaster, 0, -46, 0, H::bareNextIfPast},
    {{"VETERANS DAY", "VETERAN DAY"}, H::kindFixed, 11, 11, 0, H::bareNextIfPast},
    {{"MEMORIAL DAY"}, H::kindLastWeekday, 5, 0, 2, H::bareNextIfPast},
    {{"LABOR DAY"}, H::kindNthWeekday, 9, 1, 2, H::bareNextIfPast},
    {{"COLUMBUS DAY"}, H::kindNthWeekday, 10, 2, 2, H::bareNextIfPast},
    {{"THANKSGIVING", "THANKSGIVING DAY"}, H::kindNthWeekday, 11, 4, 5, H::bareNextIfPast},
    {{"WASHINGTON'S BIRTHDAY", "WASHINGTONS BIRTHDAY", "WASHINGTON BIRTHDAY", "PRESIDENTS DAY",
      "PRESIDENT'S DAY", "PRESIDENT DAY"},
     H::kindNthWeekday, 2, 3, 2, H::bareNextIfPast},
};
// clang-format on

struct CDirection {
    const char* pszPrefix;
    int nDirection;
};

const CDirection kDirections[] = {
    {"NEXT ", +1}, {"THIS NEXT ", +1}, {"LAST ", -1},
    {"PAST ", -1}, {"THIS LAST ", -1}, {"THIS PAST ", -1},
};

CString Trimmed(const CString& s) {
    return CDateParser::Normalize(s, FALSE);
}

} // namespace

// Gregorian Easter Sunday (the anonymous Gregorian computus), right for every year the date
// type holds, including those where the shorter Gauss formula needs its exception rules.
void CDateParser::GetEasterDate(int nYear, WORD& nMonth, WORD& nDay) {
    int a = nYear % 19;
    int b = nYear / 100;
    int c = nYear % 100;
    int d = b / 4;
    int e = b % 4;
    int f = (b + 8) / 25;
    int g = (b - f + 1) / 3;
    int h = (19 * a + b - d - g + 15) % 30;
    int i = c / 4;
    int k = c % 4;
    int l = (32 + 2 * e + 2 * i - h - k) % 7;
    int m = (a + 11 * h + 22 * l) / 451;
    int n = h + l - 7 * m + 114;
    nMonth = static_cast<WORD>(n / 31);
    nDay = static_cast<WORD>(n % 31 + 1);
}

const CDateParser::CHoliday* CDateParser::FindHoliday(const CString& strName) {
    for (const CHoliday& holiday : kHolidays) {
        for (const char* pszName : holiday.names) {
            if (pszName && GrammarCommon::SameText(strName, pszName)) return &holiday;
        }
    }
    return nullptr;
}

BOOL CDateParser::HolidayInYear(const CHoliday& holiday, int nYear, COleDateTime& dtOut) {
    COleDateTime dt;
    switch (holiday.kind) {
    case H::kindFixed:
        dt.SetDate(nYear, holiday.nMonth, holiday.nDay);
        break;
    case H::kindEaster: {
        WORD nMonth = 0;
        WORD nDay = 0;
        if (nYear < 100 || nYear > 9999) {
            dt.SetStatus(invalid);
            break;
        }
        GetEasterDate(nYear, nMonth, nDay);
        dt.SetDate(nYear, nMonth, nDay);
        dt += COleDateTimeSpan(holiday.nDay, 0, 0, 0);
        break;
    }
    case H::kindNthWeekday:
        dt = NthWeekdayInYear(holiday.nDay, holiday.nWeekday, holiday.nMonth, nYear);
        break;
    case H::kindLastWeekday:
        dt = NthWeekdayInYear(5, holiday.nWeekday, holiday.nMonth, nYear);
        if (dt.GetStatus() != valid)
            dt = NthWeekdayInYear(4, holiday.nWeekday, holiday.nMonth, nYear);
        break;
    }
    dtOut = dt;
    return dt.GetStatus() == valid;
}

BOOL CDateParser::GetHolidayDate(CDateParser& target, const CString& strName, int nYear) {
    COleDateTime dtNewYear;
    if (dtNewYear.SetDate(nYear, 1, 1) != valid) return FALSE;
    target = Now();
    const CHoliday* pHoliday = FindHoliday(strName);
    if (!pHoliday) return FALSE;
    COleDateTime dt;
    HolidayInYear(*pHoliday, nYear, dt);
    target = dt;
    return TRUE;
}

// Stage 1 of the date grammar for a holiday's bare name.
BOOL CDateParser::ParseBareHoliday(const CString& t, COleDateTime& dtOut) {
    const CHoliday* pHoliday = FindHoliday(t);
    if (!pHoliday) return FALSE;
    COleDateTime dtNow = Now();
    int nYear = dtNow.GetYear();
    COleDateTime dt;
    switch (pHoliday->bare) {
    case H::bareThisYear:
        HolidayInYear(*pHoliday, nYear, dt);
        break;
    case H::bareNextYear:
        HolidayInYear(*pHoliday, nYear + 1, dt);
        break;
    case H::bareNextIfPast: {
        // The feasts before Easter follow their Easter: between Good Friday and Easter Sunday,
        // "good friday" is the Friday just gone.
        CHoliday pivot = *pHoliday;
        if (pivot.kind == H::kindEaster) pivot.nDay = 0;
        COleDateTime dtPivot;
        HolidayInYear(pivot, nYear, dtPivot);
        if (dtPivot.GetStatus() == valid && dtPivot < dtNow) ++nYear;
        HolidayInYear(*pHoliday, nYear, dt);
        break;
    }
    }
    // Only the weekday holidays pass a date they cannot form on to the later stages.
    if (dt.GetStatus() != valid &&
        (pHoliday->kind == H::kindNthWeekday || pHoliday->kind == H::kindLastWeekday))
        return FALSE;
    dtOut = dt;
    return TRUE;
}

// Stage 5: "NEXT EASTER", "THIS PAST LABOR DAY": the next or the previous occurrence.
BOOL CDateParser::ParseNextOrLastHoliday(const CString& t, COleDateTime& dtOut) {
    for (const CDirection& direction : kDirections) {
        if (!StartsWithNoCase(t, direction.pszPrefix)) continue;
        CString strName = Trimmed(t.Mid(static_cast<int>(strlen(direction.pszPrefix))));
        COleDateTime dtNow = Now();
        int nYear = dtNow.GetYear();
        CDateParser target;
        if (!GetHolidayDate(target, strName, nYear)) return FALSE;
        BOOL bMove = direction.nDirection > 0 ? target <= dtNow : target >= dtNow;
        if (bMove && !GetHolidayDate(target, strName, nYear + direction.nDirection))
            target.SetStatus(invalid); // the year before or after is beyond the date type
        dtOut = target;
        return TRUE;
    }
    return FALSE;
}

// Stage 6: "EASTER 2006", "4TH OF JULY 2007": the holiday in the year given, as it stands.
BOOL CDateParser::ParseHolidayInYear(const CString& t, COleDateTime& dtOut) {
    if (!LastWordIsNumber(t)) return FALSE;
    int nSpace = t.ReverseFind(' ');
    int nYear = ToNumber(Trimmed(t.Mid(nSpace + 1)));
    CDateParser target;
    if (!GetHolidayDate(target, Trimmed(t.Left(nSpace)), nYear)) return FALSE;
    dtOut = target;
    return TRUE;
}
