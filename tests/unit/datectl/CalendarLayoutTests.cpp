#include "datectl/CalendarHitTest.h"
#include "datectl/CalendarLayout.h"
#include "datectl/CalendarPainter.h"
#include "framework/Clock.h"

#include "GeometryPrinters.h"
#include "TestDates.h"

#include <gtest/gtest.h>

namespace {

// Metrics as an 8-point font gives them, fixed so that every rectangle below is known.
void SetTestMetrics(MonthCalendarState& state)
{
    state.m_metrics.cyHeader = 20;
    state.m_metrics.cxCell = 14;
    state.m_metrics.cyWeekday = 12;
    state.m_metrics.cyCell = 14;
    state.m_metrics.cxBlock = 158;
    state.m_metrics.cyBlock = 141;
    state.m_bMetricsValid = 1;
}

const CSize kClient(164, 175); // 1 x 1 with border and footer
const CSize kTodayText(30, 13);

CalendarLayout LayoutOf(MonthCalendarState& state, int nMonth, int nYear, int nRows = 1,
                        int nCols = 1)
{
    SetTestMetrics(state);
    state.SetLayout(nRows, nCols);
    state.SetShownMonth(nMonth, nYear);
    CalendarLayout layout = LayoutCalendar(state, kClient, kTodayText);
    RecordCalendarLayout(state, layout);
    return layout;
}

int CountShown(const BlockLayout& block)
{
    int n = 0;
    for (const DayCellLayout& cell : block.cells)
        n += cell.bShown ? 1 : 0;
    return n;
}

TEST(CalendarLayout, EachBlockShowsItsMonthAndOnlyTheOuterBlocksShowNeighbours)
{
    struct Case {
        int nRows, nCols, nMonth, nYear;
        int nBlock;
        YearMonth month;
        int nShown;
        const char* firstShown;
        const char* lastShown;
    };
    const Case cases[] = {
        // 1 x 1: leading days of February and trailing days of April, all 42 cells.
        {1, 1, 3, 2024, 0, {3, 2024}, 42, "2024-02-25", "2024-04-06"},
        // A month starting on Sunday has no leading days; trailing days fill the rest.
        {1, 1, 9, 2024, 0, {9, 2024}, 42, "2024-09-01", "2024-10-12"},
        // February 2015 fits four weeks exactly and still gets six.
        {1, 1, 2, 2015, 0, {2, 2015}, 42, "2015-02-01", "2015-03-14"},
        // 2 x 2 from March 2024: leading days only in the first, trailing only in the last.
        {2, 2, 3, 2024, 0, {3, 2024}, 36, "2024-02-25", "2024-03-31"},
        {2, 2, 3, 2024, 1, {4, 2024}, 30, "2024-04-01", "2024-04-30"},
        {2, 2, 3, 2024, 2, {5, 2024}, 31, "2024-05-01", "2024-05-31"},
        {2, 2, 3, 2024, 3, {6, 2024}, 36, "2024-06-01", "2024-07-06"},
        // 1 x 3 across a year end.
        {1, 3, 11, 2024, 2, {1, 2025}, 39, "2025-01-01", "2025-02-08"},
        // January 100: the days before it do not exist and stay blank.
        {1, 1, 1, 100, 0, {1, 100}, 37, "0100-01-01", "0100-02-06"},
    };
    for (const Case& c : cases) {
        CFixedClock clock(COleDateTime(2024, 5, 20, 12, 0, 0));
        MonthCalendarState state;
        const CalendarLayout layout = LayoutOf(state, c.nMonth, c.nYear, c.nRows, c.nCols);
        ASSERT_EQ(static_cast<size_t>(c.nRows * c.nCols), layout.blocks.size());
        const BlockLayout& block = layout.blocks[c.nBlock];
        SCOPED_TRACE(testing::Message() << c.nRows << "x" << c.nCols << " from " << c.nMonth
                                        << "/" << c.nYear << " block " << c.nBlock);
        EXPECT_EQ(c.month, block.month);
        EXPECT_EQ(c.nShown, CountShown(block));
        int nFirst = 0, nLast = CALENDAR_CELLS - 1;
        while (!block.cells[nFirst].bShown)
            ++nFirst;
        while (!block.cells[nLast].bShown)
            --nLast;
        EXPECT_STREQ(c.firstShown, DateText(block.cells[nFirst].date));
        EXPECT_STREQ(c.lastShown, DateText(block.cells[nLast].date));
        // Shown cells are contiguous: the neighbours' days never leave holes.
        EXPECT_EQ(c.nShown, nLast - nFirst + 1);
    }
}

TEST(CalendarLayout, NeighbouringDaysAreMarkedAsOtherMonth)
{
    MonthCalendarState state;
    const CalendarLayout layout = LayoutOf(state, 3, 2024);
    const BlockLayout& block = layout.blocks[0];
    EXPECT_TRUE(block.cells[4].bOtherMonth);   // 29 February
    EXPECT_FALSE(block.cells[5].bOtherMonth);  // 1 March
    EXPECT_FALSE(block.cells[35].bOtherMonth); // 31 March
    EXPECT_TRUE(block.cells[36].bOtherMonth);  // 1 April
}

TEST(CalendarLayout, PartsSitWhereTheMetricsPutThem)
{
    MonthCalendarState state;
    const CalendarLayout layout = LayoutOf(state, 3, 2024);
    const BlockLayout& block = layout.blocks[0];

    // The border's margin: blocks start 4 pixels in.
    EXPECT_EQ(4, layout.nMargin);
    EXPECT_EQ(CRect(4, 4, 161, 24), block.rcHeaderFill);
    EXPECT_EQ(CRect(5, 5, 152, 22), block.rcTitle);
    EXPECT_EQ(CRect(14, 5, 142, 22), block.rcHeaderHit);

    // Seven columns of 14 with gaps of 5, centred: 128 pixels from x = 19.
    EXPECT_EQ(19, block.xGridLeft);
    EXPECT_EQ(147, block.xGridRight);
    EXPECT_EQ(CRect(19, 25, 33, 38), block.rcWeekday[0]);
    EXPECT_EQ(CRect(133, 25, 147, 38), block.rcWeekday[6]);
    EXPECT_EQ(39, block.yWeekdayLine);

    // The grid under the weekday row; six weeks of cyCell + 2.
    EXPECT_EQ(CRect(19, 40, 147, 136), block.rcGrid);
    EXPECT_EQ(CRect(19, 40, 33, 54), block.cells[0].rcText);
    EXPECT_EQ(CRect(57, 56, 71, 70), block.cells[9].rcText);
    EXPECT_EQ(CRect(54, 56, 73, 72), DayCellHitRect(block.cells[9].rcText));
    EXPECT_EQ(CRect(54, 56, 73, 73), DayCellSelectionRect(block.cells[9].rcText));
    EXPECT_EQ(CRect(54, 56, 73, 71), DayCellTodayFrame(block.cells[9].rcText));

    // Both arrows share the one header of a 1 x 1 calendar.
    EXPECT_EQ(CRect(9, 8, 16, 20), layout.prevArrow.rcHit);
    EXPECT_EQ(CPoint(10, 14), layout.prevArrow.ptTip);
    EXPECT_EQ(15, layout.prevArrow.xBase);
    EXPECT_EQ(CRect(146, 8, 153, 20), layout.nextArrow.rcHit);
    EXPECT_EQ(CPoint(152, 14), layout.nextArrow.ptTip);
}

TEST(CalendarLayout, WithoutBorderBlocksStartAtTheCorner)
{
    MonthCalendarState state;
    state.m_bBorder = 0;
    const CalendarLayout layout = LayoutOf(state, 3, 2024, 2, 2);
    EXPECT_EQ(0, layout.nMargin);
    EXPECT_EQ(CRect(0, 0, 157, 20), layout.blocks[0].rcHeaderFill);
    EXPECT_EQ(CRect(158, 141, 315, 161), layout.blocks[3].rcHeaderFill);
    // The previous arrow sits in the first block, the next one in the last column of row 1.
    EXPECT_EQ(CRect(5, 4, 12, 16), layout.prevArrow.rcHit);
    EXPECT_EQ(CRect(300, 4, 307, 16), layout.nextArrow.rcHit);
}

TEST(CalendarLayout, FooterButtonsAreCentredBelowTheBlocks)
{
    struct Case {
        int bToday, bNone;
        CRect rcToday, rcNone;
    };
    const Case cases[] = {
        {1, 0, {61, 145, 103, 164}, {}},
        {0, 1, {}, {61, 145, 103, 164}},
        {1, 1, {35, 145, 77, 164}, {87, 145, 129, 164}},
        {0, 0, {}, {}},
    };
    for (const Case& c : cases) {
        MonthCalendarState state;
        state.m_bTodayButton = c.bToday;
        state.m_bNoneButton = c.bNone;
        const CalendarLayout layout = LayoutOf(state, 3, 2024);
        EXPECT_EQ(c.rcToday, layout.rcTodayButton) << c.bToday << c.bNone;
        EXPECT_EQ(c.rcNone, layout.rcNoneButton) << c.bToday << c.bNone;
    }
}

TEST(CalendarPainting, SelectedDaysStayReadableOnAnyButtonFace)
{
    struct Case {
        const char* scheme;
        COLORREF crBox, crBackground, crDay, expected;
    };
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0), grey = RGB(128, 128, 128);
    const Case cases[] = {
        {"classic grey face", RGB(192, 192, 192), white, black, white},
        {"dark face", RGB(64, 64, 64), white, black, white},
        {"near-white face", RGB(245, 245, 245), white, black, black},
        {"warm grey face", RGB(212, 208, 200), white, black, black},
        {"neighbouring month", RGB(240, 240, 240), white, grey, grey},
        {"dark background", RGB(192, 192, 192), black, white, black},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, SelectedDayTextColour(c.crBox, c.crBackground, c.crDay)) << c.scheme;
}

