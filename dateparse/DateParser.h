// CDateParser: a date-time value that reads itself from free text. The platform's locale-aware
// parse comes first; only when it fails do the English phrase grammars run.
#pragma once

#include "framework/DateTime.h"
#include "framework/String.h"
#include "framework/StringMap.h"

class CDateParser : public COleDateTime {
public:
    // How a bare hour typed without A.M. or P.M. is read by the time grammar.
    enum AmPmRule {
        ampmBeforeSeven = 0,  // hours below 7 are afternoon
        ampmBeforeNow = 1,    // hours below the current hour are afternoon
        ampmBeforeCutoff = 2, // hours below m_nAmPmCutoff are afternoon
        ampm24Hour = 3        // the hour is taken as typed
    };

    // How deeply a base date may sit inside other phrases, and how many base dates one parse
    // may read in all. Beyond either the text is not a date; this keeps every input, however
    // long or contrived, to a bounded amount of work and stack.
    static constexpr int kMaxNesting = 16;
    static constexpr int kMaxBaseReadings = 256;
    // The longest text a date field holds; anything longer is not a date.
    static constexpr int kMaxTextLength = 4095;

    CDateParser();
    // Carries the date only: the A.M./P.M. settings of the copy start at their defaults.
    CDateParser(const CDateParser& dateSrc);

    // The order of these virtual members is part of the class's contract.
    virtual ~CDateParser();
    virtual const CDateParser& operator=(const COleDateTime& dateSrc);
    virtual const CDateParser& operator=(const CDateParser& dateSrc);
    virtual BOOL IsDayType(int nDayType) const;
    virtual BOOL ParseDateTime(LPCTSTR lpszText, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);
    virtual int GetAmPmCutoff() const;
    virtual void SetAmPmCutoff(int nHour);
    virtual int GetAmPmRule() const;
    virtual void SetAmPmRule(int nRule);
    virtual BOOL IsWeekend() const;
    virtual BOOL IsWeekday() const;
    virtual BOOL IsSunday() const;
    virtual BOOL IsMonday() const;
    virtual BOOL IsTuesday() const;
    virtual BOOL IsWednesday() const;
    virtual BOOL IsThursday() const;
    virtual BOOL IsFriday() const;
    virtual BOOL IsSaturday() const;
    virtual BOOL IsJanuary() const;
    virtual BOOL IsFebruary() const;
    virtual BOOL IsMarch() const;
    virtual BOOL IsApril() const;
    virtual BOOL IsMay() const;
    virtual BOOL IsJune() const;
    virtual BOOL IsJuly() const;
    virtual BOOL IsAugust() const;
    virtual BOOL IsSeptember() const;
    virtual BOOL IsOctober() const;
    virtual BOOL IsNovember() const;
    virtual BOOL IsDecember() const;
    virtual BOOL IsLeapYear() const;
    virtual BOOL IsLeapYear(int nYear) const;
    virtual BOOL IsValid() const;

    // Grammars. Each answers TRUE when it recognised the text; dtOut then holds the result,
    // which may be invalid when the recognised date cannot be formed.
    BOOL ParseDatePhrase(CString strText, COleDateTime& dtOut);
    BOOL ParseTimePhrase(CString strText, COleDateTime& dtOut);
    BOOL ParseDateOrTime(CString strText, COleDateTime& dtOut);
    static CString NormalizeMeridiem(const CString& strText);

    // Holidays.
    static void GetEasterDate(int nYear, WORD& nMonth, WORD& nDay);
    BOOL GetHolidayDate(CDateParser& target, const CString& strName, int nYear);

    // Calendar stepping. Month steps and the n-th weekday of a month give midnight.
    COleDateTime NthWeekdayOfMonth(int n, int nDayOfWeek, int nMonth);
    BOOL NthWeekdayBefore(int n, int nDayOfWeek, COleDateTime& dtOut);
    BOOL NthWeekdayAfter(int n, int nDayOfWeek, COleDateTime& dtOut);
    COleDateTime SubtractMonths(int n, const COleDateTime& dtFrom);
    COleDateTime AddMonths(int n, const COleDateTime& dtFrom);

