// Kept alarms without a file: the moment's text form, what counts as a damaged section, what
// a note does with a kept alarm at start, and which alarms are kept.
#include "alarm/KeptAlarm.h"
#include "MomentText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(KeptAlarmMoment, ParsesOnlyTheExactFormInTheKeptYears)
{
    const struct {
        const char* pszText;
        const char* pszMoment; // nullptr: refused
    } rows[] = {
        {"2026-12-09 21:15", "2026-12-09 21:15:00"},
        {"2026-12-09 21:07", "2026-12-09 21:07:00"}, // any minute, not only quarter-hours
        {"2028-02-29 00:00", "2028-02-29 00:00:00"},
        {"0100-01-01 00:00", "100-01-01 00:00:00"}, // Format writes no leading zero
        {"9998-12-31 23:59", "9998-12-31 23:59:00"},
        {"9999-01-01 09:00", nullptr}, // no next day for the dialog at the year's end
        {"0099-12-31 23:59", nullptr},
        {"0000-01-01 00:00", nullptr},
        {"2026-02-29 09:00", nullptr},
        {"2026-13-01 09:00", nullptr},
        {"2026-00-10 09:00", nullptr},
        {"2026-12-00 09:00", nullptr},
        {"2026-12-09 24:00", nullptr},
        {"2026-12-09 12:60", nullptr},
        {"2026-12-9 21:15", nullptr},
        {"2026-12-09 21:15:00", nullptr},
        {"2026-12-09T21:15", nullptr},
        {"2026/12/09 21:15", nullptr},
        {"12/09/2026 9:15", nullptr},
        {"2026-12-09 21:1x", nullptr},
        {"+026-12-09 21:15", nullptr},
        {"", nullptr},
        {"tomorrow", nullptr},
    };
    for (const auto& row : rows) {
        COleDateTime moment(2001, 1, 1, 1, 1, 1);
        const bool bParsed = ParseAlarmMoment(row.pszText, moment);
        EXPECT_EQ(row.pszMoment != nullptr, bParsed) << row.pszText;
        const char* pszExpected = row.pszMoment ? row.pszMoment : "2001-01-01 01:01:01";
        EXPECT_EQ(pszExpected, MomentText(moment)) << row.pszText << " (a refused text keeps it)";
    }
    COleDateTime moment;
    EXPECT_FALSE(ParseAlarmMoment(nullptr, moment));
}

TEST(KeptAlarmMoment, FormatsWhatParsesBackAndNothingItCouldNotKeep)
{
    const COleDateTime kept[] = {
        COleDateTime(2026, 12, 9, 21, 15, 0),
        COleDateTime(100, 1, 1, 0, 0, 0),
        COleDateTime(9998, 12, 31, 23, 45, 0),
    };
    for (const COleDateTime& moment : kept) {
        COleDateTime back;
        ASSERT_TRUE(ParseAlarmMoment(FormatAlarmMoment(moment), back)) << MomentText(moment);
        EXPECT_EQ(MomentText(moment), MomentText(back));
    }
    EXPECT_STREQ("2026-03-04 09:05", FormatAlarmMoment(COleDateTime(2026, 3, 4, 9, 5, 0)));
    EXPECT_TRUE(FormatAlarmMoment(COleDateTime(9999, 1, 1, 0, 0, 0)).IsEmpty());
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_TRUE(FormatAlarmMoment(invalid).IsEmpty());
}

