// The date grammar: its order of stages, the compact numeric dates and the whole phrases
// (today, yesterday, next friday, next year, a day ago ...).
#include "dateparse/DateParser.h"

#include "dateparse/GrammarCommon.h"
#include "dateparse/ParseSession.h"

namespace {

struct CDayPhrase {
    const char* pszPhrase;
    int nDays;
};

const CDayPhrase kDayPhrases[] = {
    {"TODAY", 0},      {"NOW", 0},
    {"YESTERDAY", -1}, {"DAY BEFORE YESTERDAY", -2},
    {"TOMORROW", 1},   {"DAY AFTER TOMORROW", 2},
    {"NEXT WEEK", 7},  {"LAST WEEK", -7},
};

const char* const kNextYear[] = {"NEXT YEAR", "THIS NEXT YEAR"};
const char* const kLastYear[] = {"PAST YEAR", "THIS PAST YEAR", "LAST YEAR", "THIS LAST YEAR"};
const char* const kBackwardWeekday[] = {"LAST ", "THIS PAST ", "PAST "};
const char* const kForwardWeekday[] = {"NEXT ", ""};

template <size_t N> bool IsOneOf(const CString& t, const char* const (&phrases)[N]) {
    for (const char* pszPhrase : phrases) {
        if (GrammarCommon::SameText(t, pszPhrase)) return true;
    }
    return false;
}

bool IsPhrase(const CString& t, std::initializer_list<const char*> parts) {
    return GrammarCommon::IsPhrase(t, t.GetLength(), parts);
}

// "ONE DAY AGO", "A DAYS FROM NOW", "DAY AGO" ...: every spelling of a count of one.
BOOL IsOneUnit(const CString& t, const char* pszUnit, const char* pszDirection) {
    static const char* const kCounts[] = {"ONE ", "1 ", "A ", ""};
    for (const char* pszCount : kCounts) {
        for (const char* pszPlural : {"", "S"}) {
            if (IsPhrase(t, {pszCount, pszUnit, pszPlural, " ", pszDirection})) return TRUE;
        }
    }
    return FALSE;
}

} // namespace

BOOL CDateParser::ParseDatePhrase(CString strText, COleDateTime& dtOut) {
    CParseSession session(*this);
    if (m_bAbandoned) return FALSE;
    CString t = Normalize(strText, TRUE);
    dtOut = Now();
    if (StartsWithVagueCount(t)) return FALSE;

    typedef BOOL (CDateParser::*Stage)(const CString&, COleDateTime&);
    static const Stage kStages[] = {
        &CDateParser::ParseCompactDate,      &CDateParser::ParseWholePhrase,
        &CDateParser::ParseCountedFromNow,   &CDateParser::ParseNthWeekdayInMonth,
        &CDateParser::ParseDistanceFromBase, &CDateParser::ParseArithmetic,
        &CDateParser::ParseCountedWeekdays,  &CDateParser::ParseNextOrLastHoliday,
        &CDateParser::ParseHolidayInYear,    &CDateParser::ParseInUnits,
    };
    for (Stage stage : kStages) {
        if ((this->*stage)(t, dtOut)) return TRUE;
        if (m_bAbandoned) return FALSE;
    }
    return FALSE;
}

// Six or eight digits, read month/day/year by the platform in the user's locale order:
// "122505" and "12252005" are 25 December 2005.
BOOL CDateParser::ParseCompactDate(const CString& t, COleDateTime& dtOut) {
    if (!IsNumber(t) || (t.GetLength() != 6 && t.GetLength() != 8)) return FALSE;
    CString strSlashed = t.Left(2) + "/" + t.Mid(2, 2) + "/" + t.Mid(4);
    COleDateTime dt;
    if (!dt.ParseDateTime(strSlashed, VAR_DATEVALUEONLY, LANG_USER_DEFAULT) || IsZeroDate(dt))
        return FALSE;
    dtOut = dt;
    return TRUE;
}

