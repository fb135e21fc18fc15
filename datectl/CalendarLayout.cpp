#include "datectl/CalendarLayout.h"

#include <algorithm>

namespace {

constexpr int kBorderMargin = 4; // the 3-D frame is four lines deep
constexpr int kColumnGap = 5;
constexpr int kButtonGap = 10;

ArrowLayout PrevArrow(int x, int y, int cyHeader)
{
    const int q = cyHeader / 4;
    const int cy = y + cyHeader / 2;
    ArrowLayout arrow;
    arrow.ptTip = CPoint(x + 6, cy);
    arrow.xBase = x + 6 + q;
    arrow.yBaseTop = cy - q;
    arrow.yBaseBottom = cy + q;
    arrow.rcHit = CRect(x + 5, cy - q - 1, x + 7 + q, cy + q + 1);
    return arrow;
}

ArrowLayout NextArrow(int x, int y, int cxBlock, int cyHeader)
{
    const int q = cyHeader / 4;
    const int cy = y + cyHeader / 2;
    const int t = x + cxBlock - 10;
    ArrowLayout arrow;
    arrow.ptTip = CPoint(t, cy);
    arrow.xBase = t - q;
    arrow.yBaseTop = cy - q;
    arrow.yBaseBottom = cy + q;
    arrow.rcHit = CRect(t - q - 1, cy - q - 1, t + 1, cy + q + 1);
    return arrow;
}

void LayoutDays(BlockLayout& block, const CalendarMetrics& m, int yGrid, bool bLeading,
                bool bTrailing)
{
    const long nFirstOfMonth = FirstOfMonthSerial(block.month);
    const long nFirstOfNext = FirstOfMonthSerial(AddMonths(block.month, 1));
    long nSerial = FirstGridSerial(block.month);
    int y = yGrid;
    for (int nWeek = 0, k = 0; nWeek < 6; ++nWeek, y += m.cyCell + 2) {
        int cx = block.xGridLeft;
        for (int nDay = 0; nDay < 7; ++nDay, ++k, ++nSerial, cx += m.cxCell + kColumnGap) {
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

BlockLayout LayoutBlock(const MonthCalendarState& state, int nRow, int nCol, int x, int y)
{
    const CalendarMetrics& m = state.m_metrics;
    BlockLayout block;
    block.nRow = nRow;
    block.nCol = nCol;
    block.month = state.GetBlockMonth((nRow - 1) * state.m_nCols + (nCol - 1));

    block.rcHeaderFill = CRect(x, y, x + m.cxBlock - 1, y + m.cyHeader);
    block.rcTitle = CRect(x + 1, y + 1, x + m.cxBlock - 10, y + m.cyHeader - 2);
    block.rcHeaderHit = CRect(x + 10, y + 1, x + m.cxBlock - 20, y + m.cyHeader - 2);

    const int cxColumns = 7 * m.cxCell + 6 * kColumnGap;
    block.xGridLeft = x + m.cxBlock / 2 - cxColumns / 2;
    block.xGridRight = x + m.cxBlock / 2 + cxColumns / 2;

    const int yWeekday = y + m.cyHeader;
    for (int i = 0; i < 7; ++i) {
        const int cx = block.xGridLeft + i * (m.cxCell + kColumnGap);
        block.rcWeekday[i] = CRect(cx, yWeekday + 1, cx + m.cxCell, yWeekday + m.cyWeekday + 2);
    }
    block.yWeekdayLine = yWeekday + m.cyWeekday + 3;

    // Neighbouring months' days only where no other block shows them: leading days in the
    // first block, trailing days in the last.
    const bool bFirst = nRow == 1 && nCol == 1;
    const bool bLast = nRow == state.m_nRows && nCol == state.m_nCols;
    LayoutDays(block, m, yWeekday + m.cyWeekday + 4, bFirst, bLast);
    return block;
}

} // namespace

CRect DayCellHitRect(const CRect& rcText)
{
    return CRect(rcText.left - 3, rcText.top, rcText.right + 2, rcText.bottom + 2);
}

CRect DayCellSelectionRect(const CRect& rcText)
{
    return CRect(rcText.left - 3, rcText.top, rcText.right + 2, rcText.bottom + 3);
}

CRect DayCellTodayFrame(const CRect& rcText)
{
    return CRect(rcText.left - 3, rcText.top, rcText.right + 2, rcText.bottom + 1);
}

CalendarLayout LayoutCalendar(const MonthCalendarState& state, CSize sizeClient,
                              CSize sizeButtonText)
{
    const CalendarMetrics& m = state.m_metrics;
    CalendarLayout layout;
    layout.nMargin = state.m_bBorder ? kBorderMargin : 0;

    int y = layout.nMargin;
    for (int nRow = 1; nRow <= state.m_nRows; ++nRow, y += m.cyBlock) {
        int x = layout.nMargin;
        for (int nCol = 1; nCol <= state.m_nCols; ++nCol, x += m.cxBlock) {
            layout.blocks.push_back(LayoutBlock(state, nRow, nCol, x, y));
            if (nRow == 1 && nCol == 1)
                layout.prevArrow = PrevArrow(x, y, m.cyHeader);
            if (nRow == 1 && nCol == state.m_nCols)
                layout.nextArrow = NextArrow(x, y, m.cxBlock, m.cyHeader);
        }
    }

    layout.bTodayButton = state.m_bTodayButton != 0;
    layout.bNoneButton = state.m_bNoneButton != 0;
    if (layout.bTodayButton || layout.bNoneButton) {
        const int bw = sizeButtonText.cx + 12;
        const int bh = sizeButtonText.cy + 6;
        int x = layout.bTodayButton && layout.bNoneButton
                    ? (sizeClient.cx - (2 * bw + kButtonGap)) / 2
                    : sizeClient.cx / 2 - bw / 2;
        if (layout.bTodayButton) {
            layout.rcTodayButton = CRect(x, y, x + bw, y + bh);
            x += bw + kButtonGap;
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
                to.cells[k].rc = DayCellHitRect(from.cells[k].rcText);
                to.cells[k].date = from.cells[k].date;
            } else {
                to.cells[k].Clear();
            }
        }
    }
}
