#include "framework/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>

namespace {

const double kSecond = 1.0 / 86400;

struct Fields {
    int year, month, day, hour, minute, second, dayOfWeek;
};

void ExpectFields(const Fields& f, const COleDateTime& dt)
{
    EXPECT_EQ(f.year, dt.GetYear());
    EXPECT_EQ(f.month, dt.GetMonth());
    EXPECT_EQ(f.day, dt.GetDay());
    EXPECT_EQ(f.hour, dt.GetHour());
    EXPECT_EQ(f.minute, dt.GetMinute());
    EXPECT_EQ(f.second, dt.GetSecond());
    EXPECT_EQ(f.dayOfWeek, dt.GetDayOfWeek());
}

struct SerialCase {
    DATE serial;
    Fields fields;
};

TEST(COleDateTimeSerial, SplitsAroundTheZeroPoint)
{
    const SerialCase cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0, 7}},       // the zero point is a Saturday
        {0.75, {1899, 12, 30, 18, 0, 0, 7}},
        {-0.5, {1899, 12, 30, 12, 0, 0, 7}},     // the same moment as 0.5
        {1.0, {1899, 12, 31, 0, 0, 0, 1}},
        {2.0, {1900, 1, 1, 0, 0, 0, 2}},
        {-1.0, {1899, 12, 29, 0, 0, 0, 6}},
        {-1.25, {1899, 12, 29, 6, 0, 0, 6}},     // negative day, positive time
        {-1.75, {1899, 12, 29, 18, 0, 0, 6}},
        {-2.5, {1899, 12, 28, 12, 0, 0, 5}},
        {-36522.0, {1800, 1, 1, 0, 0, 0, 4}},
        {60.0, {1900, 2, 28, 0, 0, 0, 4}},
        {61.0, {1900, 3, 1, 0, 0, 0, 5}},        // 1900 has no 29 February
        {25569.0, {1970, 1, 1, 0, 0, 0, 5}},
        {36526.0, {2000, 1, 1, 0, 0, 0, 7}},
        {36585.0, {2000, 2, 29, 0, 0, 0, 3}},
        {36586.0, {2000, 3, 1, 0, 0, 0, 4}},
        {38711.0 + 17.5 / 24, {2005, 12, 25, 17, 30, 0, 1}},
        {-657434.0, {100, 1, 1, 0, 0, 0, 6}},
        {-657434.5, {100, 1, 1, 12, 0, 0, 6}},
        {2958465.0, {9999, 12, 31, 0, 0, 0, 6}},
        {2958465.5, {9999, 12, 31, 12, 0, 0, 6}},  // the last day keeps its hours
    };
    for (const SerialCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "DATE " << c.serial);
        ExpectFields(c.fields, COleDateTime(c.serial));
    }
}

TEST(COleDateTimeSerial, RoundsToTheNearestSecond)
{
    const SerialCase cases[] = {
        {0.5 + 0.49 * kSecond, {1899, 12, 30, 12, 0, 0, 7}},
        {0.5 + 0.51 * kSecond, {1899, 12, 30, 12, 0, 1, 7}},
        {1.0 - 0.4 * kSecond, {1899, 12, 31, 0, 0, 0, 1}},     // carries into the next day
        {38712.0 - 0.3 * kSecond, {2005, 12, 26, 0, 0, 0, 2}},
        {-1.25 - 0.6 * kSecond, {1899, 12, 29, 6, 0, 1, 6}},
        {-1.25 - 0.4 * kSecond, {1899, 12, 29, 6, 0, 0, 6}},
        // 23:59:59.99 on 1899-12-29 rounds to the zero point, not back to the 28th.
        {-2.0 + 0.01 * kSecond, {1899, 12, 30, 0, 0, 0, 7}},
    };
    for (const SerialCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::setprecision(12) << "DATE " << c.serial);
        ExpectFields(c.fields, COleDateTime(c.serial));
    }
}

TEST(COleDateTimeSerial, DayByDayAcrossCenturiesAndTheZeroPoint)
{
    // Every day must follow its predecessor by one in the value, the weekday and the fields.
    const int starts[][3] = {{100, 1, 1}, {1895, 1, 1}, {1999, 12, 1}, {9995, 1, 1}};
    for (const auto& start : starts) {
        COleDateTime day(start[0], start[1], start[2], 0, 0, 0);
        ASSERT_EQ(COleDateTime::valid, day.GetStatus());
        for (int i = 0; i < 5 * 366; ++i) {
            COleDateTime next = day + COleDateTimeSpan(1, 0, 0, 0);
            if (day.GetYear() == 9999 && day.GetMonth() == 12 && day.GetDay() == 31) {
                EXPECT_EQ(COleDateTime::invalid, next.GetStatus());
                break;
            }
            ASSERT_EQ(COleDateTime::valid, next.GetStatus());
            EXPECT_EQ(day.GetDayOfWeek() % 7 + 1, next.GetDayOfWeek());
            COleDateTime rebuilt(next.GetYear(), next.GetMonth(), next.GetDay(), 0, 0, 0);
            ASSERT_EQ(next.m_dt, rebuilt.m_dt) << next.GetYear() << "-" << next.GetMonth() << "-"
                                               << next.GetDay();
            const bool newYear = next.GetMonth() == 1 && next.GetDay() == 1;
            EXPECT_EQ(newYear ? 1 : day.GetDayOfYear() + 1, next.GetDayOfYear());
            day = next;
        }
    }
}

