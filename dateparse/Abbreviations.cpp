// The abbreviation table: short keys typed for common phrases (N3 for NEXT TUESDAY, XE for
// CHRISTMAS EVE), expanded word by word before the grammars see the text.
#include "dateparse/DateParser.h"

#include <cctype>
#include <string>

namespace {

const char* const kAbbreviations[][2] = {
    {"T", "TODAY"},
    {"N", "NOW"},
    {"Y", "YESTERDAY"},
    {"TM", "TOMORROW"},
    {"NW", "NEXT WEEK"},
    {"NM", "NEXT MONTH"},
    {"N1", "NEXT SUNDAY"},
    {"N2", "NEXT MONDAY"},
    {"N3", "NEXT TUESDAY"},
    {"N4", "NEXT WEDNESDAY"},
    {"N5", "NEXT THURSDAY"},
    {"N6", "NEXT FRIDAY"},
    {"N7", "NEXT SATURDAY"},
    {"LW", "LAST WEEK"},
    {"LM", "LAST MONTH"},
    {"L1", "LAST SUNDAY"},
    {"L2", "LAST MONDAY"},
    {"L3", "LAST TUESDAY"},
    {"L4", "LAST WEDNESDAY"},
    {"L5", "LAST THURSDAY"},
    {"L6", "LAST FRIDAY"},
    {"L7", "LAST SATURDAY"},
    {"DY", "DAY BEFORE YESTERDAY"},
    {"DT", "DAY AFTER TOMORROW"},
    {"X", "CHRISTMAS"},
    {"XE", "CHRISTMAS EVE"},
    {"E", "EASTER"},
    {"GF", "GOOD FRIDAY"},
    {"AW", "ASH WEDNESDAY"},
    {"H", "HALLOWEEN"},
    {"NY", "NEW YEARS"},
    {"NYE", "NEW YEARS EVE"},
    {"J4", "JULY 4TH"},
    {"MD", "MEMORIAL DAY"},
    {"LD", "LABOR DAY"},
    {"VD", "VETERANS DAY"},
    {"CD", "COLUMBUS DAY"},
    {"TH", "THANKSGIVING"},
    {"PD", "PRESIDENTS DAY"},
};

} // namespace

// Built on first use rather than at start-up, so that a parser made by another file's static
// initialiser still finds the table constructed.
CMapStringToString& CDateParser::Abbreviations() {
    static CMapStringToString s_mapAbbreviations(10);
    static const bool s_bFilled = [] {
        for (const auto& entry : kAbbreviations)
            s_mapAbbreviations.SetAt(entry[0], entry[1]);
        return true;
    }();
    (void)s_bFilled;
    return s_mapAbbreviations;
}

CString CDateParser::LookupAbbreviation(const CString& strWord) {
    CString strExpansion;
    return Abbreviations().Lookup(strWord, strExpansion) ? strExpansion : strWord;
}

// Letters and digits make words; every other character ends a word and is kept as it is, so
// "X-MAS" becomes "CHRISTMAS-MAS".
CString CDateParser::ExpandAbbreviations(const CString& strText) {
    std::string out;
    out.reserve(strText.GetLength());
    std::string word;
    for (const char* p = strText; *p; ++p) {
        if (std::isalnum(static_cast<unsigned char>(*p))) {
            word += *p;
            continue;
        }
        if (!word.empty()) {
            out += static_cast<LPCSTR>(LookupAbbreviation(word.c_str()));
            word.clear();
        }
        out += *p;
    }
    if (!word.empty()) out += static_cast<LPCSTR>(LookupAbbreviation(word.c_str()));
    return CString(out.c_str());
}
