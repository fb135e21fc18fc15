#include "datectl/CalendarMetrics.h"

#include "FakeMeasure.h"

#include "GeometryPrinters.h"

#include <gtest/gtest.h>

namespace {

void EnglishMonthNames(CString names[13])
{
    const char* english[] = {"",     "January", "February",  "March",   "April",
                             "May",  "June",    "July",      "August",  "September",
                             "October", "November", "December"};
    for (int i = 0; i <= 12; ++i)
        names[i] = english[i];
}

TEST(CalendarMetrics, ComeFromTheWidestAndTallestMeasuredText)
{
    struct Case {
        const char* what;
        int cxWeekdayChar;
        int nYear;
        CalendarMetrics expected; // cyHeader, cxCell, cyWeekday, cyCell, cxBlock, cyBlock
    };
    const Case cases[] = {
        // "September 2024" is 14 characters of 9 pixels; the special-day digits are widest.
        {"days decide the cell", 8, 2024, {21, 14, 12, 14, 158, 141}},
        // Wide letters widen the cell and the block.
        {"letters decide the cell", 20, 2024, {21, 20, 12, 14, 200, 141}},
        // Ten years on from 9995 is 10005: five digits in the widest title.
        {"titles decide the block", 8, 9995, {21, 14, 12, 14, 165, 141}},
    };
    CString names[13];
    EnglishMonthNames(names);
    for (const Case& c : cases) {
        FakeMeasure measure;
        measure.cxChar[CALFONT_WEEKDAY] = c.cxWeekdayChar;
        const CalendarMetrics m = ComputeCalendarMetrics(measure, names, c.nYear);
        EXPECT_EQ(c.expected.cyHeader, m.cyHeader) << c.what;
        EXPECT_EQ(c.expected.cxCell, m.cxCell) << c.what;
        EXPECT_EQ(c.expected.cyWeekday, m.cyWeekday) << c.what;
        EXPECT_EQ(c.expected.cyCell, m.cyCell) << c.what;
        EXPECT_EQ(c.expected.cxBlock, m.cxBlock) << c.what;
        EXPECT_EQ(c.expected.cyBlock, m.cyBlock) << c.what;
    }
}

TEST(CalendarMetrics, NothingMeasuredGivesZeroBlocks)
{
    FakeMeasure measure;
    for (int i = 0; i < 4; ++i)
        measure.cxChar[i] = measure.cyLine[i] = 0;
    CString names[13];
    const CalendarMetrics m = ComputeCalendarMetrics(measure, names, 2024);
    EXPECT_EQ(60, m.cxBlock); // the grid's side room stays
    EXPECT_EQ(30, m.cyBlock);
}

TEST(CalendarMetrics, TotalSizeCountsBlocksFooterAndBorder)
{
    CalendarMetrics m;
    m.cxBlock = 158;
    m.cyBlock = 141;
    struct Case {
        int nRows, nCols;
        bool bBorder;
        int cyFooter;
        CSize expected;
    };
    const Case cases[] = {
        {1, 1, true, 0, {164, 147}},   {1, 1, false, 0, {158, 141}},
        {1, 1, true, 28, {164, 175}},  {2, 3, true, 0, {480, 288}},
        {2, 3, false, 28, {474, 310}}, {99, 1, false, 0, {158, 13959}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, CalendarTotalSize(m, c.nRows, c.nCols, c.bBorder, c.cyFooter))
            << c.nRows << "x" << c.nCols << " border " << c.bBorder << " footer " << c.cyFooter;
    }
    EXPECT_EQ(28, CalendarFooterHeight(true, 13));
    EXPECT_EQ(0, CalendarFooterHeight(false, 13));
}

TEST(CalendarMetrics, AutoSizeFontFollowsTheScreenWidth)
{
    const int table[][2] = {{640, 7},   {799, 7},   {800, 8},   {1023, 8},
                            {1024, 10}, {1279, 10}, {1280, 12}, {2560, 12}};
    for (const auto& row : table)
        EXPECT_EQ(row[1], AutoSizePointSize(row[0])) << "screen width " << row[0];
}

TEST(CalendarMetrics, AvailableSpaceFollowsTheSizeLimit)
{
    struct Case {
        CSize limit;
        bool bHasParent;
        bool bLimited;
        CSize expected;
    };
    const CSize parent(400, 300);
    const CPoint place(30, 20);
    const Case cases[] = {
        {{-2, -2}, true, false, {0, 0}},     // no limit
        {{-1, -1}, true, true, {370, 280}},  // the parent's room right and below
        {{-1, -1}, false, false, {0, 0}},    // nothing to fit into
        {{200, 150}, true, true, {200, 150}}, // the given size
        {{-2, 150}, true, true, {-2, 150}},  // only both -2 mean "no limit"
    };
    for (const Case& c : cases) {
        const AvailableSpace space = AutoSizeAvailableSpace(c.limit, c.bHasParent, parent, place);
        EXPECT_EQ(c.bLimited, space.bLimited) << c.limit.cx << "," << c.limit.cy;
        if (c.bLimited) {
            EXPECT_EQ(c.expected, space.size) << c.limit.cx << "," << c.limit.cy;
        }
    }
}

TEST(CalendarMetrics, AutoSizeShrinksUntilItFitsOrReachesTheMinimum)
{
    auto totalAt = [](int nPoints) { return CSize(nPoints * 20, nPoints * 15); };
    struct Case {
        int nStart, nMin;
        AvailableSpace space;
        int expected;
    };
    const Case cases[] = {
        {12, 5, {true, {150, 200}}, 7},  // 140 x 105 is the first size that fits
        {12, 5, {true, {240, 180}}, 12}, // fits at once
        {12, 9, {true, {150, 200}}, 9},  // the minimum wins
        {12, 5, {true, {400, 100}}, 6},  // the height decides
        {12, 5, {false, {0, 0}}, 12},    // no limit
        {12, 0, {true, {0, 0}}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, AutoSizeShrink(c.nStart, c.nMin, c.space, totalAt))
            << c.space.size.cx << "x" << c.space.size.cy << " min " << c.nMin;
}

} // namespace
