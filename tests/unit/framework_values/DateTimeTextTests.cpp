#include "framework/DateTime.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// United States English: month/day/year. Tests name it so that the machine's own user
// locale does not decide what they parse.
const LCID kEnglishUS = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);
const LCID kGerman = MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT);

struct FormatCase {
    const char* format;
    const char* expected;
};

TEST(COleDateTimeFormat, StrftimeCodes)
{
    const COleDateTime christmas(2005, 12, 25, 17, 5, 9);  // a Sunday, day 359
    const FormatCase cases[] = {
        {"%m/%d/%Y", "12/25/2005"}, {"%B %b", "December Dec"}, {"%A %a", "Sunday Sun"},
        {"%H:%M:%S", "17:05:09"},   {"%I %p", "05 PM"},        {"%j", "359"},
        {"%y", "05"},               {"%w", "0"},               {"%c", "12/25/05 17:05:09"},
        {"%x", "12/25/05"},         {"%X", "17:05:09"},        {"100%%", "100%"},
        {"%#d/%#m %#I", "25/12 5"}, {"%#x", "Sunday, December 25, 2005"},
        {"%#c", "Sunday, December 25, 2005, 17:05:09"},
        {"%U %W", "52 51"},         {"no codes", "no codes"},  {"", ""},
        {"%q %", "%q %"},           // unknown and unfinished codes stay as written
    };
    for (const FormatCase& c : cases)
        EXPECT_STREQ(c.expected, christmas.Format(c.format)) << '"' << c.format << '"';

    const COleDateTime early(2005, 1, 2, 0, 4, 3);  // Sunday 2 January, just after midnight
    const FormatCase earlyCases[] = {
        {"%#d %#m %#H %#M %#S %#j", "2 1 0 4 3 2"}, {"%d %m %j", "02 01 002"},
        {"%I %p", "12 AM"},                         {"%U %W", "01 00"},
    };
    for (const FormatCase& c : earlyCases)
        EXPECT_STREQ(c.expected, early.Format(c.format)) << '"' << c.format << '"';

    EXPECT_STREQ("12 PM", COleDateTime(2005, 1, 3, 12, 0, 0).Format("%I %p"));
    EXPECT_STREQ("01", COleDateTime(2005, 1, 3, 0, 0, 0).Format("%W"));  // first Monday
}

TEST(COleDateTimeFormat, MonthNamesAndOldYears)
{
    const char* const names[] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_STREQ(names[month - 1], COleDateTime(2000, month, 1, 0, 0, 0).Format("%B"));
    EXPECT_STREQ("12/29/1899 06:00", COleDateTime(-1.25).Format("%m/%d/%Y %H:%M"));
    EXPECT_STREQ("100 00", COleDateTime(100, 1, 1, 0, 0, 0).Format("%Y %y"));
}

TEST(COleDateTimeFormat, LongOutputIsNotCut)
{
    std::string format, expected;
    for (int i = 0; i < 60; ++i) {
        format += "%A, %B %d; ";
        expected += "Sunday, December 25; ";
    }
    EXPECT_STREQ(expected.c_str(), COleDateTime(2005, 12, 25, 0, 0, 0).Format(format.c_str()));
}

TEST(COleDateTimeFormat, StatusTexts)
{
    COleDateTime dt(38711.0);
    dt.SetStatus(COleDateTime::null);
    EXPECT_STREQ("", dt.Format("%Y"));
    EXPECT_STREQ("", dt.Format());
    dt.SetStatus(COleDateTime::invalid);
    EXPECT_STREQ("Invalid DateTime", dt.Format("%Y"));
    EXPECT_STREQ("Invalid DateTime", dt.Format());
    COleDateTimeSpan span(1.0);
    span.SetStatus(COleDateTimeSpan::invalid);
    EXPECT_STREQ("Invalid DateTimeSpan", span.Format("%D"));
}