TEST(KeptAlarmSection, DamagedWhenAKeyIsMissingOrAValueUnknown)
{
    const char* kMoment = "2026-12-09 21:15";
    const struct {
        const char* pszMoment;
        const char* pszBeep;
        const char* pszShake;
        bool bValid;
    } rows[] = {
        {kMoment, "0", "1", true},      {kMoment, "1", "0", true},
        {kMoment, "1", "1", true},      {nullptr, "0", "1", false},
        {kMoment, nullptr, "1", false}, {kMoment, "0", nullptr, false},
        {kMoment, "2", "1", false},     {kMoment, "0", "yes", false},
        {kMoment, "", "1", false},      {kMoment, "01", "1", false},
        {"soon", "0", "1", false},      {"9999-12-31 23:45", "0", "1", false},
    };
    for (const auto& row : rows) {
        KeptAlarm alarm;
        alarm.bBeep = 7;
        EXPECT_EQ(row.bValid, ParseKeptAlarm(row.pszMoment, row.pszBeep, row.pszShake, alarm))
            << (row.pszMoment ? row.pszMoment : "-") << " " << (row.pszBeep ? row.pszBeep : "-")
            << " " << (row.pszShake ? row.pszShake : "-");
        if (row.bValid) {
            EXPECT_EQ(row.pszBeep[0] - '0', alarm.bBeep);
            EXPECT_EQ(row.pszShake[0] - '0', alarm.bShake);
        } else {
            EXPECT_EQ(7, alarm.bBeep) << "a damaged section must leave the alarm alone";
        }
    }
}

TEST(KeptAlarmAtStartup, DecisionByChoiceSectionAndMoment)
{
    const COleDateTime now(2026, 12, 9, 21, 0, 0);
    using S = AlarmSection;
    using D = KeptAlarmAtStart;
    const struct {
        bool bKeep;
        AlarmSection section;
        COleDateTime moment;
        KeptAlarmAtStart expected;
    } rows[] = {
        {true, S::Absent, now, D::None},
        {false, S::Absent, now, D::None},
        {false, S::Valid, COleDateTime(2026, 12, 10, 9, 0, 0), D::Remove},
        {false, S::Damaged, now, D::Remove},
        {true, S::Damaged, now, D::None},
        {true, S::Valid, COleDateTime(2026, 12, 9, 21, 1, 0), D::Arm},
        {true, S::Valid, now, D::Missed}, // due at its own second, as the due test says
        {true, S::Valid, COleDateTime(2026, 12, 9, 20, 59, 0), D::Missed},
        {true, S::Valid, COleDateTime(2025, 1, 1, 0, 0, 0), D::Missed},
    };
    for (const auto& row : rows) {
        KeptAlarm alarm;
        alarm.moment = row.moment;
        EXPECT_EQ(row.expected, DecideAtStart(row.bKeep, row.section, alarm, now))
            << row.bKeep << " " << static_cast<int>(row.section) << " " << MomentText(row.moment);
    }
}

TEST(KeptAlarmChange, KeptOnlyWhenChosenArmedAndStorable)
{
    const COleDateTime moment(2026, 12, 10, 9, 0, 0);
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_TRUE(ShouldKeep(true, 0, moment));
    EXPECT_FALSE(ShouldKeep(false, 0, moment));
    EXPECT_FALSE(ShouldKeep(true, 1, moment));
    EXPECT_FALSE(ShouldKeep(true, 0, invalid));
    EXPECT_FALSE(ShouldKeep(true, 0, COleDateTime(9999, 6, 1, 0, 0, 0)));
}

TEST(OnOffAfterOK, AnAlarmThatFiredDuringTheOpeningIsNotArmedAgain)
{
    const COleDateTime now(2026, 12, 9, 21, 0, 20);
    const COleDateTime past(2026, 12, 9, 21, 0, 0), future(2026, 12, 9, 21, 15, 0);
    const struct {
        int nChosen;
        bool bFired;
        COleDateTime moment;
        int nStored;
    } rows[] = {
        {0, true, past, 1},   // the mended fault: it fired, OK would arm it again
        {0, true, now, 1},    // due at its own second
        {0, true, future, 0}, // a new moment chosen after the firing
        {1, true, past, 1},    {0, false, past, 0}, // a past moment chosen on purpose still fires
        {1, false, future, 1}, {0, false, future, 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.nStored, OnOffAfterOK(row.nChosen, row.bFired, row.moment, now))
            << row.nChosen << " " << row.bFired << " " << MomentText(row.moment);
}

} // namespace
