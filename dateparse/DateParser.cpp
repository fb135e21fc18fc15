// The parser object: construction, the day and month tests, and the entry operation that tries
// the platform's parse before the phrase grammars.
#include "dateparse/DateParser.h"

#include "dateparse/ParseSession.h"

#include <cctype>

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
    m_dwParseFlags = dwFlags;
    BOOL bParsed;
    if (dwFlags == VAR_DATEVALUEONLY)
        bParsed = ParseDatePhrase(t, r);
    else if (dwFlags == VAR_TIMEVALUEONLY)
        bParsed = ParseTimePhrase(t, r);
    else
        bParsed = ParseDateOrTime(t, r);
    m_dwParseFlags = 0;

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
    BOOL bParsed;
    if (bTimeOnly) {
        bParsed = ParseTimePhrase(strBase, dtOut);
    } else if (m_dwParseFlags == VAR_DATEVALUEONLY && IsTypedDateFirst(strBase) &&
               ReadTypedBase(strBase, dtOut)) {
        bParsed = TRUE;
    } else {
        bParsed = ParseDatePhrase(strBase, dtOut);
        if (!bParsed && !m_bAbandoned && ParseTimePhrase(strBase, dtOut)) {
            // A time of day (noon, 5, 10 till 5) as the base of a date asked for alone would
            // put the date in 1899; the times measured from now are dates.
            bParsed = !(m_dwParseFlags == VAR_DATEVALUEONLY &&
                        (dtOut.GetStatus() != valid || IsZeroDate(dtOut)));
            if (!bParsed) {
                --m_nNesting;
                return FALSE;
            }
        }
    }
    if (!bParsed && !m_bAbandoned) bParsed = ReadTypedBase(strBase, dtOut);
    --m_nNesting;
    return bParsed && !m_bAbandoned;
}

// A base of digits and separators alone ("2005-12-25", "12-25-05") is, to a date-only parse, a
// typed date before anything else: the grammars would split it at its dashes into clock times,
// which a date-only parse refuses. Six or eight digits are the compact dates of the grammar.
BOOL CDateParser::IsTypedDateFirst(const CString& strBase) {
    for (const char* p = strBase; *p; ++p) {
        if (std::isalpha(static_cast<unsigned char>(*p))) return FALSE;
    }
    return !(IsNumber(strBase) && (strBase.GetLength() == 6 || strBase.GetLength() == 8));
}

// "12/25/2005", "5 PM": a base typed as the platform writes dates and times, read with the
// flags of the whole parse. Such a text is short and holds a digit; anything else is left
// alone, which also keeps long nested texts from paying a platform parse at every level.
BOOL CDateParser::ReadTypedBase(const CString& strBase, COleDateTime& dtOut) {
    const int kMaxTypedLength = 64;
    if (strBase.GetLength() > kMaxTypedLength || strBase.FindOneOf("0123456789") < 0)
        return FALSE;
    COleDateTime dt;
    if (!dt.ParseDateTime(strBase, m_dwParseFlags, LANG_USER_DEFAULT)) return FALSE;
    if (m_dwParseFlags == VAR_DATEVALUEONLY && IsZeroDate(dt)) return FALSE;
    dtOut = dt;
    return TRUE;
}

COleDateTime CDateParser::Now() const {
    return m_bInSession ? m_dtSessionNow : COleDateTime::GetCurrentTime();
}
