// Calendar stepping: whole months at month ends and on 29 February, the n-th weekday of a
// month, and counted weekdays before and after today.
#include "ParseHelpers.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct MonthRow {
    const char* pszFrom;
    int n;
    const char* pszExpected;
};

void PrintTo(const MonthRow& row, std::ostream* os) {
    *os << row.pszFrom << " by " << row.n;
}

class SubtractMonths : public ::testing::TestWithParam<MonthRow> {};
class AddMonths : public ::testing::TestWithParam<MonthRow> {};

TEST_P(SubtractMonths, KeepsTheDay) {
    CDateParser parser;
    const MonthRow& row = GetParam();
    EXPECT_EQ(row.pszExpected, Describe(TRUE, parser.SubtractMonths(row.n, Moment(row.pszFrom))));
}

TEST_P(AddMonths, KeepsTheDay) {
    CDateParser parser;
    const MonthRow& row = GetParam();
    EXPECT_EQ(row.pszExpected, Describe(TRUE, parser.AddMonths(row.n, Moment(row.pszFrom))));
}

// The target month is reached in one move; only a target too short for the day goes one month
// further. Stepping month by month would skip a short month at every step and drift.
// clang-format off
INSTANTIATE_TEST_SUITE_P(MonthEnds, SubtractMonths, ::testing::Values(
    MonthRow{"2005-03-31 10:00:00", 1, "OK 2005-01-31 00:00:00"},
    MonthRow{"2005-05-31 10:00:00", 2, "OK 2005-03-31 00:00:00"},
    MonthRow{"2005-05-31 10:00:00", 3, "OK 2005-01-31 00:00:00"},
    MonthRow{"2005-12-31 10:00:00", 12, "OK 2004-12-31 00:00:00"},
    MonthRow{"2005-12-31 10:00:00", 24, "OK 2003-12-31 00:00:00"},
    MonthRow{"2005-07-31 10:00:00", 1, "OK 2005-05-31 00:00:00"},
    MonthRow{"2008-03-30 10:00:00", 1, "OK 2008-01-30 00:00:00"},
    MonthRow{"2008-03-29 10:00:00", 1, "OK 2008-02-29 00:00:00"},
    MonthRow{"2008-02-29 10:00:00", 12, "OK 2007-01-29 00:00:00"},
    MonthRow{"2008-02-29 10:00:00", 48, "OK 2004-02-29 00:00:00"},
    MonthRow{"2005-01-15 10:00:00", 1, "OK 2004-12-15 00:00:00"},
    MonthRow{"2005-11-23 10:30:00", 0, "OK 2005-11-23 00:00:00"},
    MonthRow{"2005-11-23 10:30:00", -3, "OK 2005-11-23 00:00:00"},
    MonthRow{"0100-01-15 00:00:00", 1, "INVALID"},
    MonthRow{"2005-11-23 10:30:00", INT_MAX, "INVALID"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(MonthEnds, AddMonths, ::testing::Values(
    MonthRow{"2005-01-31 10:00:00", 1, "OK 2005-03-31 00:00:00"},
    MonthRow{"2005-03-31 10:00:00", 1, "OK 2005-05-31 00:00:00"},
    MonthRow{"2005-01-31 10:00:00", 11, "OK 2005-12-31 00:00:00"},
    MonthRow{"2005-12-31 10:00:00", 12, "OK 2006-12-31 00:00:00"},
    MonthRow{"2004-01-30 10:00:00", 1, "OK 2004-03-30 00:00:00"},
    MonthRow{"2004-01-29 10:00:00", 1, "OK 2004-02-29 00:00:00"},
    MonthRow{"2004-02-29 10:00:00", 12, "OK 2005-03-29 00:00:00"},
    MonthRow{"2004-02-29 10:00:00", 48, "OK 2008-02-29 00:00:00"},
    MonthRow{"2005-12-15 10:00:00", 1, "OK 2006-01-15 00:00:00"},
    MonthRow{"9999-12-01 00:00:00", 1, "INVALID"},
    MonthRow{"2005-11-23 10:30:00", INT_MAX, "INVALID"}));
// clang-format on

TEST(MonthSteps, InvalidInInvalidOut) {
    CDateParser parser;
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_EQ("INVALID", Describe(TRUE, parser.SubtractMonths(1, invalid)));
    EXPECT_EQ("INVALID", Describe(TRUE, parser.AddMonths(1, invalid)));
}

TEST(NthWeekdayOfMonth, ThisYearsUnlessPast) {
    CFixedClock clock(Moment(NOW_WED));
    CDateParser parser;
    EXPECT_EQ("OK 2005-11-24 00:00:00", Describe(TRUE, parser.NthWeekdayOfMonth(4, 5, 11)));
    EXPECT_EQ("OK 2006-11-16 00:00:00", Describe(TRUE, parser.NthWeekdayOfMonth(3, 5, 11)));
    EXPECT_EQ("OK 2005-12-29 00:00:00", Describe(TRUE, parser.NthWeekdayOfMonth(5, 5, 12)));
    EXPECT_EQ("INVALID", Describe(TRUE, parser.NthWeekdayOfMonth(5, 2, 2)));
    EXPECT_EQ("INVALID", Describe(TRUE, parser.NthWeekdayOfMonth(1, 2, 13)));
    EXPECT_EQ("INVALID", Describe(TRUE, parser.NthWeekdayOfMonth(0, 2, 5)));
}

TEST(CountedWeekdays, BeforeAndAfterToday) {
    CFixedClock clock(Moment(NOW_WED));
    CDateParser parser;
    COleDateTime dt = Moment("2001-01-01 00:00:00");

    EXPECT_TRUE(parser.NthWeekdayBefore(0, 6, dt));
    EXPECT_EQ("OK 2005-11-22 10:30:00", Describe(TRUE, dt));
    EXPECT_TRUE(parser.NthWeekdayBefore(1, 4, dt)); // a week back: today is not counted
    EXPECT_EQ("OK 2005-11-16 10:30:00", Describe(TRUE, dt));
    EXPECT_TRUE(parser.NthWeekdayAfter(1, 4, dt));
    EXPECT_EQ("OK 2005-11-30 10:30:00", Describe(TRUE, dt));
    EXPECT_TRUE(parser.NthWeekdayAfter(3, 7, dt));
    EXPECT_EQ("OK 2005-12-10 10:30:00", Describe(TRUE, dt));

    dt = Moment("2001-01-01 00:00:00");
    EXPECT_FALSE(parser.NthWeekdayBefore(30, 1, dt));
    EXPECT_FALSE(parser.NthWeekdayAfter(30, 1, dt));
    EXPECT_FALSE(parser.NthWeekdayAfter(-1, 1, dt));
    EXPECT_EQ("OK 2001-01-01 00:00:00", Describe(TRUE, dt)); // untouched when not found
}

} // namespace