struct SetCase {
    int year, month, day, hour, minute, second;
    bool accepted;
};

TEST(COleDateTimeSet, RefusesWhatTheTypeCannotHold)
{
    const SetCase cases[] = {
        {2000, 2, 29, 0, 0, 0, true},    {2004, 2, 29, 0, 0, 0, true},
        {1900, 2, 29, 0, 0, 0, false},   {2100, 2, 29, 0, 0, 0, false},
        {2001, 2, 29, 0, 0, 0, false},   {2005, 2, 30, 0, 0, 0, false},
        {2005, 4, 31, 0, 0, 0, false},   {2005, 1, 0, 0, 0, 0, false},
        {2005, 13, 1, 0, 0, 0, false},   {2005, 0, 1, 0, 0, 0, false},
        {99, 12, 31, 0, 0, 0, false},    {100, 1, 1, 0, 0, 0, true},
        {9999, 12, 31, 23, 59, 59, true}, {10000, 1, 1, 0, 0, 0, false},
        {-1, 1, 1, 0, 0, 0, false},      {2005, 1, 1, 24, 0, 0, false},
        {2005, 1, 1, 0, 60, 0, false},   {2005, 1, 1, 0, 0, 60, false},
        {2005, 1, 1, -1, 0, 0, false},   {2005, 1, 1, 23, 59, 59, true},
    };
    for (const SetCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " "
                                        << c.hour << ":" << c.minute << ":" << c.second);
        COleDateTime dt(12345.5);
        const int result = dt.SetDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second);
        EXPECT_EQ(c.accepted ? 0 : 1, result);
        EXPECT_EQ(c.accepted ? COleDateTime::valid : COleDateTime::invalid, dt.GetStatus());
        if (c.accepted) {
            ExpectFields({c.year, c.month, c.day, c.hour, c.minute, c.second, dt.GetDayOfWeek()}, dt);
        } else {
            EXPECT_EQ(12345.5, dt.m_dt);  // a refused value leaves the date alone
            EXPECT_EQ(AFX_OLE_DATETIME_ERROR, dt.GetYear());
        }
    }
}

TEST(COleDateTimeSet, DateAndTimeHalves)
{
    COleDateTime dt;
    EXPECT_EQ(COleDateTime::valid, dt.GetStatus());
    EXPECT_EQ(0.0, dt.m_dt);
    EXPECT_EQ(0, dt.SetTime(17, 0, 0));
    EXPECT_DOUBLE_EQ(17.0 / 24, dt.m_dt);
    EXPECT_EQ(0, dt.SetDate(2005, 12, 25));
    EXPECT_EQ(38711.0, dt.m_dt);
    EXPECT_EQ(1, dt.SetTime(25, 0, 0));
    EXPECT_EQ(1, dt.SetDate(1800, 2, 29));
    EXPECT_EQ(366, COleDateTime(2000, 12, 31, 0, 0, 0).GetDayOfYear());
    EXPECT_EQ(365, COleDateTime(1900, 12, 31, 0, 0, 0).GetDayOfYear());
    EXPECT_EQ(61, COleDateTime(2000, 3, 1, 0, 0, 0).GetDayOfYear());
}

TEST(COleDateTimeInvalid, GettersAnswerTheErrorValue)
{
    COleDateTime marked(38711.0);
    marked.SetStatus(COleDateTime::invalid);
    const COleDateTime cases[] = {
        marked,
        COleDateTime(-657435.0),  // 0099-12-31
        COleDateTime(2958466.0),  // 10000-01-01
        COleDateTime(2958466.0 - 0.4 * kSecond),  // rounds into year 10000
        COleDateTime(1e300),
        COleDateTime(std::numeric_limits<double>::quiet_NaN()),
    };
    for (const COleDateTime& dt : cases) {
        SCOPED_TRACE(testing::Message() << "DATE " << dt.m_dt);
        ExpectFields({-1, -1, -1, -1, -1, -1, -1}, dt);
        EXPECT_EQ(-1, dt.GetDayOfYear());
        EXPECT_STREQ("Invalid DateTime", dt.Format("%m/%d/%Y"));
    }
}

