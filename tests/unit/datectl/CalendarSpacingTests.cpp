#include "datectl/CalendarLayout.h"
#include "datectl/CalendarSpacing.h"
#include "dpi/DpiScale.h"

#include "FakeMeasure.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace {

TEST(CalendarSpacing, EveryGapIsTodaysAt96AndScaledLikeFileUnitsElsewhere)
{
    struct Gap {
        int CalendarSpacing::*member;
        const char* name;
        int at96;
    };
    const Gap gaps[] = {
        {&CalendarSpacing::cyHeaderPad, "cyHeaderPad", 6},
        {&CalendarSpacing::cxTitlePad, "cxTitlePad", 30},
        {&CalendarSpacing::cxGridPad, "cxGridPad", 60},
        {&CalendarSpacing::cyRowGap, "cyRowGap", 2},
        {&CalendarSpacing::cyBlockPad, "cyBlockPad", 12},
        {&CalendarSpacing::cxColumnGap, "cxColumnGap", 5},
        {&CalendarSpacing::nBlockGap, "nBlockGap", 1},
        {&CalendarSpacing::nTitleInset, "nTitleInset", 1},
        {&CalendarSpacing::cxTitleRight, "cxTitleRight", 10},
        {&CalendarSpacing::cyTitleBottom, "cyTitleBottom", 2},
        {&CalendarSpacing::cxHeaderHitLeft, "cxHeaderHitLeft", 10},
        {&CalendarSpacing::cxHeaderHitRight, "cxHeaderHitRight", 20},
        {&CalendarSpacing::cxPrevArrowTip, "cxPrevArrowTip", 6},
        {&CalendarSpacing::cxNextArrowTip, "cxNextArrowTip", 10},
        {&CalendarSpacing::nArrowSlack, "nArrowSlack", 1},
        {&CalendarSpacing::cyWeekdayTop, "cyWeekdayTop", 1},
        {&CalendarSpacing::cyWeekdayBottom, "cyWeekdayBottom", 2},
        {&CalendarSpacing::cyWeekdayLine, "cyWeekdayLine", 3},
        {&CalendarSpacing::cyGridTop, "cyGridTop", 4},
        {&CalendarSpacing::cxCellLeft, "cxCellLeft", 3},
        {&CalendarSpacing::cxCellRight, "cxCellRight", 2},
        {&CalendarSpacing::cyCellHit, "cyCellHit", 2},
        {&CalendarSpacing::cySelectionBottom, "cySelectionBottom", 3},
        {&CalendarSpacing::cyTodayBottom, "cyTodayBottom", 1},
        {&CalendarSpacing::cyFooterPad, "cyFooterPad", 15},
        {&CalendarSpacing::cxButtonPad, "cxButtonPad", 12},
        {&CalendarSpacing::cyButtonPad, "cyButtonPad", 6},
        {&CalendarSpacing::cxButtonGap, "cxButtonGap", 10},
        {&CalendarSpacing::nPressShift, "nPressShift", 2},
        {&CalendarSpacing::nBorder, "nBorder", 6},
        {&CalendarSpacing::nBorderMargin, "nBorderMargin", 4},
        {&CalendarSpacing::cxListMargin, "cxListMargin", 10},
    };
    // Lines thicken only in whole pixels.
    const struct {
        int dpi;
        int nLine;
    } dpis[] = {{96, 1}, {120, 1}, {144, 1}, {192, 2}, {0, 1}};
    const CalendarSpacing defaults;
    for (const auto& d : dpis) {
        const CalendarSpacing s = CalendarSpacingForDpi(d.dpi);
        EXPECT_EQ(d.nLine, s.nLine) << d.dpi;
        for (const Gap& gap : gaps) {
            EXPECT_EQ(gap.at96, defaults.*gap.member) << gap.name;
            EXPECT_EQ(FileToDevice(gap.at96, d.dpi > 0 ? d.dpi : 96), s.*gap.member)
                << gap.name << " at " << d.dpi << " dpi";
        }
    }
    EXPECT_EQ(9, CalendarSpacingForDpi(144).nBorder);
    EXPECT_EQ(8, CalendarSpacingForDpi(144).cxColumnGap) << "7.5 rounds up, as file units do";
}

// Text measured 1.5 times as large, as fonts at 144 dpi are.
FakeMeasure MeasureAt(int dpi)
{
    FakeMeasure measure;
    const int cx96[4] = {10, 8, 6, 8};
    const int cy96[4] = {16, 12, 14, 14};
    for (int i = 0; i < 4; ++i) {
        measure.cxChar[i] = FileToDevice(cx96[i], dpi);
        measure.cyLine[i] = FileToDevice(cy96[i], dpi);
    }
    return measure;
}

