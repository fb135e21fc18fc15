// The entry operation: the platform's parse first, the date-only zero-date rule, the
// preparation of text for the grammars, and the parser object's own members.
#include "ParseHelpers.h"

#include <gtest/gtest.h>

namespace {

class EntryPoint : public ::testing::TestWithParam<ParseRow> {};

TEST_P(EntryPoint, Reads) {
    const ParseRow& row = GetParam();
    EXPECT_EQ(row.pszExpected, ParseAt(row.pszNow, row.pszText, row.dwFlags));
}

// What Wine's VarDateFromStr answers under the test bed's en-US locale.
// clang-format off
INSTANTIATE_TEST_SUITE_P(PlatformFirst, EntryPoint, ::testing::Values(
    ParseRow{NOW_WED, "12/25/2005", "OK 2005-12-25 00:00:00", VAR_DATEVALUEONLY},
    ParseRow{NOW_WED, "12/25/2005", "OK 2005-12-25 00:00:00", 0},
    ParseRow{NOW_WED, "12-25-05", "OK 2005-12-25 00:00:00", 0},
    ParseRow{NOW_WED, "12/25/2005 5:00 PM", "OK 2005-12-25 17:00:00", 0},
    ParseRow{NOW_WED, "12/25/2005 5:00 PM", "OK 1899-12-30 17:00:00", VAR_TIMEVALUEONLY},
    ParseRow{NOW_WED, "5:00 PM", "OK 1899-12-30 17:00:00", 0},
    // Date-only, a bare time parses to the zero date, which is no date; no phrase takes it.
    ParseRow{NOW_WED, "5:00 PM", "FAIL", VAR_DATEVALUEONLY},
    ParseRow{NOW_WED, "12/30/1899", "FAIL", VAR_DATEVALUEONLY},
    ParseRow{NOW_WED, "12/30/1899", "OK 1899-12-30 00:00:00", 0},
    // A.M./P.M. spellings are rewritten before the platform sees them, unless date-only.
    ParseRow{NOW_WED, "4:30 p.m.", "OK 1899-12-30 16:30:00", 0},
    ParseRow{NOW_WED, "4:30 P.M", "OK 1899-12-30 16:30:00", 0},
    ParseRow{NOW_WED, "4:30 pm.", "OK 1899-12-30 16:30:00", 0},
    ParseRow{NOW_WED, "4:30 p m", "OK 1899-12-30 16:30:00", VAR_TIMEVALUEONLY},
    ParseRow{NOW_WED, "9 a m", "OK 1899-12-30 09:00:00", 0},
    ParseRow{NOW_WED, "4:30 p.m.", "FAIL", VAR_DATEVALUEONLY},
    ParseRow{NOW_WED, "9 a m.", "FAIL", 0},  // the period stays behind "9 AM "
    ParseRow{NOW_WED, "a.m. 5", "FAIL", 0},
    ParseRow{NOW_WED, "", "FAIL", 0},
    ParseRow{NOW_WED, "   ", "FAIL", VAR_DATEVALUEONLY}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(PreparedText, EntryPoint, ::testing::Values(
    ParseRow{NOW_WED, "next friday", "OK 2005-11-25 10:30:00", 0},
    ParseRow{NOW_WED, "  Next   FRIDAY  ", "OK 2005-11-25 10:30:00", 0},
    ParseRow{NOW_WED, "NEXT friday", "OK 2005-11-25 10:30:00", VAR_DATEVALUEONLY},
    ParseRow{NOW_WED, "N3", "OK 2005-11-29 10:30:00", 0},
    ParseRow{NOW_WED, "next tuesday", "OK 2005-11-29 10:30:00", 0},
    ParseRow{NOW_WED, "T", "OK 2005-11-23 10:30:00", 0},
    ParseRow{NOW_WED, "t", "OK 2005-11-23 10:30:00", VAR_DATEVALUEONLY},
    ParseRow{NOW_WED, "Y", "OK 2005-11-22 10:30:00", 0},
    ParseRow{NOW_WED, "TM", "OK 2005-11-24 10:30:00", 0},
    ParseRow{NOW_WED, "DY", "OK 2005-11-21 10:30:00", 0},
    ParseRow{NOW_WED, "DT", "OK 2005-11-25 10:30:00", 0},
    ParseRow{NOW_WED, "NW", "OK 2005-11-30 10:30:00", 0},
    ParseRow{NOW_WED, "LW", "OK 2005-11-16 10:30:00", 0},
    ParseRow{NOW_WED, "L6", "OK 2005-11-18 10:30:00", 0},
    ParseRow{NOW_WED, "N1", "OK 2005-11-27 10:30:00", 0},
    ParseRow{NOW_WED, "XE", "OK 2005-12-24 00:00:00", 0},
    ParseRow{NOW_WED, "3 days after X", "OK 2005-12-28 00:00:00", 0},
    ParseRow{NOW_WED, "x-mas", "FAIL", 0},  // CHRISTMAS-MAS
    // NM and LM expand to NEXT MONTH and LAST MONTH: a calendar month on, at midnight.
    ParseRow{NOW_WED, "NM", "OK 2005-12-23 00:00:00", 0},
    ParseRow{NOW_WED, "LM", "OK 2005-10-23 00:00:00", VAR_DATEVALUEONLY},
    ParseRow{"2005-03-31 08:00:00", "last month", "OK 2005-01-31 00:00:00", 0},
    ParseRow{"2005-01-31 08:00:00", "next month", "OK 2005-03-31 00:00:00", 0}));
// clang-format on

// Date fields hold 4095 characters; anything longer is not a date.
TEST(EntryPointLimits, TextLengthIsBounded) {
    std::string strPadded = "today" + std::string(CDateParser::kMaxTextLength - 5, ' ');
    EXPECT_EQ("OK 2005-11-23 10:30:00", ParseAt(NOW_WED, strPadded));
    EXPECT_EQ("FAIL", ParseAt(NOW_WED, strPadded + " "));
}

TEST(EntryPointResult, FailureKeepsTheValueAndMarksItInvalid) {
    CFixedClock clock(Moment(NOW_WED));
    CDateParser parser;
    ASSERT_TRUE(parser.ParseDateTime("12/25/2005", VAR_DATEVALUEONLY));
    DATE dtBefore = parser.m_dt;
    EXPECT_FALSE(parser.ParseDateTime("no date here", VAR_DATEVALUEONLY));
    EXPECT_FALSE(parser.IsValid());
    EXPECT_EQ(dtBefore, parser.m_dt);
    EXPECT_FALSE(parser.ParseDateTime(nullptr));
    EXPECT_EQ(dtBefore, parser.m_dt);
}

TEST(EntryPointResult, RecognisedButImpossibleIsTrueAndInvalid) {
    CFixedClock clock(Moment("2008-02-29 09:00:00"));
    CDateParser parser;
    EXPECT_TRUE(parser.ParseDateTime("next year"));
    EXPECT_FALSE(parser.IsValid());
}

TEST(ParserObject, DefaultsAndRangeCheckedSettings) {
    CDateParser parser;
    EXPECT_EQ(0.0, parser.m_dt);
    EXPECT_TRUE(parser.IsValid());
    EXPECT_EQ(CDateParser::ampmBeforeSeven, parser.GetAmPmRule());
    EXPECT_EQ(7, parser.GetAmPmCutoff());

    parser.SetAmPmRule(3);
    parser.SetAmPmCutoff(11);
    parser.SetAmPmRule(4);
    parser.SetAmPmRule(-1);
    parser.SetAmPmCutoff(12);
    parser.SetAmPmCutoff(0);
    EXPECT_EQ(3, parser.GetAmPmRule());
    EXPECT_EQ(11, parser.GetAmPmCutoff());
}

TEST(ParserObject, CopyCarriesTheDateOnlyAssignmentCarriesAll) {
    CDateParser source;
    source.SetDate(2005, 12, 25);
    source.SetAmPmRule(2);
    source.SetAmPmCutoff(9);

    CDateParser copy(source);
    EXPECT_EQ(source.m_dt, copy.m_dt);
    EXPECT_EQ(0, copy.GetAmPmRule());
    EXPECT_EQ(7, copy.GetAmPmCutoff());

    CDateParser assigned;
    assigned = source;
    EXPECT_EQ(source.m_dt, assigned.m_dt);
    EXPECT_EQ(2, assigned.GetAmPmRule());
    EXPECT_EQ(9, assigned.GetAmPmCutoff());

    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    assigned = invalid;
    EXPECT_FALSE(assigned.IsValid());
    EXPECT_EQ(2, assigned.GetAmPmRule());
}

TEST(ParserObject, DayTypes) {
    CDateParser saturday;
    saturday.SetDate(2005, 11, 26);
    const BOOL kSaturday[] = {TRUE, FALSE, TRUE, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE};
    for (int nType = 0; nType <= 9; ++nType)
        EXPECT_EQ(kSaturday[nType], saturday.IsDayType(nType)) << nType;
    EXPECT_FALSE(saturday.IsDayType(10));
    EXPECT_FALSE(saturday.IsDayType(-1));

    CDateParser wednesday;
    wednesday.SetDate(2005, 11, 23);
    EXPECT_TRUE(wednesday.IsDayType(1));
    EXPECT_TRUE(wednesday.IsDayType(6));
    EXPECT_FALSE(wednesday.IsDayType(2));
    EXPECT_TRUE(wednesday.IsNovember());
    EXPECT_FALSE(wednesday.IsDecember());
    EXPECT_FALSE(wednesday.IsLeapYear());

    // The getters answer -1 for an invalid value: no day or month test holds, and "weekday"
    // (not a weekend) does.
    CDateParser invalid;
    invalid.SetStatus(COleDateTime::invalid);
    for (int nType = 2; nType <= 9; ++nType)
        EXPECT_FALSE(invalid.IsDayType(nType)) << nType;
    EXPECT_TRUE(invalid.IsWeekday());
    EXPECT_FALSE(invalid.IsJanuary());
    EXPECT_FALSE(invalid.IsLeapYear());
}

TEST(ParserObject, MonthTestsFollowTheMonth) {
    CDateParser dt;
    BOOL (CDateParser::*const kTests[])
    () const = {
        &CDateParser::IsJanuary, &CDateParser::IsFebruary, &CDateParser::IsMarch,
        &CDateParser::IsApril,   &CDateParser::IsMay,      &CDateParser::IsJune,
        &CDateParser::IsJuly,    &CDateParser::IsAugust,   &CDateParser::IsSeptember,
        &CDateParser::IsOctober, &CDateParser::IsNovember, &CDateParser::IsDecember,
    };
    for (int nMonth = 1; nMonth <= 12; ++nMonth) {
        dt.SetDate(2004, nMonth, 15);
        for (int nTest = 1; nTest <= 12; ++nTest)
            EXPECT_EQ(nTest == nMonth, (dt.*kTests[nTest - 1])()) << nMonth << " " << nTest;
        EXPECT_TRUE(dt.IsLeapYear());
    }
}

TEST(ParserObject, LeapYears) {
    CDateParser parser;
    const struct {
        int nYear;
        BOOL bLeap;
    } kYears[] = {{2000, TRUE},  {1900, FALSE}, {2004, TRUE},
                  {2005, FALSE}, {2100, FALSE}, {2400, TRUE}};
    for (const auto& year : kYears)
        EXPECT_EQ(year.bLeap, parser.IsLeapYear(year.nYear)) << year.nYear;
}

} // namespace