TEST(COleDateTimeArithmetic, SpansAcrossTheZeroPoint)
{
    struct {
        DATE start;
        double span;
        DATE expected;
    } const cases[] = {
        {-1.25, 0.5, -1.75},   // 06:00 + 12 h on the same negative day
        {-1.75, 0.5, 0.25},    // over midnight into the zero day
        {0.25, -0.5, -1.75},
        {-2.5, 2.0, 0.5},
        {1.5, -3.0, -2.5},
        {36584.0, 1.0, 36585.0},  // 2000-02-28 -> 29
        {59.0 + 0.5, 1.0, 60.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " + " << c.span);
        COleDateTime dt(c.start);
        EXPECT_DOUBLE_EQ(c.expected, (dt + COleDateTimeSpan(c.span)).m_dt);
        EXPECT_DOUBLE_EQ(c.start, (COleDateTime(c.expected) - COleDateTimeSpan(c.span)).m_dt);
        EXPECT_DOUBLE_EQ(c.span, (COleDateTime(c.expected) - dt).m_span);
        dt += COleDateTimeSpan(c.span);
        EXPECT_DOUBLE_EQ(c.expected, dt.m_dt);
        dt -= COleDateTimeSpan(c.span);
        EXPECT_DOUBLE_EQ(c.start, dt.m_dt);
    }
}

TEST(COleDateTimeArithmetic, InvalidSpreadsAndOverflowIsInvalid)
{
    COleDateTime bad(38711.0);
    bad.SetStatus(COleDateTime::invalid);
    COleDateTimeSpan badSpan(1.0);
    badSpan.SetStatus(COleDateTimeSpan::invalid);
    const COleDateTime good(38711.0);
    const COleDateTimeSpan day(1.0);

    EXPECT_EQ(COleDateTime::invalid, (bad + day).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, (bad - day).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, (good + badSpan).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (good - bad).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (bad - good).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (day + badSpan).GetStatus());
    EXPECT_EQ(-1, (bad + day).GetDay());
    COleDateTime sum = good;
    sum += badSpan;
    EXPECT_EQ(COleDateTime::invalid, sum.GetStatus());

    COleDateTime nothing;
    nothing.SetStatus(COleDateTime::null);
    EXPECT_EQ(COleDateTime::null, (nothing + day).GetStatus());

    EXPECT_EQ(COleDateTime::invalid, (COleDateTime(9999, 12, 31, 12, 0, 0) + day).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, (COleDateTime(100, 1, 1, 0, 0, 0) - COleDateTimeSpan(0.5)).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (COleDateTimeSpan(3e6) + COleDateTimeSpan(1e6)).GetStatus());
}

TEST(COleDateTimeCompare, OrdersByMomentNotBySerial)
{
    // Chronological order; the serials are not sorted below zero.
    const DATE ordered[] = {-2.0, -2.5, -1.0, -1.25, -1.75, 0.0, 0.25, 1.0, 38711.0};
    const int n = sizeof ordered / sizeof ordered[0];
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            SCOPED_TRACE(testing::Message() << ordered[i] << " vs " << ordered[j]);
            const COleDateTime a(ordered[i]), b(ordered[j]);
            EXPECT_EQ(i < j, a < b);
            EXPECT_EQ(i > j, a > b);
            EXPECT_EQ(i <= j, a <= b);
            EXPECT_EQ(i >= j, a >= b);
            EXPECT_EQ(i == j, a == b);
            EXPECT_EQ(i != j, a != b);
        }
    }
    COleDateTime marked(0.0);
    marked.SetStatus(COleDateTime::invalid);
    EXPECT_FALSE(marked == COleDateTime(0.0));  // equality includes the status
}

TEST(COleDateTimeSpan, ComponentsRoundToTheSecond)
{
    struct {
        double span;
        long days, hours, minutes, seconds;
    } const cases[] = {
        {14.0 / 24, 0, 14, 0, 0},         // 0.58333.. * 24 must not come out as 13
        {1.0 + 12.0 / 24, 1, 12, 0, 0},
        {-1.5, -1, -12, 0, 0},
        {1.0 - 0.2 * kSecond, 1, 0, 0, 0},
        {(3600.0 + 61) * kSecond, 0, 1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.span);
        const COleDateTimeSpan s(c.span);
        EXPECT_EQ(c.days, s.GetDays());
        EXPECT_EQ(c.hours, s.GetHours());
        EXPECT_EQ(c.minutes, s.GetMinutes());
        EXPECT_EQ(c.seconds, s.GetSeconds());
    }
    const COleDateTimeSpan built(1, 25, 61, 3661);
    EXPECT_DOUBLE_EQ(1.0 + 25.0 / 24 + 61.0 / 1440 + 3661.0 / 86400, built.GetTotalDays());
    EXPECT_EQ(2, built.GetDays());
    EXPECT_EQ(3, built.GetHours());
    EXPECT_EQ(2, built.GetMinutes());
    EXPECT_EQ(1, built.GetSeconds());
    EXPECT_DOUBLE_EQ(36.0, COleDateTimeSpan(1.5).GetTotalHours());
    EXPECT_TRUE(COleDateTimeSpan(-0.5) < COleDateTimeSpan(0.25));
    EXPECT_STREQ("2 03:02:01", built.Format("%D %H:%M:%S"));
    EXPECT_STREQ("-0 12:00 100%", COleDateTimeSpan(-0.5).Format("%D %H:%M 100%%"));
}

}  // namespace