BOOL CDateParser::ParseWholePhrase(const CString& t, COleDateTime& dtOut) {
    COleDateTime dtNow = Now();
    for (const CDayPhrase& phrase : kDayPhrases) {
        if (GrammarCommon::SameText(t, phrase.pszPhrase)) {
            dtOut = dtNow + COleDateTimeSpan(phrase.nDays, 0, 0, 0);
            return TRUE;
        }
    }
    // The abbreviation table offers NM and LM; they mean a calendar month on.
    if (GrammarCommon::SameText(t, "NEXT MONTH")) {
        dtOut = AddMonths(1, dtNow);
        return TRUE;
    }
    if (GrammarCommon::SameText(t, "LAST MONTH")) {
        dtOut = SubtractMonths(1, dtNow);
        return TRUE;
    }

    if (ParseBareHoliday(t, dtOut)) return TRUE;

    // Today's day in the next or the previous year: invalid on 29 February.
    const int nYearStep = IsOneOf(t, kNextYear) ? +1 : IsOneOf(t, kLastYear) ? -1 : 0;
    if (nYearStep != 0) {
        COleDateTime dt;
        dt.SetDate(dtNow.GetYear() + nYearStep, dtNow.GetMonth(), dtNow.GetDay());
        dtOut = dt;
        return TRUE;
    }

    // The latest such weekday before today, or the first after it; never today itself.
    int nToday = dtNow.GetDayOfWeek();
    for (int nWeekday = 1; nWeekday <= 7; ++nWeekday) {
        const char* pszWeekday = GrammarCommon::kWeekdays[nWeekday - 1];
        for (const char* pszLead : kBackwardWeekday) {
            if (IsPhrase(t, {pszLead, pszWeekday})) {
                int nBack = (nToday - nWeekday + 6) % 7 + 1;
                dtOut = dtNow - COleDateTimeSpan(nBack, 0, 0, 0);
                return TRUE;
            }
        }
        for (const char* pszLead : kForwardWeekday) {
            if (IsPhrase(t, {pszLead, pszWeekday})) {
                int nAhead = (nWeekday - nToday + 6) % 7 + 1;
                dtOut = dtNow + COleDateTimeSpan(nAhead, 0, 0, 0);
                return TRUE;
            }
        }
    }

    if (IsOneUnit(t, "DAY", "AGO")) {
        dtOut = dtNow - COleDateTimeSpan(1, 0, 0, 0);
        return TRUE;
    }
    if (IsOneUnit(t, "DAY", "FROM NOW")) {
        dtOut = dtNow + COleDateTimeSpan(1, 0, 0, 0);
        return TRUE;
    }
    return FALSE;
}

namespace {

// A week count of ONE or A, or none at all ("WEEK AGO"), is one week.
int WeekCount(const CString& t) {
    CString strFirst = CDateParser::FirstWord(t);
    if (strFirst == "ONE" || strFirst == "A" || strFirst == "WEEK" || strFirst == "WEEKS") return 1;
    return CDateParser::CountOf(strFirst);
}

// The ending with nothing but the count in front of it. In "2 DAYS AFTER 3 DAYS AGO" the
// ending belongs to the base date, which the distance stage reads.
// The text is trimmed, so its ending is compared as it stands.
BOOL EndsWithCountedUnit(const CString& t, std::initializer_list<const char*> suffix) {
    if (!GrammarCommon::EndsWithPhrase(t, t.GetLength(), suffix)) return FALSE;
    CString strCount = t.Left(t.GetLength() - static_cast<int>(GrammarCommon::LengthOf(suffix)));
    return CDateParser::Normalize(strCount, FALSE).Find(' ') < 0;
}

} // namespace

