// Shared by the parser's tests: a fixed clock, and results written as dateparse.exe writes
// them ("OK YYYY-MM-DD HH:MM:SS", "INVALID", "FAIL"), so that table rows read as dates.
#pragma once

#include "dateparse/DateParser.h"
#include "framework/Clock.h"

#include <cstdio>
#include <ostream>
#include <string>

// Wednesday and Friday of Thanksgiving week 2005, mid-morning.
#define NOW_WED "2005-11-23 10:30:00"
#define NOW_FRI "2005-11-25 10:30:00"

inline COleDateTime Moment(const char* pszMoment) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    std::sscanf(pszMoment, "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s);
    return COleDateTime(y, mo, d, h, mi, s);
}

inline std::string Describe(BOOL bResult, const COleDateTime& dt) {
    if (!bResult) return "FAIL";
    if (dt.GetStatus() != COleDateTime::valid || dt.GetYear() == AFX_OLE_DATETIME_ERROR)
        return "INVALID";
    char sz[40];
    std::snprintf(sz, sizeof sz, "OK %04d-%02d-%02d %02d:%02d:%02d", dt.GetYear(), dt.GetMonth(),
                  dt.GetDay(), dt.GetHour(), dt.GetMinute(), dt.GetSecond());
    return sz;
}

inline std::string Ok(const char* pszMoment) {
    return std::string("OK ") + pszMoment;
}

// The whole entry operation, as a date field runs it, at the given moment.
inline std::string ParseAt(const char* pszNow, const std::string& strText, DWORD dwFlags = 0,
                           int nRule = 0, int nCutoff = 7) {
    CFixedClock clock(Moment(pszNow));
    CDateParser parser;
    parser.SetAmPmRule(nRule);
    parser.SetAmPmCutoff(nCutoff);
    BOOL bResult = parser.ParseDateTime(strText.c_str(), dwFlags, LANG_USER_DEFAULT);
    return Describe(bResult, parser);
}

// One table row: at pszNow, pszText (with the flags) reads as pszExpected.
struct ParseRow {
    const char* pszNow;
    const char* pszText;
    const char* pszExpected;
    DWORD dwFlags;
};

inline void PrintTo(const ParseRow& row, std::ostream* os) {
    *os << "[" << row.pszText << "] at " << row.pszNow << " flags " << row.dwFlags;
}

// A row of the date-only tables: the flag date fields pass goes with every row.
struct DateRow {
    const char* pszNow;
    const char* pszText;
    const char* pszExpected;
};

inline void PrintTo(const DateRow& row, std::ostream* os) {
    *os << "[" << row.pszText << "] at " << row.pszNow;
}

inline std::string ParseDateOnly(const DateRow& row) {
    return ParseAt(row.pszNow, row.pszText, VAR_DATEVALUEONLY);
}
