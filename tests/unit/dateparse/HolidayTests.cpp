// Holidays: Easter, each holiday in a given year, the bare names on and around their own day,
// NEXT and LAST, and names with a year.
#include "ParseHelpers.h"

#include <gtest/gtest.h>

namespace {

using HolidayRow = DateRow;

class Holiday : public ::testing::TestWithParam<HolidayRow> {};

TEST_P(Holiday, Reads) {
    EXPECT_EQ(GetParam().pszExpected, ParseDateOnly(GetParam()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(InAGivenYear, Holiday, ::testing::Values(
    HolidayRow{NOW_WED, "easter 2006", "OK 2006-04-16 00:00:00"},
    HolidayRow{NOW_WED, "easter sunday 2005", "OK 2005-03-27 00:00:00"},
    HolidayRow{NOW_WED, "good friday 2006", "OK 2006-04-14 00:00:00"},
    HolidayRow{NOW_WED, "ash wednesday 2006", "OK 2006-03-01 00:00:00"},
    HolidayRow{NOW_WED, "thanksgiving 2005", "OK 2005-11-24 00:00:00"},
    HolidayRow{NOW_WED, "thanksgiving day 2004", "OK 2004-11-25 00:00:00"},
    HolidayRow{NOW_WED, "memorial day 2009", "OK 2009-05-25 00:00:00"},  // four Mondays
    HolidayRow{NOW_WED, "memorial day 2010", "OK 2010-05-31 00:00:00"},  // five Mondays
    HolidayRow{NOW_WED, "labor day 1999", "OK 1999-09-06 00:00:00"},
    HolidayRow{NOW_WED, "columbus day 2005", "OK 2005-10-10 00:00:00"},
    HolidayRow{NOW_WED, "presidents day 2006", "OK 2006-02-20 00:00:00"},
    HolidayRow{NOW_WED, "washington's birthday 2006", "OK 2006-02-20 00:00:00"},
    HolidayRow{NOW_WED, "president's day 2006", "OK 2006-02-20 00:00:00"},
    HolidayRow{NOW_WED, "4th of july 2007", "OK 2007-07-04 00:00:00"},
    HolidayRow{NOW_WED, "J4 2007", "OK 2007-07-04 00:00:00"},
    HolidayRow{NOW_WED, "independence day 1976", "OK 1976-07-04 00:00:00"},
    HolidayRow{NOW_WED, "veteran day 2005", "OK 2005-11-11 00:00:00"},
    HolidayRow{NOW_WED, "new years eve day 2005", "OK 2005-12-31 00:00:00"},
    HolidayRow{NOW_WED, "new years day 2006", "OK 2006-01-01 00:00:00"},
    HolidayRow{NOW_WED, "xmass eve 1999", "OK 1999-12-24 00:00:00"},
    HolidayRow{NOW_WED, "halloween 1999", "OK 1999-10-31 00:00:00"},
    HolidayRow{NOW_WED, "christmas 1999", "OK 1999-12-25 00:00:00"},
    HolidayRow{NOW_WED, "easter 50", "FAIL"},  // beyond the date type
    HolidayRow{NOW_WED, "christmas 10000", "FAIL"},
    HolidayRow{NOW_WED, "birthday 2006", "FAIL"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(BareNames, Holiday, ::testing::Values(
    // Christmas, its Eve, New Year's Eve and Halloween: this year's, even when past.
    HolidayRow{NOW_WED, "christmas", "OK 2005-12-25 00:00:00"},
    HolidayRow{"2005-12-25 10:00:00", "xmas", "OK 2005-12-25 00:00:00"},
    HolidayRow{"2005-12-26 10:00:00", "christmas", "OK 2005-12-25 00:00:00"},
    HolidayRow{NOW_WED, "xmas eve", "OK 2005-12-24 00:00:00"},
    HolidayRow{NOW_WED, "XMAS EVE", "OK 2005-12-24 00:00:00"},
    HolidayRow{NOW_WED, "XE", "OK 2005-12-24 00:00:00"},
    HolidayRow{"2006-01-01 10:00:00", "new years eve", "OK 2006-12-31 00:00:00"},
    HolidayRow{"2005-11-01 10:00:00", "halloween", "OK 2005-10-31 00:00:00"},
    // New Year's Day: always next year's.
    HolidayRow{"2005-12-31 10:00:00", "new years", "OK 2006-01-01 00:00:00"},
    HolidayRow{"2006-01-01 10:00:00", "new years", "OK 2007-01-01 00:00:00"},
    HolidayRow{"2006-01-01 00:00:00", "NY", "OK 2007-01-01 00:00:00"},
    // The rest: this year's, or next year's once this year's midnight is past.
    HolidayRow{"2005-07-03 23:59:59", "july 4th", "OK 2005-07-04 00:00:00"},
    HolidayRow{"2005-07-04 00:00:00", "july fourth", "OK 2005-07-04 00:00:00"},
    HolidayRow{"2005-07-04 10:00:00", "july forth", "OK 2006-07-04 00:00:00"},
    HolidayRow{"2005-07-04 10:00:00", "fourth of july", "OK 2006-07-04 00:00:00"},
    HolidayRow{"2005-07-05 10:00:00", "forth of july", "OK 2006-07-04 00:00:00"},
    HolidayRow{"2005-11-12 10:00:00", "veterans day", "OK 2006-11-11 00:00:00"},
    HolidayRow{NOW_WED, "easter", "OK 2006-04-16 00:00:00"},
    HolidayRow{"2006-04-15 10:00:00", "easter", "OK 2006-04-16 00:00:00"},
    HolidayRow{"2006-04-16 10:00:00", "easter sunday", "OK 2007-04-08 00:00:00"},
    HolidayRow{"2006-04-15 10:00:00", "good friday", "OK 2006-04-14 00:00:00"},
    HolidayRow{"2006-04-16 10:00:00", "GF", "OK 2007-04-06 00:00:00"},
    HolidayRow{"2006-03-02 10:00:00", "ash wednesday", "OK 2006-03-01 00:00:00"},
    HolidayRow{NOW_WED, "AW", "OK 2006-03-01 00:00:00"},
    HolidayRow{NOW_WED, "thanksgiving", "OK 2005-11-24 00:00:00"},
    HolidayRow{"2005-11-24 10:30:00", "thanksgiving day", "OK 2006-11-23 00:00:00"},
    HolidayRow{"2005-06-01 10:00:00", "memorial day", "OK 2006-05-29 00:00:00"},
    HolidayRow{"2005-05-01 10:00:00", "MD", "OK 2005-05-30 00:00:00"},
    HolidayRow{NOW_WED, "labor day", "OK 2006-09-04 00:00:00"},
    HolidayRow{NOW_WED, "columbus day", "OK 2006-10-09 00:00:00"},
    HolidayRow{NOW_WED, "presidents day", "OK 2006-02-20 00:00:00"},
    HolidayRow{NOW_WED, "washingtons birthday", "OK 2006-02-20 00:00:00"},
    HolidayRow{NOW_WED, "washington birthday", "OK 2006-02-20 00:00:00"},
    HolidayRow{NOW_WED, "president day", "OK 2006-02-20 00:00:00"},
    HolidayRow{NOW_WED, "independence", "FAIL"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(NextAndLast, Holiday, ::testing::Values(
    HolidayRow{"2005-12-25 10:00:00", "next christmas", "OK 2006-12-25 00:00:00"},
    HolidayRow{"2005-12-25 10:00:00", "last christmas", "OK 2005-12-25 00:00:00"},
    HolidayRow{"2005-12-01 10:00:00", "last christmas", "OK 2004-12-25 00:00:00"},
    HolidayRow{"2005-12-01 10:00:00", "LAST X", "OK 2004-12-25 00:00:00"},
    HolidayRow{"2005-12-01 10:00:00", "this past christmas", "OK 2004-12-25 00:00:00"},
    HolidayRow{"2005-12-01 10:00:00", "past christmas", "OK 2004-12-25 00:00:00"},
    HolidayRow{"2005-12-01 10:00:00", "this last christmas", "OK 2004-12-25 00:00:00"},
    HolidayRow{"2005-12-01 10:00:00", "next christmas", "OK 2005-12-25 00:00:00"},
    HolidayRow{"2005-12-01 10:00:00", "this next christmas", "OK 2005-12-25 00:00:00"},
    HolidayRow{"2005-11-24 10:30:00", "next thanksgiving", "OK 2006-11-23 00:00:00"},
    HolidayRow{"2005-11-24 10:30:00", "last thanksgiving", "OK 2005-11-24 00:00:00"},
    // At midnight the day is neither past nor to come: NEXT and LAST both move a year.
    HolidayRow{"2005-11-24 00:00:00", "next thanksgiving", "OK 2006-11-23 00:00:00"},
    HolidayRow{"2005-11-24 00:00:00", "last thanksgiving", "OK 2004-11-25 00:00:00"},
    HolidayRow{NOW_WED, "next easter", "OK 2006-04-16 00:00:00"},
    HolidayRow{NOW_WED, "last easter", "OK 2005-03-27 00:00:00"},
    HolidayRow{NOW_WED, "last good friday", "OK 2005-03-25 00:00:00"},
    HolidayRow{NOW_WED, "next ash wednesday", "OK 2006-03-01 00:00:00"},
    HolidayRow{NOW_WED, "next labor day", "OK 2006-09-04 00:00:00"},
    HolidayRow{NOW_WED, "last labor day", "OK 2005-09-05 00:00:00"},
    HolidayRow{"9999-12-26 10:00:00", "next christmas", "INVALID"},  // no year 10000
    HolidayRow{NOW_WED, "next birthday", "FAIL"},
    HolidayRow{NOW_WED, "next", "FAIL"}));
// clang-format on

// The short method with a fixed 24 (right for 1900-2099 under its own per-century constant)
// agrees with the Gregorian Easter except where Gauss's exception rules apply.
void EasterByFixedMethod(int nYear, int& nMonth, int& nDay) {
    int a = nYear % 19;
    int d = (19 * a + 24) % 30;
    int e = (0 + 6 * d + 4 * (nYear % 7) + 2 * (nYear % 4) + 5) % 7;
    int nDayOfMarch = 22 + d + e;
    nMonth = nDayOfMarch > 31 ? 4 : 3;
    nDay = nDayOfMarch > 31 ? nDayOfMarch - 31 : nDayOfMarch;
}

TEST(Easter, KnownSundays) {
    const struct {
        int nYear, nMonth, nDay;
    } kRows[] = {
        {2005, 3, 27}, {2006, 4, 16}, {2025, 4, 20}, {2026, 4, 5},  {1981, 4, 19},
        {1954, 4, 18}, {2049, 4, 18}, {2076, 4, 19}, {2000, 4, 23}, {1818, 3, 22},
        {2285, 3, 22}, {1943, 4, 25}, {2038, 4, 25}, {1583, 4, 10},
    };
    for (const auto& row : kRows) {
        WORD nMonth = 0, nDay = 0;
        CDateParser::GetEasterDate(row.nYear, nMonth, nDay);
        EXPECT_EQ(row.nMonth, nMonth) << row.nYear;
        EXPECT_EQ(row.nDay, nDay) << row.nYear;
    }
}

TEST(Easter, AgreesWithTheFixedMethodInTheTwentiethAndTwentyFirstCenturies) {
    for (int nYear = 1900; nYear <= 2099; ++nYear) {
        if (nYear == 1954 || nYear == 1981 || nYear == 2049 || nYear == 2076) continue;
        int nMonth, nDay;
        EasterByFixedMethod(nYear, nMonth, nDay);
        WORD wMonth = 0, wDay = 0;
        CDateParser::GetEasterDate(nYear, wMonth, wDay);
        EXPECT_EQ(nMonth * 100 + nDay, wMonth * 100 + wDay) << nYear;
    }
}

TEST(Easter, IsASundayBetweenMarch22AndApril25InEveryYear) {
    for (int nYear = 100; nYear <= 9999; ++nYear) {
        WORD nMonth = 0, nDay = 0;
        CDateParser::GetEasterDate(nYear, nMonth, nDay);
        int nKey = nMonth * 100 + nDay;
        ASSERT_TRUE(nKey >= 322 && nKey <= 425) << nYear;
        ASSERT_EQ(1, COleDateTime(nYear, nMonth, nDay, 0, 0, 0).GetDayOfWeek()) << nYear;
    }
}

TEST(HolidayDate, UnknownNameLeavesNowBadYearLeavesTarget) {
    CFixedClock clock(Moment(NOW_WED));
    CDateParser parser;
    CDateParser target;
    target.SetDate(2001, 2, 3);

    EXPECT_FALSE(parser.GetHolidayDate(target, "CHRISTMAS", 10000));
    EXPECT_EQ("OK 2001-02-03 00:00:00", Describe(TRUE, target));

    EXPECT_FALSE(parser.GetHolidayDate(target, "BIRTHDAY", 2005));
    EXPECT_EQ("OK 2005-11-23 10:30:00", Describe(TRUE, target));

    EXPECT_TRUE(parser.GetHolidayDate(target, "Memorial Day", 2005));
    EXPECT_EQ("OK 2005-05-30 00:00:00", Describe(TRUE, target));
    EXPECT_TRUE(parser.GetHolidayDate(target, "ASH WEDNESDAY", 100));
    EXPECT_TRUE(target.IsValid());
    EXPECT_TRUE(target.IsWednesday());
}

} // namespace