// Counted distances from now: "3 DAYS AGO", "2 WEEKS FROM NOW", "A MONTH AGO", "5 YEARS AGO".
// A first word that is neither digits nor a number word counts as 0.
BOOL CDateParser::ParseCountedFromNow(const CString& t, COleDateTime& dtOut) {
    COleDateTime dtNow = Now();
    double dCount = CountOf(FirstWord(t));
    if (EndsWithCountedUnit(t, {" DAYS AGO"}) || EndsWithCountedUnit(t, {" DAY AGO"})) {
        dtOut = dtNow - COleDateTimeSpan(dCount);
        return TRUE;
    }
    if (EndsWithCountedUnit(t, {" DAYS FROM NOW"}) || EndsWithCountedUnit(t, {" DAY FROM NOW"})) {
        dtOut = dtNow + COleDateTimeSpan(dCount);
        return TRUE;
    }
    if (EndsWithCountedUnit(t, {"WEEKS AGO"}) || EndsWithCountedUnit(t, {"WEEK AGO"})) {
        dtOut = dtNow - COleDateTimeSpan(7.0 * WeekCount(t));
        return TRUE;
    }
    if (EndsWithCountedUnit(t, {"WEEKS FROM NOW"}) || EndsWithCountedUnit(t, {"WEEK FROM NOW"})) {
        dtOut = dtNow + COleDateTimeSpan(7.0 * WeekCount(t));
        return TRUE;
    }

    struct CMonthUnit {
        const char* pszUnit;
        int nMonthsPerUnit;
    };
    for (const CMonthUnit& unit : {CMonthUnit{"MONTH", 1}, CMonthUnit{"YEAR", 12}}) {
        if (IsOneUnit(t, unit.pszUnit, "AGO")) {
            dtOut = SubtractMonths(unit.nMonthsPerUnit, dtNow);
            return TRUE;
        }
        if (IsOneUnit(t, unit.pszUnit, "FROM NOW")) {
            dtOut = AddMonths(unit.nMonthsPerUnit, dtNow);
            return TRUE;
        }
        if (!FirstWordIsCount(t)) continue;
        int nCount = CountOf(FirstWord(t));
        int nMonths = GrammarCommon::ClampToInt(1LL * unit.nMonthsPerUnit * nCount);
        if (EndsWithCountedUnit(t, {" ", unit.pszUnit, "S AGO"}) ||
            EndsWithCountedUnit(t, {" ", unit.pszUnit, " AGO"})) {
            dtOut = SubtractMonths(nMonths, dtNow);
            return TRUE;
        }
        if (EndsWithCountedUnit(t, {" ", unit.pszUnit, "S FROM NOW"}) ||
            EndsWithCountedUnit(t, {" ", unit.pszUnit, " FROM NOW"})) {
            dtOut = AddMonths(nMonths, dtNow);
            return TRUE;
        }
    }
    return FALSE;
}

// "THIRD THURSDAY IN NOVEMBER": an ordinal, a weekday and IN, with the month as the last word.
// A prefix that matches without a month, or a month without that many such weekdays, leaves
// the text to the later stages.
BOOL CDateParser::ParseNthWeekdayInMonth(const CString& t, COleDateTime& dtOut) {
    static const char* const kOrdinals[5][4] = {
        {"1ST", "1", "FIRST", nullptr}, {"2ND", "2", "SECOND", nullptr},
        {"3RD", "3", "THIRD", nullptr}, {"4TH", "4", "FOURTH", "FORTH"},
        {"5TH", "5", "FIFTH", nullptr},
    };
    // Every prefix starts with its ordinal and a space, so the first word picks the one
    // ordinal that can match; no two ordinals are spelled alike.
    const char* pszFirst = nullptr;
    int nOrdinal = 0;
    CString strFirst = FirstWord(t);
    for (int n = 1; n <= 5 && !pszFirst; ++n) {
        for (const char* pszOrdinal : kOrdinals[n - 1]) {
            if (pszOrdinal && GrammarCommon::SameText(strFirst, pszOrdinal)) {
                pszFirst = pszOrdinal;
                nOrdinal = n;
                break;
            }
        }
    }
    if (!pszFirst) return FALSE;
    for (int nWeekday = 1; nWeekday <= 7; ++nWeekday) {
        // "<ordinal> <weekday> IN " as a prefix, whose trailing blank also matches the end.
        std::initializer_list<const char*> prefix = {pszFirst, " ",
                                                     GrammarCommon::kWeekdays[nWeekday - 1], " IN"};
        size_t nPrefix = GrammarCommon::LengthOf(prefix);
        if (static_cast<size_t>(t.GetLength()) < nPrefix ||
            !GrammarCommon::SameNoCaseAt(t, prefix))
            continue;
        char chNext = static_cast<LPCSTR>(t)[nPrefix];
        if (chNext != '\0' && !std::isspace(static_cast<unsigned char>(chNext))) continue;
        CString strMonth = t.Mid(t.ReverseFind(' ') + 1);
        strMonth.TrimLeft();
        strMonth.TrimRight();
        int nMonth = MonthFromName(strMonth);
        if (nMonth == 0) return FALSE;
        COleDateTime dt = NthWeekdayOfMonth(nOrdinal, nWeekday, nMonth);
        if (dt.GetStatus() != valid) return FALSE;
        dtOut = dt;
        return TRUE;
    }
    return FALSE;
}