TEST(COleDateTimeFormat, SystemFormatWithFlags)
{
    const COleDateTime dt(38711.75);
    EXPECT_STREQ("12/25/2005 6:00:00 PM", dt.Format(0, kEnglishUS));
    EXPECT_STREQ("12/25/2005", dt.Format(VAR_DATEVALUEONLY, kEnglishUS));
    EXPECT_STREQ("6:00:00 PM", dt.Format(VAR_TIMEVALUEONLY, kEnglishUS));
}

struct ParseCase {
    const char* text;
    DWORD flags;
    DATE expected;  // 0.0 with time-only text and date-only flag: the zero date
};

TEST(COleDateTimeParse, SystemParseWithFlags)
{
    const DATE christmas = 38711.0, fivePm = 17.0 / 24;
    const ParseCase cases[] = {
        {"12/25/2005", 0, christmas},
        {"12/25/2005", VAR_DATEVALUEONLY, christmas},
        {"12/25/2005", VAR_TIMEVALUEONLY, 0.0},
        {"5:00 PM", 0, fivePm},
        {"5:00 PM", VAR_TIMEVALUEONLY, fivePm},
        {"5:00 PM", VAR_DATEVALUEONLY, 0.0},  // succeeds: 1899-12-30
        {"12/25/2005 5:00 PM", 0, christmas + fivePm},
        {"12/25/2005 5:00 PM", VAR_DATEVALUEONLY, christmas},
        {"12/25/2005 5:00 PM", VAR_TIMEVALUEONLY, fivePm},
        {"Dec 25, 2005", 0, christmas},
        {"1/1/100", 0, -657434.0},
        {"12/31/9999", 0, 2958465.0},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" flags " << c.flags);
        COleDateTime dt(5.0);
        dt.SetStatus(COleDateTime::invalid);
        EXPECT_TRUE(dt.ParseDateTime(c.text, c.flags, kEnglishUS));
        EXPECT_EQ(COleDateTime::valid, dt.GetStatus());
        EXPECT_DOUBLE_EQ(c.expected, dt.m_dt);
    }
    COleDateTime zero;
    ASSERT_TRUE(zero.ParseDateTime("5:00 PM", VAR_DATEVALUEONLY, kEnglishUS));
    EXPECT_EQ(1899, zero.GetYear());
    EXPECT_EQ(12, zero.GetMonth());
    EXPECT_EQ(30, zero.GetDay());
}

TEST(COleDateTimeParse, FailureIsInvalidWithZeroValue)
{
    const char* const texts[] = {"next friday", "", "   ", "1/1/10000", "25.12.2005", "99999999999"};
    for (const char* text : texts) {
        for (DWORD flags : {DWORD(0), DWORD(VAR_DATEVALUEONLY)}) {
            SCOPED_TRACE(testing::Message() << '"' << text << "\" flags " << flags);
            COleDateTime dt(38711.0);
            EXPECT_FALSE(dt.ParseDateTime(text, flags, kEnglishUS));
            EXPECT_EQ(COleDateTime::invalid, dt.GetStatus());
            EXPECT_EQ(0.0, dt.m_dt);
            EXPECT_EQ(-1, dt.GetYear());
        }
    }
    COleDateTime dt;
    EXPECT_FALSE(dt.ParseDateTime(nullptr));
}

TEST(COleDateTimeParse, LocaleIsPassedThrough)
{
    COleDateTime dt;
    EXPECT_FALSE(dt.ParseDateTime("25.12.2005", 0, kEnglishUS));
    EXPECT_TRUE(dt.ParseDateTime("25.12.2005", 0, kGerman));
    EXPECT_EQ(38711.0, dt.m_dt);
    // The default locale is the user's; under the test prefix that is US English.
    if (::GetUserDefaultLCID() == kEnglishUS) {
        EXPECT_TRUE(dt.ParseDateTime("12/25/2005"));
        EXPECT_EQ(38711.0, dt.m_dt);
    }
}

}  // namespace
