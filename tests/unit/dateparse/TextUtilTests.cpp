// Text preparation and the text and calendar utilities the grammars are built on.
#include "ParseHelpers.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

typedef CDateParser P;

TEST(TextCompare, TrailingBlanksDropLeadingBlanksCount) {
    EXPECT_TRUE(P::EqualsNoCase("next ", "NEXT"));
    EXPECT_TRUE(P::EqualsNoCase("Next\t", "nExT  "));
    EXPECT_FALSE(P::EqualsNoCase(" next", "NEXT"));
    EXPECT_FALSE(P::EqualsNoCase("nexts", "NEXT"));
    EXPECT_TRUE(P::EqualsNoCase("", "   "));
}

TEST(TextCompare, PrefixesAndSuffixes) {
    EXPECT_TRUE(P::StartsWithNoCase("next friday", "NEXT "));
    EXPECT_TRUE(P::StartsWithNoCase("NEXT", "NEXT ")); // the prefix's own blank is dropped
    EXPECT_FALSE(P::StartsWithNoCase("NEXTFRIDAY", "NEXT "));
    EXPECT_FALSE(P::StartsWithNoCase("NEX", "NEXT "));
    EXPECT_TRUE(P::EndsWithNoCase("3 days ago", " DAYS AGO"));
    EXPECT_FALSE(P::EndsWithNoCase("DAYS AGO", " DAYS AGO"));
    EXPECT_FALSE(P::EndsWithNoCase("3 days agog", " DAYS AGO"));
}

TEST(TextWords, Numbers) {
    EXPECT_FALSE(P::IsNumber(""));
    EXPECT_TRUE(P::IsNumber("12-3"));
    EXPECT_TRUE(P::IsNumber("-"));
    EXPECT_FALSE(P::IsNumber("1 2"));
    EXPECT_FALSE(P::IsNumber("+3"));

    EXPECT_TRUE(P::FirstWordIsNumber("3 DAYS"));
    EXPECT_TRUE(P::FirstWordIsNumber("-2 X"));
    EXPECT_FALSE(P::FirstWordIsNumber("3")); // a text without a space has no first word
    EXPECT_FALSE(P::FirstWordIsNumber("A DAY"));
    EXPECT_TRUE(P::LastWordIsNumber("EASTER 2006"));
    EXPECT_FALSE(P::LastWordIsNumber("2006"));
    EXPECT_FALSE(P::LastWordIsNumber("EASTER 20X6"));
    EXPECT_EQ("3", std::string(P::FirstWord("3 DAYS AGO")));
    EXPECT_EQ("", std::string(P::FirstWord("TODAY")));
    EXPECT_EQ("DAYS AGO", std::string(P::AfterFirstWord("3 DAYS AGO ")));
}

TEST(TextWords, ToNumberReadsLikeAtoiWithoutOverflow) {
    const struct {
        const char* psz;
        int n;
    } kRows[] = {
        {"12abc", 12},
        {"-7", -7},
        {"+5", 5},
        {"  42", 42},
        {"ONE", 0},
        {"A", 0},
        {"", 0},
        {"--3", 0},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
    };
    for (const auto& row : kRows)
        EXPECT_EQ(row.n, P::ToNumber(row.psz)) << row.psz;
    EXPECT_EQ(0, P::ToNumber(nullptr));
    EXPECT_EQ("-12", std::string(P::NumberToString(-12)));
}

TEST(Calendar, MonthNames) {
    const struct {
        const char* psz;
        int nMonth;
    } kRows[] = {
        {"JANUARY", 1}, {"jan", 1},   {"February", 2}, {"MAR", 3}, {"APRIL", 4}, {"MAY", 5},
        {"JUN", 6},     {"JULY", 7},  {"AUG", 8},      {"SEP", 9}, {"SEPT", 0},  {"OCTOBER", 10},
        {"NOV", 11},    {"DEC ", 12}, {" DEC", 0},     {"", 0},    {"13", 0},
    };
    for (const auto& row : kRows)
        EXPECT_EQ(row.nMonth, P::MonthFromName(row.psz)) << row.psz;
}

TEST(Calendar, DaysInMonth) {
    CDateParser parser;
    EXPECT_EQ(29, parser.DaysInMonth(2, 2000));
    EXPECT_EQ(28, parser.DaysInMonth(2, 1900));
    EXPECT_EQ(29, parser.DaysInMonth(2, 2004));
    EXPECT_EQ(28, parser.DaysInMonth(2, 2005));
    const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int nMonth = 1; nMonth <= 12; ++nMonth)
        EXPECT_EQ(kDays[nMonth - 1], parser.DaysInMonth(nMonth, 2005)) << nMonth;
    EXPECT_EQ(0, parser.DaysInMonth(0, 2005));
    EXPECT_EQ(0, parser.DaysInMonth(13, 2005));
}

