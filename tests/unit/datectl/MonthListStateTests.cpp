#include "datectl/MonthListState.h"

#include "GeometryPrinters.h"

#include <gtest/gtest.h>

namespace {

MonthListState ListAt(int nMonth, int nYear)
{
    MonthListState list;
    list.SetMiddleMonth(nMonth, nYear);
    return list;
}

TEST(MonthList, IsCentredOnThePress)
{
    // Seven lines of 13 pixels plus 3, lines of "September 0000" 100 wide plus 20.
    EXPECT_EQ(CRect(440, 353, 560, 447), MonthListPlacement(CPoint(500, 400), 13, 100, 7));
    // Odd halves round down; the list is not pushed back onto the screen.
    EXPECT_EQ(CRect(-60, -50, 60, 50), MonthListPlacement(CPoint(0, 0), 14, 101, 7));
}

TEST(MonthList, LinesRunFromThreeMonthsBeforeTheMiddle)
{
    const MonthListState list = ListAt(2, 2024);
    const YearMonth expected[] = {{11, 2023}, {12, 2023}, {1, 2024}, {2, 2024},
                                  {3, 2024},  {4, 2024},  {5, 2024}};
    for (int nLine = 0; nLine < 7; ++nLine)
        EXPECT_EQ(expected[nLine], list.GetLineMonth(nLine)) << nLine;
}

TEST(MonthList, RowsMustBeOddAndAboveTwo)
{
    const int rows[][2] = {{4, 7}, {1, 7}, {2, 7}, {-3, 7}, {3, 3}, {9, 9}};
    for (const auto& r : rows) {
        MonthListState list;
        list.SetRows(r[0]);
        EXPECT_EQ(r[1], list.m_nRows) << r[0];
    }
}

TEST(MonthList, HotLineFollowsTheMouseAndSticksToTheEndsOutside)
{
    const MonthListState list = ListAt(2, 2024);
    // Lines of 13 pixels in a client area 94 high: 0..90 are lines, 91..93 none.
    const int cases[][2] = {{-40, 0}, {-1, 0}, {0, 0},  {12, 0},  {13, 1}, {45, 3},
                            {90, 6},  {91, -1}, {93, -1}, {94, 6}, {300, 6}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], list.HitLine(c[0], 13, 94)) << "y " << c[0];
}

TEST(MonthList, PickingTwoLinesBelowTheMiddleGivesTwoMonthsLater)
{
    MonthListState list = ListAt(11, 2024);
    list.PickLine(5);
    EXPECT_EQ(1, list.m_nPickedMonth);
    EXPECT_EQ(2025, list.m_nPickedYear);
    list.PickLine(-1); // no hot line: the last pick stays
    EXPECT_EQ(1, list.m_nPickedMonth);
}

TEST(MonthList, ScrollsOneMonthPerTenStepsNearAndTwoPerFiveStepsFar)
{
    const CRect rc(100, 200, 220, 294);
    struct Case {
        int y;
        int nSteps;
        YearMonth expected;
    };
    const Case cases[] = {
        {294, 9, {6, 2024}},   // 1 pixel below: not yet
        {294, 10, {7, 2024}},  // the tenth step moves one month
        {308, 20, {8, 2024}},  // 15 below is still near
        {309, 5, {8, 2024}},   // 16 below is far: two months after five steps
        {314, 10, {10, 2024}},
        {199, 10, {5, 2024}},  // 1 above
        {180, 5, {4, 2024}},   // 20 above
        {250, 30, {6, 2024}},  // inside: nothing moves
    };
    for (const Case& c : cases) {
        MonthListState list = ListAt(6, 2024);
        for (int i = 0; i < c.nSteps; ++i)
            list.ScrollStep(c.y, rc);
        EXPECT_EQ(c.expected, (YearMonth{list.m_nMonth, list.m_nYear}))
            << c.nSteps << " steps at y " << c.y;
    }
}

TEST(MonthList, AccumulatorsResetOnReturnAndOnTurning)
{
    const CRect rc(100, 200, 220, 294);
    MonthListState list = ListAt(6, 2024);
    for (int i = 0; i < 9; ++i)
        list.ScrollStep(300, rc);
    EXPECT_EQ(9, list.m_nDownCount);
    list.ScrollStep(250, rc); // back over the list
    EXPECT_EQ(0, list.m_nDownCount);
    for (int i = 0; i < 9; ++i)
        list.ScrollStep(300, rc);
    list.ScrollStep(150, rc); // now above: the downward count starts over
    EXPECT_EQ(0, list.m_nDownCount);
    EXPECT_EQ(2, list.m_nUpCount);
    EXPECT_EQ((YearMonth{6, 2024}), (YearMonth{list.m_nMonth, list.m_nYear}));
}

TEST(MonthList, NeverScrollsBeyondYears100And9999)
{
    const CRect rc(100, 200, 220, 294);
    struct Case {
        YearMonth start;
        int y;
        YearMonth expected;
    };
    const Case cases[] = {
        {{3, 100}, 100, {1, 100}},    // far above, many steps
        {{1, 100}, 199, {1, 100}},
        {{10, 9999}, 400, {12, 9999}},
        {{12, 9999}, 295, {12, 9999}},
    };
    for (const Case& c : cases) {
        MonthListState list = ListAt(c.start.nMonth, c.start.nYear);
        for (int i = 0; i < 100; ++i)
            list.ScrollStep(c.y, rc);
        EXPECT_EQ(c.expected, (YearMonth{list.m_nMonth, list.m_nYear}));
    }
    // Lines beyond the limits exist but cannot be shown.
    const MonthListState first = ListAt(1, 100);
    EXPECT_FALSE(MonthListState::IsShowableMonth(first.GetLineMonth(0)));
    EXPECT_TRUE(MonthListState::IsShowableMonth(first.GetLineMonth(3)));
}

TEST(MonthList, MiddleMonthSetterChecksMonthAndYearApart)
{
    MonthListState list = ListAt(6, 2024);
    list.SetMiddleMonth(0, 2030);
    EXPECT_EQ((YearMonth{6, 2030}), (YearMonth{list.m_nMonth, list.m_nYear}));
    list.SetMiddleMonth(9, 99);
    EXPECT_EQ((YearMonth{9, 2030}), (YearMonth{list.m_nMonth, list.m_nYear}));
}

} // namespace
