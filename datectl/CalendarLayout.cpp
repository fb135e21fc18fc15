#include "datectl/CalendarLayout.h"

#include <algorithm>

namespace {

ArrowLayout PrevArrow(int x, int y, int cyHeader, const CalendarSpacing& sp)
{
    const int q = cyHeader / 4;
    const int cy = y + cyHeader / 2;
    const int t = x + sp.cxPrevArrowTip;
    ArrowLayout arrow;
    arrow.ptTip = CPoint(t, cy);
    arrow.xBase = t + q;
    arrow.yBaseTop = cy - q;
    arrow.yBaseBottom = cy + q;
    arrow.rcHit = CRect(t - sp.nArrowSlack, cy - q - sp.nArrowSlack, t + q + sp.nArrowSlack,
                        cy + q + sp.nArrowSlack);
    return arrow;
}

ArrowLayout NextArrow(int x, int y, int cxBlock, int cyHeader, const CalendarSpacing& sp)
{
    const int q = cyHeader / 4;
    const int cy = y + cyHeader / 2;
    const int t = x + cxBlock - sp.cxNextArrowTip;
    ArrowLayout arrow;
    arrow.ptTip = CPoint(t, cy);
    arrow.xBase = t - q;
    arrow.yBaseTop = cy - q;
    arrow.yBaseBottom = cy + q;
    arrow.rcHit = CRect(t - q - sp.nArrowSlack, cy - q - sp.nArrowSlack, t + sp.nArrowSlack,
                        cy + q + sp.nArrowSlack);
    return arrow;
}

void LayoutDays(BlockLayout& block, const CalendarMetrics& m, const CalendarSpacing& sp,
                int yGrid, bool bLeading, bool bTrailing)
{
    const long nFirstOfMonth = FirstOfMonthSerial(block.month);
    const long nFirstOfNext = FirstOfMonthSerial(AddMonths(block.month, 1));
    long nSerial = FirstGridSerial(block.month);
    int y = yGrid;
    for (int nWeek = 0, k = 0; nWeek < 6; ++nWeek, y += m.cyCell + sp.cyRowGap) {
        int cx = block.xGridLeft;
        for (int nDay = 0; nDay < 7; ++nDay, ++k, ++nSerial, cx += m.cxCell + sp.cxColumnGap) {
            DayCellLayout& cell = block.cells[k];
            cell.rcText = CRect(cx, y, cx + m.cxCell, y + m.cyCell);
            cell.date = DateFromSerial(nSerial);
            const bool bBefore = nSerial < nFirstOfMonth;
            const bool bAfter = nSerial >= nFirstOfNext;
            cell.bOtherMonth = bBefore || bAfter;
            cell.bShown = cell.date.GetStatus() == COleDateTime::valid &&
                          (bBefore ? bLeading : bAfter ? bTrailing : true);
        }
    }
    block.rcGrid = CRect(block.xGridLeft, yGrid, block.xGridRight, y);
}

BlockLayout LayoutBlock(const MonthCalendarState& state, const CalendarSpacing& sp, int nRow,
                        int nCol, int x, int y)
{
    const CalendarMetrics& m = state.m_metrics;
    BlockLayout block;
    block.nRow = nRow;
    block.nCol = nCol;
    block.month = state.GetBlockMonth((nRow - 1) * state.m_nCols + (nCol - 1));

    block.rcHeaderFill = CRect(x, y, x + m.cxBlock - sp.nBlockGap, y + m.cyHeader);
    const int yTitleTop = y + sp.nTitleInset;
    const int yTitleBottom = y + m.cyHeader - sp.cyTitleBottom;
    block.rcTitle = CRect(x + sp.nTitleInset, yTitleTop, x + m.cxBlock - sp.cxTitleRight,
                          yTitleBottom);
    block.rcHeaderHit = CRect(x + sp.cxHeaderHitLeft, yTitleTop,
                              x + m.cxBlock - sp.cxHeaderHitRight, yTitleBottom);

    const int cxColumns = 7 * m.cxCell + 6 * sp.cxColumnGap;
    block.xGridLeft = x + m.cxBlock / 2 - cxColumns / 2;
    block.xGridRight = x + m.cxBlock / 2 + cxColumns / 2;

    const int yWeekday = y + m.cyHeader;
    for (int i = 0; i < 7; ++i) {
        const int cx = block.xGridLeft + i * (m.cxCell + sp.cxColumnGap);
        block.rcWeekday[i] = CRect(cx, yWeekday + sp.cyWeekdayTop, cx + m.cxCell,
                                   yWeekday + m.cyWeekday + sp.cyWeekdayBottom);
    }
    block.yWeekdayLine = yWeekday + m.cyWeekday + sp.cyWeekdayLine;

    // Neighbouring months' days only where no other block shows them: leading days in the
    // first block, trailing days in the last.
    const bool bFirst = nRow == 1 && nCol == 1;
    const bool bLast = nRow == state.m_nRows && nCol == state.m_nCols;
    LayoutDays(block, m, sp, yWeekday + m.cyWeekday + sp.cyGridTop, bFirst, bLast);
    return block;
}

} // namespace

