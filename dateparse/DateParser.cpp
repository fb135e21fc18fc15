// The parser object: construction, the day and month tests, and the entry operation that tries
// the platform's parse before the phrase grammars.
#include "dateparse/DateParser.h"

#include "dateparse/ParseSession.h"

CDateParser::CDateParser() : m_nAmPmRule(ampmBeforeSeven), m_nAmPmCutoff(7) {
    Abbreviations(); // the first parser of the process fills the table
}

CDateParser::CDateParser(const CDateParser& dateSrc)
    : COleDateTime(dateSrc), m_nAmPmRule(ampmBeforeSeven), m_nAmPmCutoff(7) {}

CDateParser::~CDateParser() {}

const CDateParser& CDateParser::operator=(const COleDateTime& dateSrc) {
    m_dt = dateSrc.m_dt;
    m_status = dateSrc.m_status;
    return *this;
}

const CDateParser& CDateParser::operator=(const CDateParser& dateSrc) {
    m_dt = dateSrc.m_dt;
    m_status = dateSrc.m_status;
    m_nAmPmRule = dateSrc.m_nAmPmRule;
    m_nAmPmCutoff = dateSrc.m_nAmPmCutoff;
    return *this;
}

BOOL CDateParser::IsDayType(int nDayType) const {
    switch (nDayType) {
    case 0:
        return TRUE;
    case 1:
        return IsWeekday();
    case 2:
        return IsWeekend();
    case 3:
        return IsSunday();
    case 4:
        return IsMonday();
    case 5:
        return IsTuesday();
    case 6:
        return IsWednesday();
    case 7:
        return IsThursday();
    case 8:
        return IsFriday();
    case 9:
        return IsSaturday();
    default:
        return FALSE;
    }
}

int CDateParser::GetAmPmCutoff() const {
    return m_nAmPmCutoff;
}

void CDateParser::SetAmPmCutoff(int nHour) {
    if (nHour >= 1 && nHour <= 11) m_nAmPmCutoff = nHour;
}

int CDateParser::GetAmPmRule() const {
    return m_nAmPmRule;
}

void CDateParser::SetAmPmRule(int nRule) {
    if (nRule >= ampmBeforeSeven && nRule <= ampm24Hour) m_nAmPmRule = nRule;
}

// On an invalid value the getters answer -1, so every day and month test is FALSE there and
// IsWeekday, being "not a weekend", is TRUE.
BOOL CDateParser::IsWeekend() const {
    return IsSaturday() || IsSunday();
}
BOOL CDateParser::IsWeekday() const {
    return !IsWeekend();
}
BOOL CDateParser::IsSunday() const {
    return GetDayOfWeek() == 1;
}
BOOL CDateParser::IsMonday() const {
    return GetDayOfWeek() == 2;
}
BOOL CDateParser::IsTuesday() const {
    return GetDayOfWeek() == 3;
}
BOOL CDateParser::IsWednesday() const {
    return GetDayOfWeek() == 4;
}
BOOL CDateParser::IsThursday() const {
    return GetDayOfWeek() == 5;
}
BOOL CDateParser::IsFriday() const {
    return GetDayOfWeek() == 6;
}
BOOL CDateParser::IsSaturday() const {
    return GetDayOfWeek() == 7;
}
BOOL CDateParser::IsJanuary() const {
    return GetMonth() == 1;
}
BOOL CDateParser::IsFebruary() const {
    return GetMonth() == 2;
}
BOOL CDateParser::IsMarch() const {
    return GetMonth() == 3;
}
BOOL CDateParser::IsApril() const {
    return GetMonth() == 4;
}
BOOL CDateParser::IsMay() const {
    return GetMonth() == 5;
}
BOOL CDateParser::IsJune() const {
    return GetMonth() == 6;
}
BOOL CDateParser::IsJuly() const {
    return GetMonth() == 7;
}
BOOL CDateParser::IsAugust() const {
    return GetMonth() == 8;
}
BOOL CDateParser::IsSeptember() const {
    return GetMonth() == 9;
}
BOOL CDateParser::IsOctober() const {
    return GetMonth() == 10;
}
BOOL CDateParser::IsNovember() const {
    return GetMonth() == 11;
}
BOOL CDateParser::IsDecember() const {
    return GetMonth() == 12;
}
BOOL CDateParser::IsLeapYear() const {
    return IsLeapYear(GetYear());
}

BOOL CDateParser::IsLeapYear(int nYear) const {
    return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
}

BOOL CDateParser::IsValid() const {
    return GetStatus() == valid;
}

BOOL CDateParser::ParseDateTime(LPCTSTR lpszText, DWORD dwFlags, LCID lcid) {
    CString s = lpszText ? lpszText : "";
    if (s.GetLength() > kMaxTextLength) {
        SetStatus(invalid);
        return FALSE;
    }

    COleDateTime r;
    if (dwFlags == 0 || dwFlags == VAR_TIMEVALUEONLY) s = NormalizeMeridiem(s);

    // A text holding only a time parses, date-only, to the zero date: that is no date.
    if (r.ParseDateTime(s, dwFlags, lcid) && !(dwFlags == VAR_DATEVALUEONLY && IsZeroDate(r))) {
        *this = r;
        return TRUE;
    }

    CString t = ExpandAbbreviations(CollapseSpaces(Normalize(s, TRUE)));
    r = COleDateTime();
    BOOL bParsed;
    if (dwFlags == VAR_DATEVALUEONLY)
        bParsed = ParseDatePhrase(t, r);
    else if (dwFlags == VAR_TIMEVALUEONLY)
        bParsed = ParseTimePhrase(t, r);
    else
        bParsed = ParseDateOrTime(t, r);

    if (!bParsed) {
        SetStatus(invalid);
        return FALSE;
    }
    *this = r;
    return TRUE;
}

BOOL CDateParser::ParseDateOrTime(CString strText, COleDateTime& dtOut) {
    CParseSession session(*this);
    if (ParseDatePhrase(strText, dtOut)) return TRUE;
    if (m_bAbandoned) return FALSE;
    return ParseTimePhrase(strText, dtOut);
}

BOOL CDateParser::ReadBase(const CString& strBase, COleDateTime& dtOut, BOOL bTimeOnly) {
    if (m_bAbandoned) return FALSE;
    if (m_nNesting >= kMaxNesting || m_nBaseReadings >= kMaxBaseReadings) {
        m_bAbandoned = TRUE;
        return FALSE;
    }
    ++m_nNesting;
    ++m_nBaseReadings;
    BOOL bParsed = bTimeOnly ? ParseTimePhrase(strBase, dtOut) : ParseDateOrTime(strBase, dtOut);
    --m_nNesting;
    return bParsed && !m_bAbandoned;
}

COleDateTime CDateParser::Now() const {
    return m_bInSession ? m_dtSessionNow : COleDateTime::GetCurrentTime();
}