TEST(Calendar, ZeroDateIgnoresTheTime) {
    EXPECT_TRUE(P::IsZeroDate(COleDateTime(1899, 12, 30, 12, 0, 0)));
    EXPECT_TRUE(P::IsZeroDate(COleDateTime(0.75)));
    EXPECT_FALSE(P::IsZeroDate(COleDateTime(1899, 12, 31, 0, 0, 0)));
    EXPECT_FALSE(P::IsZeroDate(COleDateTime(2005, 12, 30, 0, 0, 0)));
}

TEST(Preparation, NormalizeAndCollapse) {
    EXPECT_EQ("NEXT  FRIDAY", std::string(P::Normalize(" \tnext  Friday \r\n", TRUE)));
    EXPECT_EQ("next  Friday", std::string(P::Normalize(" next  Friday ", FALSE)));
    EXPECT_EQ("A B C", std::string(P::CollapseSpaces("A  B   C")));
    EXPECT_EQ(" A", std::string(P::CollapseSpaces("  A")));
    EXPECT_EQ("A\t\tB", std::string(P::CollapseSpaces("A\t\tB"))); // only spaces collapse
}

TEST(Preparation, AbbreviationsExpandWordByWord) {
    const struct {
        const char* pszIn;
        const char* pszOut;
    } kRows[] = {
        {"N3", "NEXT TUESDAY"},
        {"3 DAYS AFTER X", "3 DAYS AFTER CHRISTMAS"},
        {"X-MAS", "CHRISTMAS-MAS"},
        {"T+3", "TODAY+3"},
        {"NYE", "NEW YEARS EVE"},
        {"J4 2007", "JULY 4TH 2007"},
        {"n3", "n3"}, // keys are upper case and matched exactly
        {"XX", "XX"},
        {"NEXT WEEK", "NEXT WEEK"},
        {"", ""},
    };
    for (const auto& row : kRows)
        EXPECT_EQ(row.pszOut, std::string(P::ExpandAbbreviations(row.pszIn))) << row.pszIn;
}

TEST(Preparation, AbbreviationTableHasItsThirtyNineKeys) {
    CDateParser parser;
    EXPECT_EQ(39, CDateParser::Abbreviations().GetCount());
    const struct {
        const char* pszKey;
        const char* pszExpansion;
    } kSome[] = {
        {"N", "NOW"},
        {"NM", "NEXT MONTH"},
        {"L7", "LAST SATURDAY"},
        {"DY", "DAY BEFORE YESTERDAY"},
        {"AW", "ASH WEDNESDAY"},
        {"PD", "PRESIDENTS DAY"},
        {"TH", "THANKSGIVING"},
        {"CD", "COLUMBUS DAY"},
        {"VD", "VETERANS DAY"},
    };
    for (const auto& entry : kSome)
        EXPECT_EQ(entry.pszExpansion, std::string(P::LookupAbbreviation(entry.pszKey)));
}

TEST(Meridiem, RewritesTheFirstFormFoundAfterTheStart) {
    const struct {
        const char* pszIn;
        const char* pszOut;
    } kRows[] = {
        {"4:30 p.m.", "4:30 PM "},
        {"4:30 P.M", "4:30 PM "},
        {"4:30 pm.", "4:30 PM "},
        {"4:30 p m", "4:30 PM "},
        {"9 a m", "9 AM "},
        {"9 a m.", "9 AM ."}, // "A M" is tried before "A M."
        {"9 A.M.", "9 AM "},
        {"5pm.", "5 PM "},
        {"Today 4 p.m.", "Today 4 PM "},
        {"10 A.M. and 4 P.M.", "10 AM and 4 P.M."}, // only one occurrence is rewritten
        {"a.m. 5", "a.m. 5"},                       // at the very start it does not count
        {"5 pm", "5 pm"},                           // already the platform's form
        {"no meridiem", "no meridiem"},
        // Inside a word a marker is no marker.
        {"in a month", "in a month"},
        {"in a month at 5 p m", "in a month at 5 PM "},
        {"data mining", "data mining"},
        {"5 pmx", "5 pmx"},
        {"camp 5", "camp 5"},
        {"5 P M", "5 PM "},
        {"5p.m.", "5 PM "},
        {"5 a.m.tomorrow", "5 AM tomorrow"}, // a marker ending in a period ends there
    };
    for (const auto& row : kRows)
        EXPECT_EQ(row.pszOut, std::string(P::NormalizeMeridiem(row.pszIn))) << row.pszIn;
}

} // namespace
