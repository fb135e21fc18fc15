// Counted weekdays ("2 FRIDAYS FROM NOW", "3 SUNDAYS AGO") and bare counts of units from now
// ("IN 3 WEEKS", "10 DAYS").
#include "dateparse/DateParser.h"

#include "dateparse/GrammarCommon.h"

BOOL CDateParser::ParseCountedWeekdays(const CString& t, COleDateTime& dtOut) {
    if (!FirstWordIsCount(t)) return FALSE;
    int nCount = CountOf(FirstWord(t));
    using GrammarCommon::EndsWithPhrase;
    const size_t nLength = t.GetLength();
    for (int nWeekday = 1; nWeekday <= 7; ++nWeekday) {
        const char* pszWeekday = GrammarCommon::kWeekdays[nWeekday - 1];
        if (EndsWithPhrase(t, nLength, {pszWeekday, "S AGO"}))
            return NthWeekdayBefore(nCount, nWeekday, dtOut);
        if (EndsWithPhrase(t, nLength, {pszWeekday, "S FROM NOW"}) ||
            EndsWithPhrase(t, nLength, {pszWeekday, "S FROM TODAY"}))
            return NthWeekdayAfter(nCount, nWeekday, dtOut);
    }
    return FALSE;
}

// The unit must be plural: "IN A MONTH" and "IN 1 MONTH" are not read.
BOOL CDateParser::ParseInUnits(const CString& t, COleDateTime& dtOut) {
    enum Unit { unitDays, unitWeeks, unitMonths, unitYears };
    static const struct {
        const char* pszEnding;
        Unit unit;
    } kEndings[] = {
        {" DAYS", unitDays},
        {" WEEKS", unitWeeks},
        {" MONTHS", unitMonths},
        {" YEARS", unitYears},
    };
    CString strCounted = t.Left(3) == "IN " ? t.Mid(3) : t;
    int nCount = CountOf(FirstWord(strCounted));
    COleDateTime dtNow = Now();
    for (const auto& ending : kEndings) {
        CString strEnding = ending.pszEnding;
        if (t.Right(strEnding.GetLength()) != strEnding) continue;
        switch (ending.unit) {
        case unitDays:
            dtOut = dtNow + COleDateTimeSpan(static_cast<double>(nCount));
            break;
        case unitWeeks:
            dtOut = dtNow + COleDateTimeSpan(7.0 * nCount);
            break;
        case unitMonths:
            dtOut = AddMonths(nCount, dtNow);
            break;
        case unitYears:
            dtOut = AddMonths(GrammarCommon::ClampToInt(12LL * nCount), dtNow);
            break;
        }
        return TRUE;
    }
    return FALSE;
}
