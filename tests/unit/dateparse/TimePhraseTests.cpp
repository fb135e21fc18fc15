// The time grammar and the A.M./P.M. rules, through the entry operation with the time-only
// flag. Clock texts parse to the zero date; relative phrases keep today.
#include "ParseHelpers.h"

#include <gtest/gtest.h>

namespace {

struct TimeRow {
    const char* pszText;
    const char* pszExpected;
};

void PrintTo(const TimeRow& row, std::ostream* os) {
    *os << "[" << row.pszText << "]";
}

class TimePhrase : public ::testing::TestWithParam<TimeRow> {};

TEST_P(TimePhrase, ReadsWithTheDefaultRule) {
    EXPECT_EQ(GetParam().pszExpected, ParseAt(NOW_WED, GetParam().pszText, VAR_TIMEVALUEONLY));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Words, TimePhrase, ::testing::Values(
    TimeRow{"now", "OK 2005-11-23 10:30:00"},
    TimeRow{"noon", "OK 1899-12-30 12:00:00"},
    TimeRow{"Midnight", "OK 1899-12-30 00:00:00"},
    TimeRow{"5 o'clock", "OK 1899-12-30 17:00:00"},
    TimeRow{"5 oclock", "OK 1899-12-30 17:00:00"},
    TimeRow{"5 o clock", "OK 1899-12-30 17:00:00"},
    TimeRow{"10 o'clock", "OK 1899-12-30 10:00:00"},
    TimeRow{"30 oclock", "OK 1899-12-30 23:00:00"},
    TimeRow{"5oclock", "FAIL"},  // o'clock must stand after the hour
    // Only the hour stands before o'clock; otherwise it belongs to a base time.
    TimeRow{"10 past 5 o'clock", "OK 1899-12-30 17:10:00"},
    TimeRow{"10 till 5 oclock", "OK 1899-12-30 16:50:00"},
    TimeRow{"half past 4 o clock", "OK 1899-12-30 16:30:00"},
    TimeRow{"at 5 o'clock", "FAIL"},
    TimeRow{"oclock", "FAIL"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(ClockNumbers, TimePhrase, ::testing::Values(
    TimeRow{"5", "OK 1899-12-30 17:00:00"},
    TimeRow{"7", "OK 1899-12-30 07:00:00"},
    TimeRow{"12", "OK 1899-12-30 12:00:00"},
    TimeRow{"0", "OK 1899-12-30 12:00:00"},
    TimeRow{"30", "OK 1899-12-30 23:00:00"},
    TimeRow{"430", "OK 1899-12-30 16:30:00"},
    TimeRow{"930", "OK 1899-12-30 09:30:00"},
    TimeRow{"0130", "OK 1899-12-30 13:30:00"},
    TimeRow{"1230", "OK 1899-12-30 12:30:00"},
    TimeRow{"1745", "OK 1899-12-30 17:45:00"},
    TimeRow{"0645", "OK 1899-12-30 18:45:00"},
    TimeRow{"1799", "INVALID"},  // recognised, but 99 minutes make no time
    TimeRow{"960", "INVALID"},
    TimeRow{"122505", "OK 1899-12-30 23:00:00"}));  // time-only: an hour, capped
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Relative, TimePhrase, ::testing::Values(
    TimeRow{"20 minutes from now", "OK 2005-11-23 10:50:00"},
    TimeRow{"90 minutes ago", "OK 2005-11-23 09:00:00"},
    TimeRow{"3 hours from now", "OK 2005-11-23 13:30:00"},
    TimeRow{"2 hours ago", "OK 2005-11-23 08:30:00"},
    TimeRow{"11 hours ago", "OK 2005-11-22 23:30:00"},
    TimeRow{"1 minute from now", "FAIL"}));  // the unit must be plural
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(TillAndPast, TimePhrase, ::testing::Values(
    TimeRow{"10 minutes till 5", "OK 1899-12-30 16:50:00"},
    TimeRow{"10 till 5", "OK 1899-12-30 16:50:00"},
    TimeRow{"10 til 5", "OK 1899-12-30 16:50:00"},
    TimeRow{"10 until 5", "OK 1899-12-30 16:50:00"},
    TimeRow{"10 minutes until 5", "OK 1899-12-30 16:50:00"},
    TimeRow{"10 past 5", "OK 1899-12-30 17:10:00"},
    TimeRow{"10 minutes past 5", "OK 1899-12-30 17:10:00"},
    TimeRow{"10 after 5", "OK 1899-12-30 17:10:00"},
    TimeRow{"10 minutes after 5", "OK 1899-12-30 17:10:00"},
    TimeRow{"half past 4", "OK 1899-12-30 16:30:00"},
    TimeRow{"half past noon", "OK 1899-12-30 12:30:00"},
    TimeRow{"58 till 5", "OK 1899-12-30 16:02:00"},
    TimeRow{"1 past noon", "OK 1899-12-30 12:01:00"},
    TimeRow{"15 till 1745", "OK 1899-12-30 17:30:00"},
    TimeRow{"10 till half past 4", "OK 1899-12-30 16:20:00"},
    TimeRow{"10 till now", "OK 2005-11-23 10:20:00"},
    TimeRow{"10 till midnight", "OK 1899-12-29 23:50:00"},
    TimeRow{"59 minutes till 5", "FAIL"},
    TimeRow{"0 till 5", "FAIL"},
    TimeRow{"-5 till 5", "FAIL"},
    TimeRow{"10 till", "FAIL"},
    TimeRow{"10 till someday", "FAIL"},
    TimeRow{"10 to 5", "FAIL"},
    TimeRow{"half past", "FAIL"}));
// clang-format on

// Bare hours under each A.M./P.M. rule: +12 when the rule's test holds.
struct RuleRow {
    const char* pszNow;
    int nRule;
    int nCutoff;
    const char* pszText;
    const char* pszExpected;
};

void PrintTo(const RuleRow& row, std::ostream* os) {
    *os << "[" << row.pszText << "] rule " << row.nRule << " cutoff " << row.nCutoff << " at "
        << row.pszNow;
}

class AmPmRule : public ::testing::TestWithParam<RuleRow> {};

TEST_P(AmPmRule, PlacesBareHours) {
    const RuleRow& row = GetParam();
    EXPECT_EQ(row.pszExpected,
              ParseAt(row.pszNow, row.pszText, VAR_TIMEVALUEONLY, row.nRule, row.nCutoff));
}

#define LATE "2005-11-23 23:15:00"

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, AmPmRule, ::testing::Values(
    // 0: before seven.
    RuleRow{NOW_WED, 0, 7, "6", "OK 1899-12-30 18:00:00"},
    RuleRow{NOW_WED, 0, 7, "0700", "OK 1899-12-30 07:00:00"},
    // 1: before the current hour (10 at NOW_WED, 23 at LATE).
    RuleRow{NOW_WED, 1, 7, "9", "OK 1899-12-30 21:00:00"},
    RuleRow{NOW_WED, 1, 7, "10", "OK 1899-12-30 10:00:00"},
    RuleRow{NOW_WED, 1, 7, "930", "OK 1899-12-30 21:30:00"},
    RuleRow{NOW_WED, 1, 7, "0930", "OK 1899-12-30 21:30:00"},
    RuleRow{NOW_WED, 1, 7, "1030", "OK 1899-12-30 10:30:00"},
    RuleRow{LATE, 1, 7, "11", "OK 1899-12-30 23:00:00"},
    RuleRow{LATE, 1, 7, "12", "OK 1899-12-30 12:00:00"},
    RuleRow{LATE, 1, 7, "1130", "OK 1899-12-30 23:30:00"},
    RuleRow{LATE, 1, 7, "20", "OK 1899-12-30 20:00:00"},
    // 2: before the cut-over hour.
    RuleRow{NOW_WED, 2, 9, "8", "OK 1899-12-30 20:00:00"},
    RuleRow{NOW_WED, 2, 9, "0830", "OK 1899-12-30 20:30:00"},
    RuleRow{NOW_WED, 2, 9, "830", "OK 1899-12-30 20:30:00"},
    RuleRow{NOW_WED, 2, 9, "9", "OK 1899-12-30 09:00:00"},
    RuleRow{NOW_WED, 2, 11, "10", "OK 1899-12-30 22:00:00"},
    RuleRow{NOW_WED, 2, 11, "11", "OK 1899-12-30 11:00:00"},
    // 3: as typed.
    RuleRow{NOW_WED, 3, 7, "8", "OK 1899-12-30 08:00:00"},
    RuleRow{NOW_WED, 3, 7, "0830", "OK 1899-12-30 08:30:00"},
    RuleRow{NOW_WED, 3, 7, "5", "OK 1899-12-30 05:00:00"},
    RuleRow{NOW_WED, 3, 7, "0", "OK 1899-12-30 00:00:00"},
    RuleRow{NOW_WED, 3, 7, "30", "OK 1899-12-30 23:00:00"},
    // O'clock always uses the before-seven test.
    RuleRow{NOW_WED, 3, 7, "5 o'clock", "OK 1899-12-30 17:00:00"},
    RuleRow{NOW_WED, 1, 7, "9 oclock", "OK 1899-12-30 09:00:00"}));
// clang-format on

// With flags 0 the date grammar goes first and the time grammar takes what it leaves.
TEST(DateOrTime, TimePhrasesPassTheDateGrammar) {
    EXPECT_EQ("OK 1899-12-30 16:30:00", ParseAt(NOW_WED, "half past 4"));
    EXPECT_EQ("OK 1899-12-30 17:10:00", ParseAt(NOW_WED, "10 past 5"));
    EXPECT_EQ("OK 1899-12-30 17:30:00", ParseAt(NOW_WED, "1730"));
    EXPECT_EQ("OK 2005-12-25 00:00:00", ParseAt(NOW_WED, "122505")); // compact date first
    EXPECT_EQ("OK 1899-12-30 12:00:00", ParseAt(NOW_WED, "000000")); // no date: an hour
    EXPECT_EQ("FAIL", ParseAt(NOW_WED, "noon", VAR_DATEVALUEONLY));
    EXPECT_EQ("FAIL", ParseAt(NOW_WED, "tomorrow", VAR_TIMEVALUEONLY));
}

} // namespace
