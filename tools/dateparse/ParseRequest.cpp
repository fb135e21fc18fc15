#include "tools/dateparse/ParseRequest.h"

#include "dateparse/DateParser.h"
#include "framework/Clock.h"

#include <cstdio>
#include <optional>

namespace {

BOOL ReadDigits(const std::string& strText, size_t nAt, size_t nCount, int& nValue) {
    if (nAt + nCount > strText.size()) return FALSE;
    nValue = 0;
    for (size_t i = nAt; i < nAt + nCount; ++i) {
        if (strText[i] < '0' || strText[i] > '9') return FALSE;
        nValue = nValue * 10 + (strText[i] - '0');
    }
    return TRUE;
}

} // namespace

BOOL ReadMoment(const std::string& strText, COleDateTime& dt) {
    static const char kShape[] = "0000-00-00 00:00:00";
    if (strText.size() != sizeof(kShape) - 1) return FALSE;
    for (size_t i = 0; i < strText.size(); ++i) {
        if (kShape[i] != '0' && strText[i] != kShape[i]) return FALSE;
    }
    int nYear, nMonth, nDay, nHour, nMinute, nSecond;
    if (!ReadDigits(strText, 0, 4, nYear) || !ReadDigits(strText, 5, 2, nMonth) ||
        !ReadDigits(strText, 8, 2, nDay) || !ReadDigits(strText, 11, 2, nHour) ||
        !ReadDigits(strText, 14, 2, nMinute) || !ReadDigits(strText, 17, 2, nSecond))
        return FALSE;
    return dt.SetDateTime(nYear, nMonth, nDay, nHour, nMinute, nSecond) == COleDateTime::valid;
}

BOOL ReadSetting(const std::string& strText, int nLow, int nHigh, int& nValue) {
    if (strText.empty() || strText.size() > 4 || !ReadDigits(strText, 0, strText.size(), nValue))
        return FALSE;
    return nValue >= nLow && nValue <= nHigh;
}

BOOL ReadInteger(const std::string& strText, int& nValue) {
    size_t nDigits = strText.size();
    bool bNegative = !strText.empty() && strText[0] == '-';
    if (bNegative) --nDigits;
    if (nDigits == 0 || nDigits > 4 || !ReadDigits(strText, bNegative ? 1 : 0, nDigits, nValue))
        return FALSE;
    if (bNegative) nValue = -nValue;
    return TRUE;
}

BOOL ReadBatchLine(const std::string& strLine, CParseRequest& request) {
    std::string fields[4];
    size_t nAt = 0;
    for (std::string& field : fields) {
        size_t nTab = strLine.find('\t', nAt);
        if (nTab == std::string::npos) return FALSE;
        field = strLine.substr(nAt, nTab - nAt);
        nAt = nTab + 1;
    }
    int nFlags;
    // The rule and the cut-over hour go to the parser's setters as they come, and the setters
    // ignore what is out of their range, as they do for the program's own callers.
    if (!ReadMoment(fields[0], request.dtNow) || !ReadSetting(fields[1], 0, 2, nFlags) ||
        !ReadInteger(fields[2], request.nAmPmRule) || !ReadInteger(fields[3], request.nAmPmCutoff))
        return FALSE;
    // A NUL inside the phrase would cut it short unseen; such a line is not a phrase.
    std::string strPhrase = strLine.substr(nAt);
    if (strPhrase.find('\0') != std::string::npos) return FALSE;
    request.bFixedNow = TRUE;
    request.dwFlags = static_cast<DWORD>(nFlags);
    request.strText = strPhrase.c_str();
    return TRUE;
}

std::string RunRequest(const CParseRequest& request) {
    std::optional<CFixedClock> clock;
    if (request.bFixedNow) clock.emplace(request.dtNow);
    CDateParser parser;
    parser.SetAmPmRule(request.nAmPmRule);
    parser.SetAmPmCutoff(request.nAmPmCutoff);
    if (!parser.ParseDateTime(request.strText, request.dwFlags, LANG_USER_DEFAULT)) return "FAIL";
    if (!parser.IsValid() || parser.GetYear() == AFX_OLE_DATETIME_ERROR) return "INVALID";
    char szLine[40];
    std::snprintf(szLine, sizeof szLine, "OK %04d-%02d-%02d %02d:%02d:%02d", parser.GetYear(),
                  parser.GetMonth(), parser.GetDay(), parser.GetHour(), parser.GetMinute(),
                  parser.GetSecond());
    return szLine;
}