CalendarLayout LayoutAt(MonthCalendarState& state, int dpi, CSize& sizeTotal)
{
    CString names[13];
    const char* english[] = {"",        "January",  "February", "March",  "April",
                             "May",     "June",     "July",     "August", "September",
                             "October", "November", "December"};
    for (int i = 0; i <= 12; ++i)
        names[i] = english[i];
    FakeMeasure measure = MeasureAt(dpi);
    const CalendarSpacing spacing = CalendarSpacingForDpi(dpi);
    state.m_nDpi = dpi;
    state.m_metrics = ComputeCalendarMetrics(measure, names, 2024, spacing);
    state.m_bMetricsValid = 1;
    state.m_bTodayButton = 1;
    state.m_bNoneButton = 1;
    state.SetLayout(2, 2);
    state.SetShownMonth(5, 2024);
    const CSize sizeButtonText = measure.Measure(CALFONT_WEEKDAY, "Today");
    sizeTotal = CalendarTotalSize(state.m_metrics, 2, 2, true,
                                  CalendarFooterHeight(true, sizeButtonText.cy, spacing), spacing);
    return LayoutCalendar(state, sizeTotal, sizeButtonText);
}

// Each edge within `slack` pixels of 1.5 times its place at 96 dpi: some gaps between the
// seven columns round up, and their half pixels add up across a row.
::testing::AssertionResult ScaledFrom(const CRect& at96, const CRect& at144, int slack = 4)
{
    const int edges96[4] = {at96.left, at96.top, at96.right, at96.bottom};
    const int edges144[4] = {at144.left, at144.top, at144.right, at144.bottom};
    for (int i = 0; i < 4; ++i) {
        if (std::abs(edges144[i] * 2 - edges96[i] * 3) > 2 * slack)
            return ::testing::AssertionFailure()
                   << "edge " << i << " is " << edges144[i] << " for " << edges96[i];
    }
    return ::testing::AssertionSuccess();
}

TEST(CalendarSpacing, At144DpiTheWholeCalendarIsOneAndAHalfTimesItsSizeAt96)
{
    MonthCalendarState state96, state144;
    CSize size96, size144;
    const CalendarLayout at96 = LayoutAt(state96, 96, size96);
    const CalendarLayout at144 = LayoutAt(state144, 144, size144);

    EXPECT_TRUE(ScaledFrom(CRect(CPoint(0, 0), size96), CRect(CPoint(0, 0), size144), 1))
        << size96.cx << "x" << size96.cy << " became " << size144.cx << "x" << size144.cy;
    EXPECT_TRUE(ScaledFrom(at96.prevArrow.rcHit, at144.prevArrow.rcHit)) << "previous";
    EXPECT_TRUE(ScaledFrom(at96.nextArrow.rcHit, at144.nextArrow.rcHit)) << "next";
    EXPECT_TRUE(ScaledFrom(at96.rcTodayButton, at144.rcTodayButton)) << "Today";
    EXPECT_TRUE(ScaledFrom(at96.rcNoneButton, at144.rcNoneButton)) << "None";
    ASSERT_EQ(at96.blocks.size(), at144.blocks.size());
    for (size_t b = 0; b < at96.blocks.size(); ++b) {
        const BlockLayout& block96 = at96.blocks[b];
        const BlockLayout& block144 = at144.blocks[b];
        EXPECT_TRUE(ScaledFrom(block96.rcHeaderFill, block144.rcHeaderFill)) << b;
        EXPECT_TRUE(ScaledFrom(block96.rcTitle, block144.rcTitle)) << b;
        EXPECT_TRUE(ScaledFrom(block96.rcHeaderHit, block144.rcHeaderHit)) << b;
        EXPECT_TRUE(ScaledFrom(block96.rcGrid, block144.rcGrid)) << b;
        for (int i = 0; i < 7; ++i)
            EXPECT_TRUE(ScaledFrom(block96.rcWeekday[i], block144.rcWeekday[i])) << b << i;
        for (int k = 0; k < CALENDAR_CELLS; ++k) {
            const CRect& text96 = block96.cells[k].rcText;
            const CRect& text144 = block144.cells[k].rcText;
            EXPECT_TRUE(ScaledFrom(text96, text144)) << b << " cell " << k;
            EXPECT_TRUE(ScaledFrom(DayCellSelectionRect(text96, at96.spacing),
                                   DayCellSelectionRect(text144, at144.spacing)))
                << b << " cell " << k;
        }
    }
}

} // namespace
