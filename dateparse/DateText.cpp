// Text and calendar utilities shared by the grammars.
#include "dateparse/DateParser.h"

#include "dateparse/GrammarCommon.h"

#include <cctype>
#include <climits>
#include <cstring>

namespace {

bool IsBlank(char ch) {
    return std::isspace(static_cast<unsigned char>(ch)) != 0;
}

// Length of the text with trailing white space left out.
int TrimmedLength(const char* psz, int nLength) {
    while (nLength > 0 && IsBlank(psz[nLength - 1]))
        --nLength;
    return nLength;
}

// Two stretches of text compared as the C runtime's _stricmp compares them, each without
// its trailing white space. Works in place: the grammars make hundreds of these tests on
// texts that may be a few kilobytes long.
bool SameNoCase(const char* a, int nLengthA, const char* b, int nLengthB) {
    nLengthA = TrimmedLength(a, nLengthA);
    nLengthB = TrimmedLength(b, nLengthB);
    if (nLengthA != nLengthB) return false;
    for (int i = 0; i < nLengthA; ++i) {
        if (GrammarCommon::FoldCase(a[i]) != GrammarCommon::FoldCase(b[i])) return false;
    }
    return true;
}

CString Trimmed(const CString& s) {
    return CDateParser::Normalize(s, FALSE);
}

} // namespace

CString CDateParser::Normalize(CString strText, BOOL bUpper) {
    strText.TrimRight();
    strText.TrimLeft();
    if (bUpper) strText.MakeUpper();
    return strText;
}

CString CDateParser::CollapseSpaces(const CString& strText) {
    std::string out;
    out.reserve(strText.GetLength());
    const char* p = strText;
    for (int i = 0; p[i]; ++i) {
        if (p[i] == ' ' && i > 0 && p[i - 1] == ' ') continue;
        out += p[i];
    }
    return CString(out.c_str());
}

BOOL CDateParser::EqualsNoCase(const CString& a, const CString& b) {
    return SameNoCase(a, a.GetLength(), b, b.GetLength());
}

// A prefix written with a trailing space also matches the bare word: "NEXT " matches "NEXT".
BOOL CDateParser::StartsWithNoCase(const CString& s, const CString& strPrefix) {
    int nLength = s.GetLength() < strPrefix.GetLength() ? s.GetLength() : strPrefix.GetLength();
    return SameNoCase(s, nLength, strPrefix, strPrefix.GetLength());
}

BOOL CDateParser::EndsWithNoCase(const CString& s, const CString& strSuffix) {
    int nLength = s.GetLength() < strSuffix.GetLength() ? s.GetLength() : strSuffix.GetLength();
    const char* pTail = static_cast<LPCSTR>(s) + (s.GetLength() - nLength);
    return SameNoCase(pTail, nLength, strSuffix, strSuffix.GetLength());
}

BOOL CDateParser::IsNumber(const CString& s) {
    if (s.IsEmpty()) return FALSE;
    for (const char* p = s; *p; ++p) {
        if (!(*p >= '0' && *p <= '9') && *p != '-') return FALSE;
    }
    return TRUE;
}

BOOL CDateParser::FirstWordIsNumber(const CString& s) {
    int nSpace = s.Find(' ');
    return nSpace >= 0 && IsNumber(Trimmed(s.Left(nSpace)));
}

BOOL CDateParser::LastWordIsNumber(const CString& s) {
    int nSpace = s.ReverseFind(' ');
    return nSpace >= 0 && IsNumber(Trimmed(s.Mid(nSpace + 1)));
}

CString CDateParser::FirstWord(const CString& s) {
    int nSpace = s.Find(' ');
    return nSpace >= 0 ? s.Left(nSpace) : CString();
}

CString CDateParser::AfterFirstWord(const CString& s) {
    int nSpace = s.Find(' ');
    return nSpace >= 0 ? Trimmed(s.Mid(nSpace + 1)) : CString();
}