TEST(CalendarHitTest, FindsThePartUnderThePoint)
{
    MonthCalendarState state;
    state.m_bTodayButton = 1;
    LayoutOf(state, 3, 2024);
    struct Case {
        CPoint pt;
        CalendarHitPart part;
        const char* date;
    };
    const Case cases[] = {
        {{12, 14}, CALHIT_PREVARROW, nullptr},
        {{149, 14}, CALHIT_NEXTARROW, nullptr},
        {{80, 14}, CALHIT_HEADER, nullptr},
        {{70, 150}, CALHIT_TODAYBUTTON, nullptr},
        {{20, 41}, CALHIT_DAY, "2024-02-25"},   // first cell: a day of February
        {{60, 60}, CALHIT_DAY, "2024-03-05"},   // week 2, Tuesday
        {{146, 133}, CALHIT_DAY, "2024-04-06"}, // last cell, bottom right
        {{2, 2}, CALHIT_NOWHERE, nullptr},      // the border
        {{80, 30}, CALHIT_NOWHERE, nullptr},    // the weekday row
        {{17, 60}, CALHIT_NOWHERE, nullptr},    // left of the grid
    };
    for (const Case& c : cases) {
        const CalendarHit hit = CalendarHitTest(state, c.pt);
        EXPECT_EQ(c.part, hit.part) << c.pt.x << "," << c.pt.y;
        if (c.date && hit.part == CALHIT_DAY) {
            EXPECT_STREQ(c.date, DateText(hit.date)) << c.pt.x << "," << c.pt.y;
        }
    }
}

