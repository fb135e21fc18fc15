// The time grammar: noon and midnight, bare and compact clock numbers placed by the A.M./P.M.
// rule, o'clock, minutes and hours from now or ago, minutes till or past an hour, half past.
// Also the rewriting of A.M./P.M. spellings into the one form the platform parse reads.
#include "dateparse/DateParser.h"

#include "dateparse/GrammarCommon.h"

#include "dateparse/ParseSession.h"

#include <cctype>
#include <cstring>

namespace {

// Searched in this order, each by its first occurrence; "A M" comes before "A M." on purpose,
// so the period of "9 a m." stays behind.
const char* const kMeridiemForms[][2] = {
    {"A.M.", " AM "}, {"A M", " AM "}, {"A.M", " AM "}, {"A M.", " AM "}, {"AM.", " AM "},
    {"P.M.", " PM "}, {"P M", " PM "}, {"P.M", " PM "}, {"P M.", " PM "}, {"PM.", " PM "},
};

struct CRelativeUnit {
    const char* pszSuffix;
    int nSign;
    BOOL bHours;
};

const CRelativeUnit kRelativeUnits[] = {
    {"MINUTES FROM NOW", +1, FALSE},
    {"HOURS FROM NOW", +1, TRUE},
    {"MINUTES AGO", -1, FALSE},
    {"HOURS AGO", -1, TRUE},
};

struct CMinuteOffset {
    const char* pszPrefix;
    int nSign;
};

const CMinuteOffset kMinuteOffsets[] = {
    {"MINUTES TILL ", -1},  {"TILL ", -1},          {"TIL ", -1},
    {"MINUTES UNTIL ", -1}, {"UNTIL ", -1},         {"MINUTES PAST ", +1},
    {"PAST ", +1},          {"MINUTES AFTER ", +1}, {"AFTER ", +1},
};

COleDateTime ParseClockText(const CString& strClock, DWORD dwFlags) {
    COleDateTime dt;
    dt.ParseDateTime(strClock, dwFlags, LANG_USER_DEFAULT);
    return dt;
}

// The clock text "HH:MM" as the platform reads it. A time of day in range is formed directly,
// which is what the platform's parse gives for it, at a fraction of the cost; anything else
// (a minute of 60 or more, a negative count) goes through the platform as written.
COleDateTime ClockTime(int nHour, int nMinute) {
    if (nHour >= 0 && nHour <= 23 && nMinute >= 0 && nMinute <= 59) {
        COleDateTime dt;
        dt.SetTime(nHour, nMinute, 0);
        return dt;
    }
    return ParseClockText(CDateParser::ClockTextOf(nHour, nMinute), VAR_TIMEVALUEONLY);
}

} // namespace

namespace {

bool IsLetter(char ch) {
    return std::isalpha(static_cast<unsigned char>(ch)) != 0;
}

// A marker counts only as a word of its own or right after a digit ("5pm", "5 p.m."), never
// inside a word: "IN A MONTH" holds "A M" but no A.M. An occurrence at the very start does not
// count either: there is no time in front of it.
int FindMarker(const CString& strUpper, const char* pszForm) {
    const int nLength = static_cast<int>(strlen(pszForm));
    const bool bEndsInPeriod = pszForm[nLength - 1] == '.';
    for (int nAt = strUpper.Find(pszForm, 1); nAt > 0; nAt = strUpper.Find(pszForm, nAt + 1)) {
        char chAfter = static_cast<LPCSTR>(strUpper)[nAt + nLength];
        if (IsLetter(strUpper[nAt - 1])) continue;
        bool bWordGoesOn = IsLetter(chAfter) || std::isdigit(static_cast<unsigned char>(chAfter));
        if (!bEndsInPeriod && bWordGoesOn) continue;
        return nAt;
    }
    return -1;
}

} // namespace

CString CDateParser::NormalizeMeridiem(const CString& strText) {
    CString strUpper = strText;
    strUpper.MakeUpper();
    for (const auto& form : kMeridiemForms) {
        int nAt = FindMarker(strUpper, form[0]);
        if (nAt < 0) continue;
        CString strBefore = strText.Left(nAt);
        CString strAfter = strText.Mid(nAt + static_cast<int>(strlen(form[0])));
        strBefore.TrimRight();
        strAfter.TrimLeft();
        return strBefore + form[1] + strAfter;
    }
    return strText;
}

// Two hour digits, a colon, two minute digits: "00" in front and the last two characters kept.
CString CDateParser::ClockTextOf(int nHour, int nMinute) {
    CString strHour = "00" + NumberToString(nHour);
    CString strMinute = "00" + NumberToString(nMinute);
    return strHour.Right(2) + ":" + strMinute.Right(2);
}

