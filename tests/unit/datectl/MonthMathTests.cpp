#include "datectl/MonthMath.h"

#include "GeometryPrinters.h"

#include <gtest/gtest.h>

namespace {

struct MonthStep {
    YearMonth from;
    int nDelta;
    YearMonth expected;
};

TEST(MonthMath, AddMonthsCrossesYearsBothWays)
{
    const MonthStep steps[] = {
        {{1, 2024}, -1, {12, 2023}}, {{12, 2023}, 1, {1, 2024}},  {{11, 2023}, 3, {2, 2024}},
        {{3, 2024}, -15, {12, 2022}}, {{6, 2024}, 0, {6, 2024}},  {{1, 100}, -1, {12, 99}},
        {{12, 9999}, 1, {1, 10000}},  {{7, 2024}, 24, {7, 2026}}, {{1, 2000}, -12, {1, 1999}},
    };
    for (const MonthStep& s : steps) {
        EXPECT_EQ(s.expected, AddMonths(s.from, s.nDelta))
            << s.from.nMonth << "/" << s.from.nYear << " + " << s.nDelta;
    }
}

TEST(MonthMath, AddMonthsClampedStopsAtTheYearLimits)
{
    const MonthStep steps[] = {
        {{2, 100}, -1, {1, 100}},     {{2, 100}, -5, {1, 100}},  {{1, 100}, -1, {1, 100}},
        {{11, 9999}, 1, {12, 9999}},  {{11, 9999}, 7, {12, 9999}}, {{12, 9999}, 2, {12, 9999}},
        {{6, 2024}, -2, {4, 2024}},   {{12, 101}, -12, {12, 100}},
    };
    for (const MonthStep& s : steps) {
        EXPECT_EQ(s.expected, AddMonthsClamped(s.from, s.nDelta))
            << s.from.nMonth << "/" << s.from.nYear << " + " << s.nDelta;
    }
}

TEST(MonthMath, FirstOfMonthSerialMatchesTheDateType)
{
    const YearMonth months[] = {{1, 1900}, {3, 1900}, {2, 2000}, {3, 2000}, {3, 2024},
                                {12, 1899}, {1, 100},  {3, 1600}, {12, 9999}, {2, 1582}};
    for (const YearMonth& ym : months) {
        const COleDateTime first(ym.nYear, ym.nMonth, 1, 0, 0, 0);
        ASSERT_EQ(COleDateTime::valid, first.GetStatus());
        EXPECT_EQ(static_cast<long>(first.m_dt), FirstOfMonthSerial(ym))
            << ym.nMonth << "/" << ym.nYear;
    }
}

TEST(MonthMath, GridStartsOnTheSundayOnOrBeforeTheFirst)
{
    struct Case {
        YearMonth month;
        int nLeadingDays; // days of the month before shown in the first week
    };
    const Case cases[] = {
        {{9, 2024}, 0},  // starts on a Sunday: no leading days
        {{6, 2025}, 0},  // also a Sunday
        {{2, 2015}, 0},  // a Sunday February that fills exactly four weeks
        {{3, 2024}, 5},  // Friday
        {{6, 2024}, 6},  // Saturday
        {{1, 2024}, 1},  // Monday
        {{12, 1899}, 5}, // before the epoch: Friday
    };
    for (const Case& c : cases) {
        const long nFirst = FirstOfMonthSerial(c.month);
        const long nGrid = FirstGridSerial(c.month);
        EXPECT_EQ(c.nLeadingDays, nFirst - nGrid) << c.month.nMonth << "/" << c.month.nYear;
        EXPECT_EQ(1, DateFromSerial(nGrid).GetDayOfWeek()) << "grid starts on a Sunday";
    }
}

TEST(MonthMath, DaySerialIgnoresTheTimeOfDayOnBothSidesOfTheEpoch)
{
    EXPECT_EQ(45366, DaySerial(COleDateTime(2024, 3, 15, 23, 59, 0)));
    EXPECT_EQ(45366, DaySerial(COleDateTime(2024, 3, 15, 0, 0, 0)));
    EXPECT_EQ(-1, DaySerial(COleDateTime(1899, 12, 29, 18, 0, 0)));
    EXPECT_EQ(-1, DaySerial(COleDateTime(1899, 12, 29, 0, 0, 0)));
}

TEST(MonthMath, DatesOutsideTheTypesRangeAreInvalid)
{
    EXPECT_EQ(COleDateTime::valid, DateFromSerial(FirstOfMonthSerial({1, 100})).GetStatus());
    EXPECT_EQ(COleDateTime::invalid,
              DateFromSerial(FirstOfMonthSerial({1, 100}) - 1).GetStatus());
    EXPECT_EQ(COleDateTime::valid, DateFromSerial(FirstOfMonthSerial({12, 9999}) + 30).GetStatus());
    EXPECT_EQ(COleDateTime::invalid,
              DateFromSerial(FirstOfMonthSerial({12, 9999}) + 31).GetStatus());
}

} // namespace