TEST(CalendarHitTest, UndrawnAndClearedCellsAreNeverHit)
{
    MonthCalendarState state;
    LayoutOf(state, 3, 2024, 2, 2);
    // Block 1 (April) leaves its trailing cells blank; the last cell of its grid is one.
    const CRect rcAprilGrid = state.m_blocks[1].rcGrid;
    const CPoint ptBlankCell(rcAprilGrid.right - 5, rcAprilGrid.bottom - 5);
    EXPECT_EQ(CALHIT_NOWHERE, CalendarHitTest(state, ptBlankCell).part);

    // The last block (June) is found by its own grid.
    const CRect rcJuneGrid = state.m_blocks[3].rcGrid;
    const CalendarHit hit = CalendarHitTest(state, CPoint(rcJuneGrid.left + 1, rcJuneGrid.top + 1));
    EXPECT_EQ(CALHIT_NOWHERE, hit.part); // 26 May: leading day of a non-first block
    const CalendarHit june = CalendarHitTest(state, CPoint(rcJuneGrid.right - 5, rcJuneGrid.top + 1));
    EXPECT_EQ(CALHIT_DAY, june.part);
    EXPECT_EQ(3, june.nBlock);
    EXPECT_STREQ("2024-06-01", DateText(june.date));

    // Showing other months clears every cell until the next paint records them again.
    state.SetShownMonth(4, 2024);
    EXPECT_EQ(CALHIT_NOWHERE,
              CalendarHitTest(state, CPoint(rcJuneGrid.right - 5, rcJuneGrid.top + 1)).part);
    LayoutOf(state, 3, 2024, 2, 2);
    state.PageStep(true);
    EXPECT_EQ(CALHIT_NOWHERE,
              CalendarHitTest(state, CPoint(rcJuneGrid.right - 5, rcJuneGrid.top + 1)).part);
    EXPECT_EQ(CALHIT_HEADER, CalendarHitTest(state, state.m_blocks[2].rcHeader.CenterPoint()).part);
}

} // namespace