    // Text preparation.
    static CString Normalize(CString strText, BOOL bUpper);
    static CString CollapseSpaces(const CString& strText);
    static CString ExpandAbbreviations(const CString& strText);
    static CString LookupAbbreviation(const CString& strWord);

    // Text utilities. The first word of a text is the part before its first space.
    static BOOL EqualsNoCase(const CString& a, const CString& b);
    static BOOL StartsWithNoCase(const CString& s, const CString& strPrefix);
    static BOOL EndsWithNoCase(const CString& s, const CString& strSuffix);
    static BOOL IsNumber(const CString& s);
    static BOOL FirstWordIsNumber(const CString& s);
    static BOOL LastWordIsNumber(const CString& s);
    static CString FirstWord(const CString& s);
    static CString AfterFirstWord(const CString& s); // trimmed
    static int ToNumber(LPCTSTR lpsz);
    static CString NumberToString(int n);
    // Two hour digits, a colon, two minute digits: the clock text of the time grammar.
    static CString ClockTextOf(int nHour, int nMinute);

    // Counts: digits, or a number word from ONE to TWELVE. Any other word counts as 0.
    static BOOL IsCount(const CString& strWord);
    static int CountOf(const CString& strWord);
    static BOOL FirstWordIsCount(const CString& s);
    // "A FEW", "SEVERAL", "SOME", "A COUPLE OF" ... in front, with or without IN: no count at
    // all, so no phrase counted with it is a date.
    static BOOL StartsWithVagueCount(const CString& t);

    // Calendar utilities.
    static int MonthFromName(LPCTSTR lpszName);
    int DaysInMonth(int nMonth, int nYear) const;
    static BOOL IsZeroDate(const COleDateTime& dt);

    // The process-wide abbreviation table, filled by the first parser constructed.
    static CMapStringToString& Abbreviations();

    struct CHoliday; // a row of the holiday table

private:
    class CParseSession;

    // The date grammar, stage by stage; each answers TRUE when it decided the text.
    BOOL ParseCompactDate(const CString& t, COleDateTime& dtOut);
    BOOL ParseWholePhrase(const CString& t, COleDateTime& dtOut);
    BOOL ParseCountedFromNow(const CString& t, COleDateTime& dtOut);
    BOOL ParseNthWeekdayInMonth(const CString& t, COleDateTime& dtOut);
    BOOL ParseDistanceFromBase(const CString& t, COleDateTime& dtOut);
    BOOL ParseArithmetic(const CString& t, COleDateTime& dtOut);
    BOOL ParseCountedWeekdays(const CString& t, COleDateTime& dtOut);
    BOOL ParseNextOrLastHoliday(const CString& t, COleDateTime& dtOut);
    BOOL ParseHolidayInYear(const CString& t, COleDateTime& dtOut);
    BOOL ParseInUnits(const CString& t, COleDateTime& dtOut);

    // Holidays.
    static const CHoliday* FindHoliday(const CString& strName);
    BOOL HolidayInYear(const CHoliday& holiday, int nYear, COleDateTime& dtOut);
    BOOL ParseBareHoliday(const CString& t, COleDateTime& dtOut);
    COleDateTime NthWeekdayInYear(int n, int nDayOfWeek, int nMonth, int nYear);

    // The time grammar's pieces.
    BOOL ParseClockNumber(const CString& t, COleDateTime& dtOut);
    int ApplyAmPmRule(int nHour, int nDigits);

    // Reads a base date or time inside a phrase, within the nesting and work bounds: the
    // grammars first, then the platform's parse.
    BOOL ReadBase(const CString& strBase, COleDateTime& dtOut, BOOL bTimeOnly);
    BOOL ReadTypedBase(const CString& strBase, COleDateTime& dtOut);
    static BOOL IsTypedDateFirst(const CString& strBase);
    COleDateTime Now() const;

    int m_nAmPmRule;
    int m_nAmPmCutoff;

    // State of the parse in progress; not part of the value, never copied.
    int m_nNesting = 0;
    int m_nBaseReadings = 0;
    BOOL m_bAbandoned = FALSE;
    BOOL m_bInSession = FALSE;
    DWORD m_dwParseFlags = 0; // the flags ParseDateTime was given, while its grammar runs
    COleDateTime m_dtSessionNow;
};
