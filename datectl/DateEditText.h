// How the date field reads and rewrites its text, without a window.
//
// The field writes dates in its display format and must read its own text back as the same
// day whatever the user's locale: "03/04/2027" written as %m/%d/%Y is 4 March even where the
// locale reads it as 3 April. So the display format is tried first, strictly, and only other
// texts go to the parser (the platform's locale-aware parse, then the phrase grammars).
#pragma once

#include "dateparse/DateParser.h"
#include "framework/DateTime.h"
#include "framework/String.h"

// How a field hands its settings to each fresh parser.
struct DateTextRules {
    CString strFormat = "%m/%d/%Y";
    DWORD dwParseFlags = 0;
    int nAmPmRule = 0;
    int nAmPmCutoff = 7;
    LCID lcid = LANG_USER_DEFAULT;
};

// Reads text written by COleDateTime::Format(strFormat), as that format's own digits say.
// Knows %d %m %Y (two, two and four digits), %#d %#m (one or two) and %%; any other code, or
// text that does not match the whole format, or a day that does not exist, gives false.
bool ReadDisplayFormat(const CString& strText, const CString& strFormat, COleDateTime& dtOut);

// The text as a date: the display format first, then a parser set up by the rules. The
// result's status says whether it is a date.
CDateParser ReadDateText(const CString& strText, const DateTextRules& rules);

// The text rewritten in the display format when it holds a date; else unchanged.
CString ReformatDateText(const CString& strText, const DateTextRules& rules);
