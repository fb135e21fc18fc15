// Counts written as words, vague counts, the A.M./P.M. rewrite inside words, time-of-day bases
// of date-only parses and bases typed in the platform's own format. Each table holds the
// phrases that must read and their neighbours whose answers must stay as they were.
// NOW_WED is Wednesday 23 November 2005, 10:30.
#include "ParseHelpers.h"

#include <gtest/gtest.h>

namespace {

class Phrase : public ::testing::TestWithParam<ParseRow> {};

TEST_P(Phrase, Reads) {
    const ParseRow& row = GetParam();
    EXPECT_EQ(row.pszExpected, ParseAt(row.pszNow, row.pszText, row.dwFlags));
}

const DWORD kDate = VAR_DATEVALUEONLY;
const DWORD kTime = VAR_TIMEVALUEONLY;

// clang-format off
INSTANTIATE_TEST_SUITE_P(NumberWords, Phrase, ::testing::Values(
    ParseRow{NOW_WED, "three days ago", "OK 2005-11-20 10:30:00", kDate},
    ParseRow{NOW_WED, "three days ago", "OK 2005-11-20 10:30:00", 0},
    ParseRow{NOW_WED, "Twelve days from now", "OK 2005-12-05 10:30:00", kDate},
    ParseRow{NOW_WED, "two weeks ago", "OK 2005-11-09 10:30:00", kDate},
    ParseRow{NOW_WED, "four months from now", "OK 2006-03-23 00:00:00", kDate},
    ParseRow{NOW_WED, "two years ago", "OK 2003-11-23 00:00:00", kDate},
    ParseRow{NOW_WED, "three days after christmas", "OK 2005-12-28 00:00:00", kDate},
    ParseRow{NOW_WED, "two weeks before christmas", "OK 2005-12-11 00:00:00", kDate},
    ParseRow{NOW_WED, "in three days", "OK 2005-11-26 10:30:00", kDate},
    ParseRow{NOW_WED, "five days", "OK 2005-11-28 10:30:00", kDate},
    ParseRow{NOW_WED, "in two months", "OK 2006-01-23 00:00:00", kDate},
    ParseRow{NOW_WED, "two fridays from now", "OK 2005-12-02 10:30:00", kDate},
    ParseRow{NOW_WED, "today + three", "OK 2005-11-26 10:30:00", kDate},
    ParseRow{NOW_WED, "christmas - two days", "OK 2005-12-23 00:00:00", kDate},
    ParseRow{NOW_WED, "ten minutes from now", "OK 2005-11-23 10:40:00", kTime},
    ParseRow{NOW_WED, "two hours ago", "OK 2005-11-23 08:30:00", kTime},
    ParseRow{NOW_WED, "ten till 5", "OK 1899-12-30 16:50:00", kTime},
    ParseRow{NOW_WED, "five o'clock", "OK 1899-12-30 17:00:00", kTime},
    ParseRow{NOW_WED, "ten o'clock", "OK 1899-12-30 10:00:00", 0},
    // Neighbours.
    ParseRow{NOW_WED, "3 days ago", "OK 2005-11-20 10:30:00", kDate},
    ParseRow{NOW_WED, "a day ago", "OK 2005-11-22 10:30:00", kDate},
    ParseRow{NOW_WED, "one day ago", "OK 2005-11-22 10:30:00", kDate},
    ParseRow{NOW_WED, "one week ago", "OK 2005-11-16 10:30:00", kDate},
    ParseRow{NOW_WED, "a month from now", "OK 2005-12-23 00:00:00", kDate},
    ParseRow{NOW_WED, "next friday", "OK 2005-11-25 10:30:00", kDate},
    ParseRow{NOW_WED, "5 o'clock", "OK 1899-12-30 17:00:00", kTime},
    ParseRow{NOW_WED, "10 till 5", "OK 1899-12-30 16:50:00", kTime},
    ParseRow{NOW_WED, "thirteen days ago", "OK 2005-11-23 10:30:00", kDate},  // beyond twelve: 0
    ParseRow{NOW_WED, "ten till five", "FAIL", kTime}));  // a base hour stays digits
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(VagueCounts, Phrase, ::testing::Values(
    ParseRow{NOW_WED, "in a few days", "FAIL", kDate},
    ParseRow{NOW_WED, "in a few days", "FAIL", 0},
    ParseRow{NOW_WED, "several weeks from now", "FAIL", kDate},
    ParseRow{NOW_WED, "several weeks from now", "FAIL", 0},
    ParseRow{NOW_WED, "a few minutes ago", "FAIL", kTime},
    ParseRow{NOW_WED, "a few minutes ago", "FAIL", 0},
    ParseRow{NOW_WED, "some days ago", "FAIL", kDate},
    ParseRow{NOW_WED, "few days", "FAIL", kDate},
    ParseRow{NOW_WED, "a couple of days ago", "FAIL", kDate},
    ParseRow{NOW_WED, "a couple weeks ago", "FAIL", kDate},
    ParseRow{NOW_WED, "several days after christmas", "FAIL", kDate},
    ParseRow{NOW_WED, "in several months", "FAIL", kDate},
    ParseRow{NOW_WED, "some hours from now", "FAIL", kTime},
    ParseRow{NOW_WED, "a few till 5", "FAIL", kTime},
    ParseRow{NOW_WED, "2 days after a few days ago", "FAIL", kDate},
    // Neighbours.
    ParseRow{NOW_WED, "a week ago", "OK 2005-11-16 10:30:00", kDate},
    ParseRow{NOW_WED, "a year from now", "OK 2006-11-23 00:00:00", kDate},
    ParseRow{NOW_WED, "20 minutes from now", "OK 2005-11-23 10:50:00", kTime}));
// clang-format on

// The A.M./P.M. rewrite takes markers of their own or right after a digit.
// clang-format off
INSTANTIATE_TEST_SUITE_P(MeridiemMarkers, Phrase, ::testing::Values(
    ParseRow{NOW_WED, "5pm", "OK 1899-12-30 17:00:00", 0},
    ParseRow{NOW_WED, "5 p.m.", "OK 1899-12-30 17:00:00", 0},
    ParseRow{NOW_WED, "5 P M", "OK 1899-12-30 17:00:00", 0},
    ParseRow{NOW_WED, "5 pm", "OK 1899-12-30 17:00:00", kTime},
    ParseRow{NOW_WED, "5p.m.", "OK 1899-12-30 17:00:00", 0},
    // Read as the date-only parse (which rewrites nothing) reads it.
    ParseRow{NOW_WED, "in a months", "OK 2005-11-23 00:00:00", 0},
    ParseRow{NOW_WED, "in a months", "OK 2005-11-23 00:00:00", kDate},
    ParseRow{NOW_WED, "in a month", "FAIL", 0}));
// clang-format on

// A date asked for alone is never built on a time of day.
// clang-format off
INSTANTIATE_TEST_SUITE_P(TimeOfDayBases, Phrase, ::testing::Values(
    ParseRow{NOW_WED, "2 days after noon", "FAIL", kDate},
    ParseRow{NOW_WED, "2 days after midnight", "FAIL", kDate},
    ParseRow{NOW_WED, "2 days after 5", "FAIL", kDate},
    ParseRow{NOW_WED, "3 weeks before 430", "FAIL", kDate},
    ParseRow{NOW_WED, "2 days after 0599", "FAIL", kDate},  // no time at all, and no date
    ParseRow{NOW_WED, "2 days after half past 4", "FAIL", kDate},
    ParseRow{NOW_WED, "2 days after 10 till 5", "FAIL", kDate},
    ParseRow{NOW_WED, "noon + 3", "FAIL", kDate},
    ParseRow{NOW_WED, "3 days after 5:00 pm", "FAIL", kDate},
    // Neighbours: dates, and times measured from now, are bases; without the date-only
    // flag a time of day stays a base.
    ParseRow{NOW_WED, "2 days after tomorrow", "OK 2005-11-26 10:30:00", kDate},
    ParseRow{NOW_WED, "2 days after 3 hours ago", "OK 2005-11-25 07:30:00", kDate},
    ParseRow{NOW_WED, "2 days after now", "OK 2005-11-25 10:30:00", kDate},
    ParseRow{NOW_WED, "2 days after noon", "OK 1900-01-01 12:00:00", 0},
    ParseRow{NOW_WED, "noon", "OK 1899-12-30 12:00:00", 0},
    ParseRow{NOW_WED, "noon", "FAIL", kDate},
    ParseRow{NOW_WED, "5 pm", "OK 1899-12-30 17:00:00", 0}));
// clang-format on

// Bases typed as the platform writes dates and times (en-US under the test bed).
// clang-format off
INSTANTIATE_TEST_SUITE_P(TypedBases, Phrase, ::testing::Values(
    ParseRow{NOW_WED, "3 days after 12/25/2005", "OK 2005-12-28 00:00:00", kDate},
    ParseRow{NOW_WED, "3 days after 12/25/2005", "OK 2005-12-28 00:00:00", 0},
    ParseRow{NOW_WED, "12/25/2005 + 3", "OK 2005-12-28 00:00:00", kDate},
    ParseRow{NOW_WED, "3 days + 12/25/2005", "OK 2005-12-28 00:00:00", kDate},
    ParseRow{NOW_WED, "12/25/2005 - 1 weeks", "OK 2005-12-18 00:00:00", kDate},
    ParseRow{NOW_WED, "2 weeks before 7/4/2027", "OK 2027-06-20 00:00:00", kDate},
    ParseRow{NOW_WED, "2 months after 1/31/2006", "OK 2006-03-31 00:00:00", kDate},
    ParseRow{NOW_WED, "3 days after december 25, 2005", "OK 2005-12-28 00:00:00", kDate},
    ParseRow{NOW_WED, "3 days after 2005-12-25", "OK 2005-12-28 00:00:00", kDate},
    ParseRow{NOW_WED, "1 days after 1 days after 12/25/2005", "OK 2005-12-27 00:00:00", kDate},
    ParseRow{NOW_WED, "3 days after 12/25/2005 5:00 PM", "OK 2005-12-28 17:00:00", 0},
    ParseRow{NOW_WED, "10 till 5 pm", "OK 1899-12-30 16:50:00", kTime},
    ParseRow{NOW_WED, "10 till 5 pm", "OK 1899-12-30 16:50:00", 0},
    ParseRow{NOW_WED, "10 till 17:30", "OK 1899-12-30 17:20:00", kTime},
    ParseRow{NOW_WED, "half past 5 pm", "OK 1899-12-30 17:30:00", kTime},
    ParseRow{NOW_WED, "15 minutes after 12/25/2005 5 pm", "OK 2005-12-25 17:15:00", 0},
    ParseRow{NOW_WED, "2 weeks after 12/31/9999", "INVALID", kDate},
    ParseRow{NOW_WED, "3 days after 13/45/2005", "FAIL", kDate},
    ParseRow{NOW_WED, "10 till 5 pm", "FAIL", kDate},
    // Neighbours that the grammars read: a clock number stays the grammar's.
    ParseRow{NOW_WED, "2 days after 5", "OK 1900-01-01 17:00:00", 0},
    ParseRow{NOW_WED, "3 days after 122505", "OK 2005-12-28 00:00:00", kDate},
    ParseRow{NOW_WED, "10 till 5", "OK 1899-12-30 16:50:00", 0},
    ParseRow{NOW_WED, "3 days after someday", "FAIL", kDate}));
// clang-format on

} // namespace