CRect DayCellHitRect(const CRect& rcText, const CalendarSpacing& sp)
{
    return CRect(rcText.left - sp.cxCellLeft, rcText.top, rcText.right + sp.cxCellRight,
                 rcText.bottom + sp.cyCellHit);
}

CRect DayCellSelectionRect(const CRect& rcText, const CalendarSpacing& sp)
{
    return CRect(rcText.left - sp.cxCellLeft, rcText.top, rcText.right + sp.cxCellRight,
                 rcText.bottom + sp.cySelectionBottom);
}

CRect DayCellTodayFrame(const CRect& rcText, const CalendarSpacing& sp)
{
    return CRect(rcText.left - sp.cxCellLeft, rcText.top, rcText.right + sp.cxCellRight,
                 rcText.bottom + sp.cyTodayBottom);
}

CalendarLayout LayoutCalendar(const MonthCalendarState& state, CSize sizeClient,
                              CSize sizeButtonText)
{
    const CalendarMetrics& m = state.m_metrics;
    CalendarLayout layout;
    layout.spacing = CalendarSpacingForDpi(state.m_nDpi);
    const CalendarSpacing& sp = layout.spacing;
    layout.nMargin = state.m_bBorder ? sp.nBorderMargin : 0;

    int y = layout.nMargin;
    for (int nRow = 1; nRow <= state.m_nRows; ++nRow, y += m.cyBlock) {
        int x = layout.nMargin;
        for (int nCol = 1; nCol <= state.m_nCols; ++nCol, x += m.cxBlock) {
            layout.blocks.push_back(LayoutBlock(state, sp, nRow, nCol, x, y));
            if (nRow == 1 && nCol == 1)
                layout.prevArrow = PrevArrow(x, y, m.cyHeader, sp);
            if (nRow == 1 && nCol == state.m_nCols)
                layout.nextArrow = NextArrow(x, y, m.cxBlock, m.cyHeader, sp);
        }
    }

    layout.bTodayButton = state.m_bTodayButton != 0;
    layout.bNoneButton = state.m_bNoneButton != 0;
    if (layout.bTodayButton || layout.bNoneButton) {
        const int bw = sizeButtonText.cx + sp.cxButtonPad;
        const int bh = sizeButtonText.cy + sp.cyButtonPad;
        int x = layout.bTodayButton && layout.bNoneButton
                    ? (sizeClient.cx - (2 * bw + sp.cxButtonGap)) / 2
                    : sizeClient.cx / 2 - bw / 2;
        if (layout.bTodayButton) {
            layout.rcTodayButton = CRect(x, y, x + bw, y + bh);
            x += bw + sp.cxButtonGap;
        }
        if (layout.bNoneButton)
            layout.rcNoneButton = CRect(x, y, x + bw, y + bh);
    }
    return layout;
}

void RecordCalendarLayout(MonthCalendarState& state, const CalendarLayout& layout)
{
    state.m_rcPrevArrow = layout.prevArrow.rcHit;
    state.m_rcNextArrow = layout.nextArrow.rcHit;
    state.m_rcTodayButton = layout.rcTodayButton;
    state.m_rcNoneButton = layout.rcNoneButton;

    const size_t nBlocks = std::min(layout.blocks.size(), state.m_blocks.size());
    for (size_t i = 0; i < nBlocks; ++i) {
        const BlockLayout& from = layout.blocks[i];
        MonthBlockRecord& to = state.m_blocks[i];
        to.rcHeader = from.rcHeaderHit;
        to.nRow = from.nRow;
        to.nCol = from.nCol;
        to.rcGrid = from.rcGrid;
        for (int k = 0; k < CALENDAR_CELLS; ++k) {
            if (from.cells[k].bShown) {
                to.cells[k].rc = DayCellHitRect(from.cells[k].rcText, layout.spacing);
                to.cells[k].date = from.cells[k].date;
            } else {
                to.cells[k].Clear();
            }
        }
    }
}