int CDateParser::ApplyAmPmRule(int nHour, int nDigits) {
    int nNowHour = Now().GetHour();
    BOOL bAfternoon = FALSE;
    switch (m_nAmPmRule) {
    case ampmBeforeSeven:
        bAfternoon = nHour < 7;
        break;
    case ampmBeforeNow:
        bAfternoon = nDigits == 3 ? nHour < nNowHour : nHour < 12 && nHour < nNowHour;
        break;
    case ampmBeforeCutoff:
        bAfternoon = nDigits == 3 ? nHour < m_nAmPmCutoff : nHour < 12 && nHour < m_nAmPmCutoff;
        break;
    default:
        break;
    }
    return bAfternoon ? nHour + 12 : nHour;
}

// "5" is an hour, "430" is 4:30, "1730" is 17:30. Answers TRUE even when the minutes make no
// time: the result is then invalid.
BOOL CDateParser::ParseClockNumber(const CString& t, COleDateTime& dtOut) {
    int nHour;
    int nMinute = 0;
    int nDigits = t.GetLength();
    if (nDigits == 3) {
        nHour = ToNumber(t.Left(1));
        nMinute = ToNumber(t.Right(2));
    } else if (nDigits == 4) {
        nHour = ToNumber(t.Left(2));
        nMinute = ToNumber(t.Right(2));
    } else {
        nHour = ToNumber(t);
    }
    nHour = ApplyAmPmRule(nHour, nDigits);
    if (nHour > 23) nHour = 23;
    dtOut = ClockTime(nHour, nMinute);
    return TRUE;
}

BOOL CDateParser::ParseTimePhrase(CString strText, COleDateTime& dtOut) {
    CParseSession session(*this);
    if (m_bAbandoned) return FALSE;
    CString t = Normalize(strText, TRUE);
    dtOut = Now();
    if (StartsWithVagueCount(t)) return FALSE;

    if (GrammarCommon::SameText(t, "NOW")) return TRUE;
    if (GrammarCommon::SameText(t, "NOON")) {
        dtOut = ClockTime(12, 0); // "12:00 PM"
        return TRUE;
    }
    if (GrammarCommon::SameText(t, "MIDNIGHT")) {
        dtOut = ClockTime(0, 0); // "12:00 AM"
        return TRUE;
    }
    if (IsNumber(t)) return ParseClockNumber(t, dtOut);

    int nOClock = t.Find("OCLOCK");
    if (nOClock < 0) nOClock = t.Find("O'CLOCK");
    if (nOClock < 0) nOClock = t.Find("O CLOCK");
    // Only the hour may stand before o'clock: in "10 PAST 5 O'CLOCK" or "HALF PAST 4 O'CLOCK"
    // the o'clock belongs to the base time, which the rules below read.
    if (nOClock > 1 && Normalize(t.Left(nOClock), FALSE).Find(' ') < 0) {
        // O'clock hours are always read the default way, whatever the A.M./P.M. rule.
        int nHour = CountOf(FirstWord(t));
        if (nHour < 7) nHour += 12;
        if (nHour > 23) nHour = 23;
        dtOut = ClockTime(nHour, 0);
        return TRUE;
    }

    for (const auto& unit : kRelativeUnits) {
        if (EndsWithNoCase(t, unit.pszSuffix)) {
            double dCount = unit.nSign * static_cast<double>(CountOf(FirstWord(t)));
            double dDays = unit.bHours ? dCount / 24.0 : dCount / 1440.0;
            dtOut = Now() + COleDateTimeSpan(dDays);
            return TRUE;
        }
    }

    if (FirstWordIsCount(t)) {
        int nMinutes = CountOf(FirstWord(t));
        if (nMinutes <= 0 || nMinutes >= 59) return FALSE;
        CString strRest = AfterFirstWord(t);
        for (const auto& offset : kMinuteOffsets) {
            if (!StartsWithNoCase(strRest, offset.pszPrefix)) continue;
            COleDateTime dtBase;
            CString strBase = strRest.Mid(static_cast<int>(strlen(offset.pszPrefix)));
            if (!ReadBase(strBase, dtBase, TRUE)) return FALSE;
            dtOut = dtBase + COleDateTimeSpan(0, 0, offset.nSign * nMinutes, 0);
            return TRUE;
        }
        return FALSE;
    }

    if (StartsWithNoCase(t, "HALF PAST ")) {
        COleDateTime dtBase;
        if (!ReadBase(t.Mid(10), dtBase, TRUE)) return FALSE;
        dtOut = dtBase + COleDateTimeSpan(0, 0, 30, 0);
        return TRUE;
    }
    return FALSE;
}
