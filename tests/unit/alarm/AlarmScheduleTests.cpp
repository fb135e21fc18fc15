// The alarm's arithmetic: the time list, the moment shown at opening, the moment OK stores,
// and the due test.
#include "alarm/AlarmSchedule.h"
#include "MomentText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

COleDateTime At(int y, int mo, int d, int h, int mi, int s = 0)
{
    return COleDateTime(y, mo, d, h, mi, s);
}

TEST(QuarterHourList, TextsOfChosenEntries)
{
    const struct {
        int nIndex;
        const char* pszText;
    } rows[] = {
        {0, "12:00 A.M."}, {1, "12:15 A.M."},  {3, "12:45 A.M."},  {4, "1:00 A.M."},
        {39, "9:45 A.M."}, {47, "11:45 A.M."}, {48, "12:00 P.M."}, {49, "12:15 P.M."},
        {52, "1:00 P.M."}, {94, "11:30 P.M."}, {95, "11:45 P.M."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(std::string(row.pszText), static_cast<LPCSTR>(QuarterHourText(row.nIndex)))
            << row.nIndex;
}

TEST(QuarterHourList, NoTextOutsideTheList)
{
    EXPECT_TRUE(QuarterHourText(-1).IsEmpty());
    EXPECT_TRUE(QuarterHourText(96).IsEmpty());
}

TEST(QuarterHourList, EveryEntryReadsBackAsItsOwnTime)
{
    for (int k = 0; k < kQuarterHours; ++k) {
        int nHour = -1, nMinute = -1;
        QuarterHourTime(k, nHour, nMinute);
        EXPECT_EQ(k, QuarterHourIndex(nHour, nMinute)) << k;
        EXPECT_EQ(0, nMinute % 15) << k;
        EXPECT_FALSE(QuarterHourText(k).IsEmpty()) << k;
    }
}

TEST(QuarterHourList, IndexOfTimesInsideAQuarter)
{
    EXPECT_EQ(36, QuarterHourIndex(9, 0));
    EXPECT_EQ(36, QuarterHourIndex(9, 7));
    EXPECT_EQ(36, QuarterHourIndex(9, 14));
    EXPECT_EQ(37, QuarterHourIndex(9, 15));
    EXPECT_EQ(95, QuarterHourIndex(23, 59));
}

TEST(QuarterHourList, SelectionsOutsideTheListAreClamped)
{
    int nHour = -1, nMinute = -1;
    QuarterHourTime(-1, nHour, nMinute); // no selection
    EXPECT_EQ(0, nHour);
    EXPECT_EQ(0, nMinute);
    QuarterHourTime(96, nHour, nMinute);
    EXPECT_EQ(23, nHour);
    EXPECT_EQ(45, nMinute);
}

TEST(ShownAlarm, FirstOpeningShowsTheQuarterHourAfterNow)
{
    const COleDateTime now = At(2026, 3, 4, 9, 7, 12);
    // The object was made a moment ago, so its moment is already in the past.
    const ShownAlarm shown = ChooseShownAlarm(At(2026, 3, 4, 9, 7, 5), now);
    EXPECT_TRUE(shown.bMoved);
    EXPECT_EQ(MomentText(now), MomentText(shown.alarmTime));
    EXPECT_EQ("2026-03-04 00:00:00", MomentText(shown.shownDate));
    EXPECT_EQ(std::string("9:15 A.M."), static_cast<LPCSTR>(QuarterHourText(shown.nIndex)));
}

TEST(ShownAlarm, ExpiredOnTheQuarterStillStepsToTheNextOne)
{
    const ShownAlarm shown = ChooseShownAlarm(At(2026, 3, 4, 8, 0), At(2026, 3, 4, 9, 0, 0));
    EXPECT_EQ(37, shown.nIndex); // 9:15 A.M.
}

TEST(ShownAlarm, AMomentEqualToNowIsNotMoved)
{
    const COleDateTime now = At(2026, 3, 4, 9, 0, 0);
    const ShownAlarm shown = ChooseShownAlarm(now, now);
    EXPECT_FALSE(shown.bMoved);
    EXPECT_EQ(36, shown.nIndex); // its own quarter-hour, 9:00 A.M.
    EXPECT_EQ(MomentText(now), MomentText(shown.alarmTime));
}

TEST(ShownAlarm, AFutureMomentShowsItsOwnDayAndEntry)
{
    const COleDateTime alarm = At(2026, 12, 24, 18, 45);
    const ShownAlarm shown = ChooseShownAlarm(alarm, At(2026, 3, 4, 9, 0));
    EXPECT_FALSE(shown.bMoved);
    EXPECT_EQ("2026-12-24 00:00:00", MomentText(shown.shownDate));
    EXPECT_EQ(std::string("6:45 P.M."), static_cast<LPCSTR>(QuarterHourText(shown.nIndex)));
}

// Regression: from 11:45 P.M. on the next quarter-hour was index 96, which selects nothing,
// and OK then armed 12:00 A.M. of today, an alarm in the past.
TEST(ShownAlarm, From1145PMOnTheNextDaysFirstEntryIsShown)
{
    const struct {
        COleDateTime now;
        const char* pszDay;
    } rows[] = {
        {At(2026, 3, 4, 23, 45, 0), "2026-03-05 00:00:00"},
        {At(2026, 3, 4, 23, 59, 59), "2026-03-05 00:00:00"},
        {At(2026, 12, 31, 23, 50, 0), "2027-01-01 00:00:00"},
        {At(2028, 2, 28, 23, 46, 0), "2028-02-29 00:00:00"},
    };
    for (const auto& row : rows) {
        const ShownAlarm shown = ChooseShownAlarm(At(2000, 1, 1, 0, 0), row.now);
        EXPECT_TRUE(shown.bMoved);
        EXPECT_EQ(0, shown.nIndex) << MomentText(row.now);
        EXPECT_EQ(row.pszDay, MomentText(shown.shownDate)) << MomentText(row.now);
    }
    // 11:44 P.M. is still today's last entry.
    const ShownAlarm shown = ChooseShownAlarm(At(2000, 1, 1, 0, 0), At(2026, 3, 4, 23, 44));
    EXPECT_EQ(95, shown.nIndex);
    EXPECT_EQ("2026-03-04 00:00:00", MomentText(shown.shownDate));
}

TEST(ShownAlarm, AnInvalidMomentIsTreatedAsExpired)
{
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    const COleDateTime now = At(2026, 3, 4, 10, 20);
    const ShownAlarm shown = ChooseShownAlarm(invalid, now);
    EXPECT_TRUE(shown.bMoved);
    EXPECT_EQ(MomentText(now), MomentText(shown.alarmTime));
    EXPECT_EQ(42, shown.nIndex); // 10:30 A.M.
}

TEST(MomentOnOK, TheChosenDayAtTheChosenEntrySecondZero)
{
    const COleDateTime day = At(2026, 5, 17, 13, 27, 44); // a time of day in the date is dropped
    EXPECT_EQ("2026-05-17 18:30:00", MomentText(MomentFromChoice(day, 74, At(2000, 1, 1, 0, 0))));
    EXPECT_EQ("2026-05-17 23:45:00", MomentText(MomentFromChoice(day, 95, At(2000, 1, 1, 0, 0))));
}

TEST(MomentOnOK, NoSelectionIsMidnightOfTheChosenDay)
{
    EXPECT_EQ("2026-05-17 00:00:00",
              MomentText(MomentFromChoice(At(2026, 5, 17, 0, 0), -1, At(2000, 1, 1, 0, 0))));
}

TEST(MomentOnOK, NoDateKeepsThePreviousMoment)
{
    COleDateTime noDate;
    noDate.SetStatus(COleDateTime::invalid);
    const COleDateTime previous = At(2026, 5, 17, 7, 15);
    EXPECT_EQ(MomentText(previous), MomentText(MomentFromChoice(noDate, 10, previous)));
}

TEST(DueTest, OnlyAnArmedMomentNotLaterThanNowIsDue)
{
    const COleDateTime now = At(2026, 5, 17, 7, 15, 10);
    COleDateTime invalid = now;
    invalid.SetStatus(COleDateTime::invalid);
    const struct {
        int nOnOff;
        COleDateTime alarm;
        bool bDue;
    } rows[] = {
        {0, At(2026, 5, 17, 7, 15, 0), true},
        {0, now, true}, // equal to now is due
        {0, At(2026, 5, 17, 7, 15, 11), false},
        {0, At(2020, 1, 1, 0, 0), true},
        {1, At(2020, 1, 1, 0, 0), false}, // Off never fires
        {1, now, false},
        {0, invalid, false}, // no moment is never due
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.bDue, IsAlarmDue(row.nOnOff, row.alarm, now))
            << row.nOnOff << " " << MomentText(row.alarm);
}

TEST(DueTest, ADueAlarmFiresOnceAndIsOffAfterwards)
{
    int nOnOff = 0;
    const COleDateTime alarm = At(2026, 5, 17, 7, 15);
    EXPECT_TRUE(TakeDueAlarm(nOnOff, alarm, At(2026, 5, 17, 7, 15, 14)));
    EXPECT_EQ(1, nOnOff);
    EXPECT_FALSE(TakeDueAlarm(nOnOff, alarm, At(2026, 5, 17, 7, 15, 29)));
    EXPECT_EQ(1, nOnOff);
}

TEST(DueTest, AnAlarmNotYetDueStaysArmed)
{
    int nOnOff = 0;
    EXPECT_FALSE(TakeDueAlarm(nOnOff, At(2026, 5, 17, 7, 30), At(2026, 5, 17, 7, 15)));
    EXPECT_EQ(0, nOnOff);
}

} // namespace
