#include "datectl/CalendarState.h"
#include "framework/Clock.h"

#include "GeometryPrinters.h"
#include "TestDates.h"

#include <gtest/gtest.h>

namespace {

TEST(CalendarState, StartsOnTodaysMonthWithNoSelection)
{
    CFixedClock clock(COleDateTime(2024, 5, 20, 15, 30, 0));
    MonthCalendarState state;
    EXPECT_EQ((YearMonth{5, 2024}), state.GetShownMonth());
    EXPECT_EQ(1, state.GetBlockCount());
    EXPECT_STREQ("none", DateText(state.GetSelection()));
    EXPECT_STREQ("Tahoma", state.m_fontDay.m_strFace);
    EXPECT_EQ(8, state.m_fontHeader.m_nPointSize);
    EXPECT_TRUE(state.m_fontHeader.m_bBold && state.m_fontSpecialDay.m_bBold);
    EXPECT_FALSE(state.m_fontDay.m_bBold || state.m_fontWeekday.m_bBold);
    EXPECT_STREQ("January", state.GetMonthName(1));
    EXPECT_STREQ("December", state.GetMonthName(12));
}

TEST(CalendarState, FontSettersIgnoreSizesOutside1To72AndMissingFaces)
{
    struct Case {
        const char* face;
        int nSize;
        bool bTaken;
    };
    const Case cases[] = {{"Arial", 1, true},  {"Arial", 72, true}, {"Arial", 0, false},
                          {"Arial", 73, false}, {"Arial", -8, false}, {nullptr, 10, false},
                          {"", 10, false}};
    using Setter = void (MonthCalendarState::*)(LPCSTR, int, BOOL, BOOL, BOOL, COLORREF);
    const std::pair<Setter, FontSpec MonthCalendarState::*> setters[] = {
        {&MonthCalendarState::SetHeaderFont, &MonthCalendarState::m_fontHeader},
        {&MonthCalendarState::SetWeekdayFont, &MonthCalendarState::m_fontWeekday},
        {&MonthCalendarState::SetDayFont, &MonthCalendarState::m_fontDay},
        {&MonthCalendarState::SetSpecialDayFont, &MonthCalendarState::m_fontSpecialDay},
    };
    for (const auto& setter : setters) {
        for (const Case& c : cases) {
            MonthCalendarState state;
            state.m_bFontsCreated = 1;
            state.m_bMetricsValid = 1;
            (state.*setter.first)(c.face, c.nSize, TRUE, TRUE, FALSE, RGB(1, 2, 3));
            const FontSpec& fontSpec = state.*setter.second;
            EXPECT_EQ(c.bTaken ? c.nSize : 8, fontSpec.m_nPointSize) << c.nSize;
            EXPECT_EQ(c.bTaken ? RGB(1, 2, 3) : GetSysColor(COLOR_BTNTEXT), fontSpec.m_crText);
            EXPECT_EQ(c.bTaken ? 0 : 1, state.m_bFontsCreated) << "a taken font is remade";
            EXPECT_EQ(c.bTaken ? 0 : 1, state.m_bMetricsValid) << "and measured again";
        }
    }
}

TEST(CalendarState, OtherSettersIgnoreOutOfRangeValues)
{
    MonthCalendarState state;
    state.SetShownMonth(6, 2024);

    state.SetShownMonth(0, 2031); // only the year
    EXPECT_EQ((YearMonth{6, 2031}), state.GetShownMonth());
    state.SetShownMonth(13, 99); // neither
    EXPECT_EQ((YearMonth{6, 2031}), state.GetShownMonth());
    state.SetShownMonth(2, 10000); // only the month
    EXPECT_EQ((YearMonth{2, 2031}), state.GetShownMonth());
    state.SetShownMonth(12, 9999);
    EXPECT_EQ((YearMonth{12, 9999}), state.GetShownMonth());
    state.SetShownMonth(1, 100);
    EXPECT_EQ((YearMonth{1, 100}), state.GetShownMonth());

    const int layouts[][3] = {{0, 1, 0}, {1, 0, 0}, {100, 1, 0}, {1, 100, 0},
                              {-1, 5, 0}, {3, 4, 1},  {99, 1, 1}};
    for (const auto& l : layouts) {
        MonthCalendarState s;
        s.SetLayout(l[0], l[1]);
        EXPECT_EQ(l[2] ? l[0] * l[1] : 1, s.GetBlockCount()) << l[0] << "x" << l[1];
        EXPECT_EQ(l[2] ? l[0] : 1, s.m_nRows);
        EXPECT_EQ(l[2] ? l[1] : 1, s.m_nCols);
    }

    const int minSizes[][2] = {{-1, 5}, {73, 5}, {0, 0}, {72, 72}};
    for (const auto& m : minSizes) {
        MonthCalendarState s;
        s.SetMinFontSize(m[0]);
        EXPECT_EQ(m[1], s.m_nMinFontSize) << m[0];
    }

    state.SetMonthName(0, "Nope");
    state.SetMonthName(13, "Nope");
    state.SetMonthName(3, "Marzo");
    state.SetMonthName(4, nullptr);
    EXPECT_STREQ("", state.GetMonthName(0));
    EXPECT_STREQ("", state.GetMonthName(13));
    EXPECT_STREQ("Marzo", state.GetMonthName(3));
    EXPECT_STREQ("April", state.GetMonthName(4));

    state.SetFaceName(nullptr);
    state.SetFaceName("");
    EXPECT_STREQ("Tahoma", state.m_strFaceName);
    state.SetFaceName("Arial");
    EXPECT_STREQ("Arial", state.m_strFaceName);
}

TEST(CalendarState, CreateStyleBitsSetTheirMembers)
{
    MonthCalendarState plain;
    plain.ApplyCreateStyle(WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(0, plain.m_bRangeSelect);
    EXPECT_EQ(1, plain.m_bTodayMark);
    EXPECT_EQ(0, plain.m_bTodayButton + plain.m_bNoneButton + plain.m_bAutoSize);
    EXPECT_EQ(1, plain.m_bBorder);

    MonthCalendarState all;
    all.ApplyCreateStyle(WS_CHILD | CALS_RANGESELECT | CALS_NOTODAYMARK | CALS_TODAYBUTTON |
                         CALS_NONEBUTTON | CALS_AUTOSIZE | CALS_NOBORDER);
    EXPECT_EQ(1, all.m_bRangeSelect);
    EXPECT_EQ(0, all.m_bTodayMark);
    EXPECT_EQ(1, all.m_bTodayButton);
    EXPECT_EQ(1, all.m_bNoneButton);
    EXPECT_EQ(1, all.m_bAutoSize);
    EXPECT_EQ(0, all.m_bBorder);
}

TEST(CalendarState, PagingMovesByOneScreenfulAcrossYears)
{
    struct Case {
        int nRows, nCols;
        YearMonth from;
        bool bForward;
        YearMonth expected;
        bool bMoved;
    };
    const Case cases[] = {
        {1, 1, {12, 2024}, true, {1, 2025}, true},
        {1, 1, {1, 2025}, false, {12, 2024}, true},
        {2, 3, {11, 2024}, true, {5, 2025}, true},
        {2, 3, {3, 2024}, false, {9, 2023}, true},
        {1, 2, {12, 1999}, true, {2, 2000}, true},
        // The limits: nothing before January 100, no block after December 9999.
        {1, 1, {1, 100}, false, {1, 100}, false},
        {1, 1, {12, 9999}, true, {12, 9999}, false},
        {2, 3, {3, 100}, false, {1, 100}, true},
        {2, 3, {5, 9999}, true, {7, 9999}, true},
        {2, 3, {7, 9999}, true, {7, 9999}, false},
    };
    for (const Case& c : cases) {
        MonthCalendarState state;
        state.SetLayout(c.nRows, c.nCols);
        state.SetShownMonth(c.from.nMonth, c.from.nYear);
        EXPECT_EQ(c.bMoved, state.PageStep(c.bForward));
        EXPECT_EQ(c.expected, state.GetShownMonth())
            << c.nRows << "x" << c.nCols << " from " << c.from.nMonth << "/" << c.from.nYear
            << (c.bForward ? " forward" : " back");
    }
}

TEST(CalendarState, SelectionFollowsTheMouseAcrossDays)
{
    MonthCalendarState state;
    state.PressDay(Day(2024, 3, 10));
    EXPECT_STREQ("2024-03-10", DateText(state.GetSelection()));
    const COleDateTime path[] = {Day(2024, 3, 11), Day(2024, 3, 18), Day(2024, 2, 29)};
    for (const COleDateTime& day : path) {
        state.TrackDay(day);
        EXPECT_STREQ(DateText(day), DateText(state.GetSelection()));
        EXPECT_TRUE(state.IsDaySelected(DaySerial(day)));
        EXPECT_FALSE(state.IsDaySelected(DaySerial(day) + 1));
    }
}

TEST(CalendarState, RangeModeOrdersTheEndsAndHidesTheRangeFromGetSelection)
{
    struct Case {
        int nAnchorDay, nTrackDay;
        const char* start;
        const char* end;
    };
    const Case cases[] = {
        {10, 3, "2024-03-03", "2024-03-10"},
        {10, 15, "2024-03-10", "2024-03-15"},
        {10, 10, "2024-03-10", "2024-03-10"},
    };
    for (const Case& c : cases) {
        MonthCalendarState state;
        state.m_bRangeSelect = 1;
        state.PressDay(Day(2024, 3, c.nAnchorDay));
        state.TrackDay(Day(2024, 3, c.nTrackDay));
        EXPECT_STREQ(c.start, DateText(state.m_selStart));
        EXPECT_STREQ(c.end, DateText(state.m_selEnd));
        EXPECT_STREQ("none", DateText(state.GetSelection()));
        for (int nDay = 1; nDay <= 20; ++nDay) {
            const bool bInside = nDay >= std::min(c.nAnchorDay, c.nTrackDay) &&
                                 nDay <= std::max(c.nAnchorDay, c.nTrackDay);
            EXPECT_EQ(bInside, state.IsDaySelected(DaySerial(Day(2024, 3, nDay)))) << nDay;
        }
    }
}

TEST(CalendarState, SetSelectionKeepsTheDayOnlyAndInvalidClearsIt)
{
    MonthCalendarState state;
    state.SetSelection(COleDateTime(2024, 7, 4, 18, 45, 10));
    EXPECT_EQ(Day(2024, 7, 4), state.GetSelection());
    EXPECT_EQ(state.m_selStart, state.m_selEnd);

    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    state.SetSelection(invalid);
    EXPECT_EQ(COleDateTime::invalid, state.m_selStart.GetStatus());
    EXPECT_EQ(COleDateTime::invalid, state.m_selEnd.GetStatus());
    EXPECT_FALSE(state.IsDaySelected(DaySerial(Day(2024, 7, 4))));
}

TEST(CalendarState, FooterButtonsGoToTodayOrClearTheSelection)
{
    const COleDateTime now(2024, 5, 20, 15, 30, 0);
    MonthCalendarState state;
    state.SetLayout(1, 2);
    state.SetShownMonth(1, 2030);
    state.GoToToday(now);
    EXPECT_EQ((YearMonth{5, 2024}), state.GetShownMonth());
    EXPECT_EQ(Day(2024, 5, 20), state.GetSelection()); // at 0:00

    state.SetShownMonth(1, 2030);
    state.ChooseNone(now);
    EXPECT_EQ((YearMonth{5, 2024}), state.GetShownMonth());
    EXPECT_STREQ("none", DateText(state.GetSelection()));
}

TEST(CalendarState, PickedMonthLandsInTheBlockWhoseHeaderWasPressed)
{
    struct Case {
        int nBlock;
        YearMonth picked;
        YearMonth expectedFirst;
    };
    const Case cases[] = {
        {0, {8, 2026}, {8, 2026}},
        {3, {6, 2025}, {3, 2025}},
        {2, {1, 2025}, {11, 2024}},
        {3, {2, 100}, {6, 2024}},  // would start in year 99: ignored
        {0, {0, 2025}, {6, 2024}}, // not a month
        {0, {5, 10000}, {6, 2024}},
    };
    for (const Case& c : cases) {
        MonthCalendarState state;
        state.SetLayout(2, 2);
        state.SetShownMonth(6, 2024);
        state.ShowPickedMonth(c.picked, c.nBlock);
        EXPECT_EQ(c.expectedFirst, state.GetShownMonth())
            << "block " << c.nBlock << " picked " << c.picked.nMonth << "/" << c.picked.nYear;
    }
}

} // namespace
