#include "datectl/DateEditText.h"

#include <cctype>

namespace {

// Reads between nMin and nMax digits at text[nPos]; advances nPos.
bool ReadDigits(const CString& text, int& nPos, int nMin, int nMax, int& nValue)
{
    nValue = 0;
    int nCount = 0;
    while (nCount < nMax && nPos < text.GetLength() &&
           std::isdigit(static_cast<unsigned char>(text[nPos]))) {
        nValue = nValue * 10 + (text[nPos] - '0');
        ++nPos;
        ++nCount;
    }
    return nCount >= nMin;
}

} // namespace

bool ReadDisplayFormat(const CString& strText, const CString& strFormat, COleDateTime& dtOut)
{
    int nYear = -1, nMonth = -1, nDay = -1;
    int nPos = 0;
    for (int i = 0; i < strFormat.GetLength(); ++i) {
        const char c = strFormat[i];
        if (c != '%') {
            if (nPos >= strText.GetLength() || strText[nPos] != c) return false;
            ++nPos;
            continue;
        }
        if (++i >= strFormat.GetLength()) return false;
        bool bShort = false; // '#': no leading zero
        if (strFormat[i] == '#') {
            bShort = true;
            if (++i >= strFormat.GetLength()) return false;
        }
        const int nMinDigits = bShort ? 1 : 2;
        switch (strFormat[i]) {
        case 'd':
            if (!ReadDigits(strText, nPos, nMinDigits, 2, nDay)) return false;
            break;
        case 'm':
            if (!ReadDigits(strText, nPos, nMinDigits, 2, nMonth)) return false;
            break;
        case 'Y':
            if (bShort || !ReadDigits(strText, nPos, 4, 4, nYear)) return false;
            break;
        case '%':
            if (nPos >= strText.GetLength() || strText[nPos] != '%') return false;
            ++nPos;
            break;
        default:
            return false; // a code this reader does not know: leave the text to the parser
        }
    }
    if (nPos != strText.GetLength() || nYear < 0 || nMonth < 0 || nDay < 0) return false;
    COleDateTime date;
    if (date.SetDate(nYear, nMonth, nDay) != COleDateTime::valid) return false;
    dtOut = date;
    return true;
}

CDateParser ReadDateText(const CString& strText, const DateTextRules& rules)
{
    CDateParser parser;
    parser.SetAmPmRule(rules.nAmPmRule);
    parser.SetAmPmCutoff(rules.nAmPmCutoff);
    COleDateTime date;
    if (ReadDisplayFormat(strText, rules.strFormat, date)) {
        parser = date;
        return parser;
    }
    parser.ParseDateTime(strText, rules.dwParseFlags, rules.lcid);
    return parser;
}

CString ReformatDateText(const CString& strText, const DateTextRules& rules)
{
    const CDateParser date = ReadDateText(strText, rules);
    if (date.GetStatus() != COleDateTime::valid) return strText;
    return date.Format(rules.strFormat);
}
