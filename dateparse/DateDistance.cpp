// Distances from a base date written inside the phrase: "2 WEEKS AFTER CHRISTMAS",
// "3 DAYS FROM TODAY", "TODAY+3", "CHRISTMAS - 2 DAYS". The base is itself read by the date
// grammar (and failing that the time grammar), within the nesting bounds of ReadBase.
#include "dateparse/DateParser.h"

#include "dateparse/GrammarCommon.h"

#include <cstring>

namespace {

enum Unit { unitDays, unitWeeks, unitMonths, unitYears };

struct CBaseDistance {
    const char* pszPrefix;
    int nSign;
    Unit unit;
};

const CBaseDistance kBaseDistances[] = {
    {"DAYS FROM ", +1, unitDays},       {"DAYS AFTER ", +1, unitDays},
    {"DAYS BEFORE ", -1, unitDays},     {"WEEKS FROM ", +1, unitWeeks},
    {"WEEKS AFTER ", +1, unitWeeks},    {"WEEKS BEFORE ", -1, unitWeeks},
    {"MONTHS BEFORE ", -1, unitMonths}, {"MONTHS FROM ", +1, unitMonths},
    {"MONTHS AFTER ", +1, unitMonths},  {"YEARS BEFORE ", -1, unitYears},
    {"YEARS FROM ", +1, unitYears},     {"YEARS AFTER ", +1, unitYears},
};

struct CSeparator {
    const char* psz;
    int nSign;
};

// The first of these that occurs anywhere in the text is the operator.
const CSeparator kSeparators[] = {
    {" + ", +1}, {" +", +1}, {"+ ", +1}, {"+", +1}, {" PLUS ", +1},
    {" - ", -1}, {"- ", -1}, {" -", -1}, {"-", -1}, {" MINUS ", -1},
};

// "5 DAYS" or "2 WEEKS" as a count of days; FALSE for any other text.
BOOL ReadDayCount(const CString& strPart, double& dDays) {
    if (!CDateParser::FirstWordIsCount(strPart)) return FALSE;
    CString strUnit = strPart.Mid(strPart.Find(' ') + 1);
    double dNumber = CDateParser::CountOf(CDateParser::FirstWord(strPart));
    if (CDateParser::EqualsNoCase(strUnit, "DAYS")) {
        dDays = dNumber;
        return TRUE;
    }
    if (CDateParser::EqualsNoCase(strUnit, "WEEKS")) {
        dDays = 7 * dNumber;
        return TRUE;
    }
    return FALSE;
}

} // namespace

BOOL CDateParser::ParseDistanceFromBase(const CString& t, COleDateTime& dtOut) {
    if (!FirstWordIsCount(t)) return FALSE;
    int nCount = CountOf(FirstWord(t));
    CString strRest = AfterFirstWord(t);
    for (const CBaseDistance& distance : kBaseDistances) {
        if (!StartsWithNoCase(strRest, distance.pszPrefix)) continue;
        COleDateTime dtBase;
        if (!ReadBase(strRest.Mid(static_cast<int>(strlen(distance.pszPrefix))), dtBase, FALSE))
            return FALSE;
        switch (distance.unit) {
        case unitDays:
            dtOut = dtBase + COleDateTimeSpan(distance.nSign * static_cast<double>(nCount));
            break;
        case unitWeeks:
            dtOut = dtBase + COleDateTimeSpan(distance.nSign * 7.0 * nCount);
            break;
        case unitMonths:
        case unitYears: {
            int nMonths =
                GrammarCommon::ClampToInt(distance.unit == unitYears ? 12LL * nCount : nCount);
            dtOut =
                distance.nSign < 0 ? SubtractMonths(nMonths, dtBase) : AddMonths(nMonths, dtBase);
            break;
        }
        }
        return TRUE;
    }
    return FALSE;
}

BOOL CDateParser::ParseArithmetic(const CString& t, COleDateTime& dtOut) {
    const CSeparator* pSeparator = nullptr;
    int nAt = -1;
    for (const CSeparator& separator : kSeparators) {
        nAt = t.Find(separator.psz);
        if (nAt >= 0) {
            pSeparator = &separator;
            break;
        }
    }
    if (!pSeparator) return FALSE;
    CString strLeft = t.Left(nAt);
    CString strRight = t.Mid(nAt + static_cast<int>(strlen(pSeparator->psz)));

    // The count may stand on either side, bare ("TODAY+3", "3+TODAY") or with its unit.
    double dDays;
    CString strBase;
    if (IsCount(strLeft)) {
        dDays = CountOf(strLeft);
        strBase = strRight;
    } else if (IsCount(strRight)) {
        dDays = CountOf(strRight);
        strBase = strLeft;
    } else if (ReadDayCount(strLeft, dDays)) {
        strBase = strRight;
    } else if (ReadDayCount(strRight, dDays)) {
        strBase = strLeft;
    } else {
        return FALSE;
    }

    COleDateTime dtBase;
    if (!ReadBase(strBase, dtBase, FALSE)) return FALSE;
    dtOut = dtBase + COleDateTimeSpan(pSeparator->nSign * dDays);
    return TRUE;
}