// atoi's reading (white space, a sign, the leading digits; 0 when there are none), but held
// to the range of int instead of overflowing on a long run of digits.
int CDateParser::ToNumber(LPCTSTR lpsz) {
    if (!lpsz) return 0;
    while (IsBlank(*lpsz))
        ++lpsz;
    bool bNegative = false;
    if (*lpsz == '+' || *lpsz == '-') bNegative = *lpsz++ == '-';
    long long nValue = 0;
    for (; *lpsz >= '0' && *lpsz <= '9'; ++lpsz) {
        nValue = nValue * 10 + (*lpsz - '0');
        if (nValue > static_cast<long long>(INT_MAX) + 1)
            nValue = static_cast<long long>(INT_MAX) + 1;
    }
    if (bNegative) nValue = -nValue;
    if (nValue > INT_MAX) return INT_MAX;
    if (nValue < INT_MIN) return INT_MIN;
    return static_cast<int>(nValue);
}

namespace {

const char* const kNumberWords[] = {"ONE", "TWO",   "THREE", "FOUR",   "FIVE",   "SIX",
                                    "SEVEN", "EIGHT", "NINE", "TEN", "ELEVEN", "TWELVE"};

// 1..12 for a number word, else 0.
int NumberWordValue(const CString& strWord) {
    CString strTrimmed = Trimmed(strWord);
    for (int i = 0; i < 12; ++i) {
        if (GrammarCommon::SameText(strTrimmed, kNumberWords[i])) return i + 1;
    }
    return 0;
}

// Longest first, so that "A COUPLE OF" is not taken for "A COUPLE".
const char* const kVagueCounts[] = {"A COUPLE OF", "COUPLE OF", "A COUPLE", "COUPLE", "A FEW",
                                    "FEW",         "SEVERAL",   "SOME",     "MANY"};

} // namespace

BOOL CDateParser::IsCount(const CString& strWord) {
    return IsNumber(strWord) || NumberWordValue(strWord) != 0;
}

int CDateParser::CountOf(const CString& strWord) {
    int nWord = NumberWordValue(strWord);
    return nWord != 0 ? nWord : ToNumber(strWord);
}

BOOL CDateParser::FirstWordIsCount(const CString& s) {
    int nSpace = s.Find(' ');
    return nSpace >= 0 && IsCount(Trimmed(s.Left(nSpace)));
}

BOOL CDateParser::StartsWithVagueCount(const CString& t) {
    const char* p = t;
    if (_strnicmp(p, "IN ", 3) == 0) p += 3;
    for (const char* pszVague : kVagueCounts) {
        size_t nLength = strlen(pszVague);
        if (_strnicmp(p, pszVague, nLength) == 0 && p[nLength] == ' ') return TRUE;
    }
    return FALSE;
}

CString CDateParser::NumberToString(int n) {
    CString s;
    s.Format("%d", n);
    return s;
}

int CDateParser::MonthFromName(LPCTSTR lpszName) {
    static const char* const kNames[][2] = {
        {"JANUARY", "JAN"},   {"FEBRUARY", "FEB"}, {"MARCH", "MAR"},    {"APRIL", "APR"},
        {"MAY", nullptr},     {"JUNE", "JUN"},     {"JULY", "JUL"},     {"AUGUST", "AUG"},
        {"SEPTEMBER", "SEP"}, {"OCTOBER", "OCT"},  {"NOVEMBER", "NOV"}, {"DECEMBER", "DEC"},
    };
    CString strName = lpszName ? lpszName : "";
    for (int nMonth = 1; nMonth <= 12; ++nMonth) {
        for (const char* pszName : kNames[nMonth - 1]) {
            if (pszName && EqualsNoCase(strName, pszName)) return nMonth;
        }
    }
    return 0;
}

int CDateParser::DaysInMonth(int nMonth, int nYear) const {
    switch (nMonth) {
    case 2:
        return IsLeapYear(nYear) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    default:
        return 0;
    }
}

BOOL CDateParser::IsZeroDate(const COleDateTime& dt) {
    return dt.GetYear() == 1899 && dt.GetMonth() == 12 && dt.GetDay() == 30;
}
