// The date grammar, stage by stage, through the entry operation with the date-only flag (the
// way date fields call it). NOW_WED is Wednesday 23 November 2005, 10:30.
#include "ParseHelpers.h"

#include <gtest/gtest.h>

namespace {

class DatePhrase : public ::testing::TestWithParam<DateRow> {};

TEST_P(DatePhrase, Reads) {
    EXPECT_EQ(GetParam().pszExpected, ParseDateOnly(GetParam()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CompactDigits, DatePhrase, ::testing::Values(
    DateRow{NOW_WED, "122505", "OK 2005-12-25 00:00:00"},
    DateRow{NOW_WED, "12252005", "OK 2005-12-25 00:00:00"},
    DateRow{NOW_WED, "123199", "OK 1999-12-31 00:00:00"},
    DateRow{NOW_WED, "000000", "FAIL"},  // no date, and date-only reads no clock number
    DateRow{NOW_WED, "1225", "FAIL"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(NamedDays, DatePhrase, ::testing::Values(
    DateRow{NOW_WED, "today", "OK 2005-11-23 10:30:00"},
    DateRow{NOW_WED, "now", "OK 2005-11-23 10:30:00"},
    DateRow{NOW_WED, "yesterday", "OK 2005-11-22 10:30:00"},
    DateRow{NOW_WED, "day before yesterday", "OK 2005-11-21 10:30:00"},
    DateRow{NOW_WED, "tomorrow", "OK 2005-11-24 10:30:00"},
    DateRow{NOW_WED, "day after tomorrow", "OK 2005-11-25 10:30:00"},
    DateRow{NOW_WED, "next week", "OK 2005-11-30 10:30:00"},
    DateRow{NOW_WED, "last week", "OK 2005-11-16 10:30:00"},
    DateRow{NOW_WED, "next year", "OK 2006-11-23 00:00:00"},
    DateRow{NOW_WED, "this next year", "OK 2006-11-23 00:00:00"},
    DateRow{NOW_WED, "past year", "OK 2004-11-23 00:00:00"},
    DateRow{NOW_WED, "this past year", "OK 2004-11-23 00:00:00"},
    DateRow{NOW_WED, "last year", "OK 2004-11-23 00:00:00"},
    DateRow{NOW_WED, "this last year", "OK 2004-11-23 00:00:00"},
    DateRow{"2008-02-29 09:00:00", "next year", "INVALID"},
    DateRow{"2008-02-29 09:00:00", "last year", "INVALID"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Weekdays, DatePhrase, ::testing::Values(
    DateRow{NOW_WED, "friday", "OK 2005-11-25 10:30:00"},
    DateRow{NOW_WED, "next friday", "OK 2005-11-25 10:30:00"},
    DateRow{NOW_WED, "last friday", "OK 2005-11-18 10:30:00"},
    DateRow{NOW_WED, "wednesday", "OK 2005-11-30 10:30:00"},  // never today itself
    DateRow{NOW_WED, "this past wednesday", "OK 2005-11-16 10:30:00"},
    DateRow{NOW_WED, "past sunday", "OK 2005-11-20 10:30:00"},
    DateRow{NOW_WED, "sunday", "OK 2005-11-27 10:30:00"},
    DateRow{NOW_WED, "saturday", "OK 2005-11-26 10:30:00"},
    DateRow{NOW_WED, "last monday", "OK 2005-11-21 10:30:00"},
    DateRow{NOW_WED, "next thursday", "OK 2005-11-24 10:30:00"},
    DateRow{NOW_WED, "last tuesday", "OK 2005-11-22 10:30:00"},
    DateRow{NOW_FRI, "next friday", "OK 2005-12-02 10:30:00"},
    DateRow{NOW_FRI, "friday", "OK 2005-12-02 10:30:00"},
    DateRow{NOW_FRI, "this past friday", "OK 2005-11-18 10:30:00"},
    DateRow{NOW_FRI, "last friday", "OK 2005-11-18 10:30:00"},
    DateRow{NOW_WED, "fridays", "FAIL"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(CountedFromNow, DatePhrase, ::testing::Values(
    DateRow{NOW_WED, "one day ago", "OK 2005-11-22 10:30:00"},
    DateRow{NOW_WED, "a days ago", "OK 2005-11-22 10:30:00"},
    DateRow{NOW_WED, "day ago", "OK 2005-11-22 10:30:00"},
    DateRow{NOW_WED, "days ago", "OK 2005-11-22 10:30:00"},
    DateRow{NOW_WED, "1 days ago", "OK 2005-11-22 10:30:00"},
    DateRow{NOW_WED, "a day from now", "OK 2005-11-24 10:30:00"},
    DateRow{NOW_WED, "one days from now", "OK 2005-11-24 10:30:00"},
    DateRow{NOW_WED, "days from now", "OK 2005-11-24 10:30:00"},
    DateRow{NOW_WED, "3 days ago", "OK 2005-11-20 10:30:00"},
    DateRow{NOW_WED, "10 day ago", "OK 2005-11-13 10:30:00"},
    DateRow{NOW_WED, "three days ago", "OK 2005-11-20 10:30:00"},  // a number word counts
    DateRow{NOW_WED, "3 days from now", "OK 2005-11-26 10:30:00"},
    DateRow{NOW_WED, "a week ago", "OK 2005-11-16 10:30:00"},
    DateRow{NOW_WED, "one week ago", "OK 2005-11-16 10:30:00"},
    DateRow{NOW_WED, "week ago", "OK 2005-11-16 10:30:00"},
    DateRow{NOW_WED, "weeks ago", "OK 2005-11-16 10:30:00"},
    DateRow{NOW_WED, "2 week ago", "OK 2005-11-09 10:30:00"},
    DateRow{NOW_WED, "three weeks ago", "OK 2005-11-02 10:30:00"},
    DateRow{NOW_WED, "3 weeks from now", "OK 2005-12-14 10:30:00"},
    DateRow{NOW_WED, "a week from now", "OK 2005-11-30 10:30:00"},
    DateRow{NOW_WED, "a month ago", "OK 2005-10-23 00:00:00"},
    DateRow{NOW_WED, "months ago", "OK 2005-10-23 00:00:00"},
    DateRow{NOW_WED, "1 months ago", "OK 2005-10-23 00:00:00"},
    DateRow{NOW_WED, "2 month ago", "OK 2005-09-23 00:00:00"},
    DateRow{NOW_WED, "2 months ago", "OK 2005-09-23 00:00:00"},
    DateRow{NOW_WED, "a month from now", "OK 2005-12-23 00:00:00"},
    DateRow{NOW_WED, "3 months from now", "OK 2006-02-23 00:00:00"},
    DateRow{NOW_WED, "two months ago", "OK 2005-09-23 00:00:00"},
    DateRow{NOW_WED, "a year ago", "OK 2004-11-23 00:00:00"},
    DateRow{NOW_WED, "years from now", "OK 2006-11-23 00:00:00"},
    DateRow{NOW_WED, "2 years from now", "OK 2007-11-23 00:00:00"},
    DateRow{NOW_WED, "5 year ago", "OK 2000-11-23 00:00:00"},
    DateRow{"2005-03-31 12:00:00", "1 month ago", "OK 2005-01-31 00:00:00"},
    DateRow{"2005-12-31 12:00:00", "a year ago", "OK 2004-12-31 00:00:00"},
    DateRow{"2005-05-31 12:00:00", "3 months ago", "OK 2005-01-31 00:00:00"},
    DateRow{"2005-05-31 12:00:00", "2 months ago", "OK 2005-03-31 00:00:00"},
    DateRow{NOW_WED, "9999 years from now", "INVALID"},
    DateRow{NOW_WED, "99999999999 days ago", "INVALID"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(NthWeekdayOfMonth, DatePhrase, ::testing::Values(
    DateRow{NOW_WED, "forth thursday in november", "OK 2005-11-24 00:00:00"},
    DateRow{NOW_WED, "4th thursday in nov", "OK 2005-11-24 00:00:00"},
    DateRow{NOW_WED, "third thursday in november", "OK 2006-11-16 00:00:00"},  // past
    DateRow{"2005-11-24 00:00:00", "fourth thursday in november", "OK 2005-11-24 00:00:00"},
    DateRow{"2005-11-24 00:00:01", "fourth thursday in november", "OK 2006-11-23 00:00:00"},
    DateRow{NOW_WED, "1st monday in jan", "OK 2006-01-02 00:00:00"},
    DateRow{NOW_WED, "2 friday in the month of december", "OK 2005-12-09 00:00:00"},
    DateRow{NOW_WED, "fifth thursday in december", "OK 2005-12-29 00:00:00"},
    DateRow{NOW_WED, "5th monday in may", "OK 2006-05-29 00:00:00"},
    DateRow{NOW_WED, "fifth monday in february", "FAIL"},
    DateRow{NOW_WED, "fifth tuesday in march", "FAIL"},  // this year's is past, next has none
    DateRow{NOW_WED, "first sunday in", "FAIL"},
    DateRow{NOW_WED, "third thursday in novembre", "FAIL"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(DistanceFromBase, DatePhrase, ::testing::Values(
    DateRow{NOW_WED, "3 days from today", "OK 2005-11-26 10:30:00"},
    DateRow{NOW_WED, "3 days after today", "OK 2005-11-26 10:30:00"},
    DateRow{NOW_WED, "3 days before today", "OK 2005-11-20 10:30:00"},
    DateRow{NOW_WED, "2 weeks after christmas", "OK 2006-01-08 00:00:00"},
    DateRow{NOW_WED, "2 weeks from christmas", "OK 2006-01-08 00:00:00"},
    DateRow{NOW_WED, "2 weeks before christmas", "OK 2005-12-11 00:00:00"},
    DateRow{NOW_WED, "2 months before christmas", "OK 2005-10-25 00:00:00"},
    DateRow{NOW_WED, "1 months after christmas eve", "OK 2006-01-24 00:00:00"},
    DateRow{NOW_WED, "1 months from christmas", "OK 2006-01-25 00:00:00"},
    DateRow{NOW_WED, "2 years before easter", "OK 2004-04-16 00:00:00"},
    DateRow{NOW_WED, "1 years after easter 2006", "OK 2007-04-16 00:00:00"},
    DateRow{NOW_WED, "1 years from easter", "OK 2007-04-16 00:00:00"},
    DateRow{NOW_WED, "2 days after 3 days from today", "OK 2005-11-28 10:30:00"},
    DateRow{NOW_WED, "2 days after noon", "FAIL"},  // a time of day is no base for a date
    DateRow{NOW_WED, "1 day after christmas", "FAIL"},  // the unit must be plural
    DateRow{NOW_WED, "3 days after someday", "FAIL"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arithmetic, DatePhrase, ::testing::Values(
    DateRow{NOW_WED, "today+3", "OK 2005-11-26 10:30:00"},
    DateRow{NOW_WED, "today + 3", "OK 2005-11-26 10:30:00"},
    DateRow{NOW_WED, "today +3", "OK 2005-11-26 10:30:00"},
    DateRow{NOW_WED, "3+today", "OK 2005-11-26 10:30:00"},
    DateRow{NOW_WED, "today plus 3", "OK 2005-11-26 10:30:00"},
    DateRow{NOW_WED, "today - 3", "OK 2005-11-20 10:30:00"},
    DateRow{NOW_WED, "today -3", "OK 2005-11-20 10:30:00"},
    DateRow{NOW_WED, "today- 3", "OK 2005-11-20 10:30:00"},
    DateRow{NOW_WED, "today minus 3", "OK 2005-11-20 10:30:00"},
    DateRow{NOW_WED, "christmas - 2 days", "OK 2005-12-23 00:00:00"},
    DateRow{NOW_WED, "christmas + 1 weeks", "OK 2006-01-01 00:00:00"},
    DateRow{NOW_WED, "5 days + today", "OK 2005-11-28 10:30:00"},
    DateRow{NOW_WED, "2 weeks + christmas", "OK 2006-01-08 00:00:00"},
    DateRow{NOW_WED, "today+-3", "OK 2005-11-20 10:30:00"},
    DateRow{NOW_WED, "today - 3 + 1", "OK 2005-11-21 10:30:00"},  // " + " is tried first
    DateRow{NOW_WED, "today + tomorrow", "FAIL"},
    DateRow{NOW_WED, "someday + 3", "FAIL"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(CountedWeekdays, DatePhrase, ::testing::Values(
    DateRow{NOW_WED, "0 sundays ago", "OK 2005-11-22 10:30:00"},
    DateRow{NOW_WED, "1 sundays ago", "OK 2005-11-20 10:30:00"},
    DateRow{NOW_WED, "2 fridays ago", "OK 2005-11-11 10:30:00"},
    DateRow{NOW_WED, "1 tuesdays ago", "OK 2005-11-22 10:30:00"},
    DateRow{NOW_WED, "2 fridays from now", "OK 2005-12-02 10:30:00"},
    DateRow{NOW_WED, "1 wednesdays from today", "OK 2005-11-30 10:30:00"},
    DateRow{NOW_WED, "0 fridays from now", "OK 2005-11-24 10:30:00"},
    DateRow{NOW_WED, "29 sundays ago", "OK 2005-05-08 10:30:00"},
    DateRow{NOW_WED, "30 sundays ago", "FAIL"},  // beyond the 200-day search
    DateRow{NOW_WED, "-1 sundays ago", "FAIL"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(InUnits, DatePhrase, ::testing::Values(
    DateRow{NOW_WED, "in 10 days", "OK 2005-12-03 10:30:00"},
    DateRow{NOW_WED, "10 days", "OK 2005-12-03 10:30:00"},
    DateRow{NOW_WED, "in 2 weeks", "OK 2005-12-07 10:30:00"},
    DateRow{NOW_WED, "in 3 months", "OK 2006-02-23 00:00:00"},
    DateRow{NOW_WED, "in 1 months", "OK 2005-12-23 00:00:00"},
    DateRow{NOW_WED, "in 2 years", "OK 2007-11-23 00:00:00"},
    DateRow{"2004-02-29 10:00:00", "in 1 years", "OK 2005-03-29 00:00:00"},
    DateRow{NOW_WED, "in a month", "FAIL"},
    DateRow{NOW_WED, "in 1 month", "FAIL"},
    DateRow{NOW_WED, "days", "FAIL"}));
// clang-format on

// Where two stages could read a text, the earlier one decides.
// clang-format off
INSTANTIATE_TEST_SUITE_P(StageOrder, DatePhrase, ::testing::Values(
    // Stage 2 reads "CHRISTMAS - 30" as the base; stage 3 would have split at " - " first
    // and given 26 October.
    DateRow{NOW_WED, "1 months before christmas - 30", "OK 2005-10-25 00:00:00"},
    // The counted endings of stage 1 take only a lone count; a longer text ending so is a
    // distance from a base date, read by stage 2 (taken at its ending it was 2 days back).
    DateRow{NOW_WED, "2 days after 3 days ago", "OK 2005-11-22 10:30:00"},
    DateRow{NOW_WED, "2 days before 3 days from now", "OK 2005-11-24 10:30:00"},
    DateRow{NOW_WED, "3 days after 2 weeks ago", "OK 2005-11-12 10:30:00"},
    DateRow{NOW_WED, "1 weeks before 3 weeks from now", "OK 2005-12-07 10:30:00"},
    DateRow{NOW_WED, "2 months after 3 months ago", "OK 2005-10-23 00:00:00"},
    DateRow{NOW_WED, "1 years before 2 years from now", "OK 2006-11-23 00:00:00"},
    DateRow{NOW_WED, "a couple of days ago", "FAIL"},
    // The bare name is stage 1; NEXT is stage 5; with a year, stage 6.
    DateRow{"2005-12-26 09:00:00", "christmas", "OK 2005-12-25 00:00:00"},
    DateRow{"2005-12-26 09:00:00", "next christmas", "OK 2006-12-25 00:00:00"},
    DateRow{"2005-12-26 09:00:00", "christmas 2004", "OK 2004-12-25 00:00:00"},
    // Stage 1's counted form keeps the time; stage 7 ("in") too for days.
    DateRow{NOW_WED, "10 days from now", "OK 2005-12-03 10:30:00"}));
// clang-format on

} // namespace
