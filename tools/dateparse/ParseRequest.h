// One request of the dateparse tool: the text, the parser's settings and the moment taken as
// now, read from the command line or from one line of a batch.
#pragma once

#include "framework/DateTime.h"
#include "framework/String.h"

#include <string>

struct CParseRequest {
    BOOL bFixedNow = FALSE; // FALSE: the system clock
    COleDateTime dtNow;
    DWORD dwFlags = 0;
    int nAmPmRule = 0;
    int nAmPmCutoff = 7;
    CString strText;
};

// "YYYY-MM-DD HH:MM:SS", every field its full width; FALSE for anything else.
BOOL ReadMoment(const std::string& strText, COleDateTime& dt);
// Whole decimal numbers in [nLow, nHigh]; FALSE for anything else.
BOOL ReadSetting(const std::string& strText, int nLow, int nHigh, int& nValue);
// A whole decimal number of at most four digits, with an optional minus; FALSE otherwise.
BOOL ReadInteger(const std::string& strText, int& nValue);
// "now<TAB>flags<TAB>rule<TAB>cutoff<TAB>phrase"; FALSE for a line that is not one.
BOOL ReadBatchLine(const std::string& strLine, CParseRequest& request);

// "OK YYYY-MM-DD HH:MM:SS", "INVALID" (recognised, but no date can be formed) or "FAIL".
std::string RunRequest(const CParseRequest& request);
