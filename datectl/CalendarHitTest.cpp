#include "datectl/CalendarHitTest.h"

CalendarHit CalendarDayHitTest(const MonthCalendarState& state, CPoint pt)
{
    CalendarHit hit;
    for (int nBlock = 0; nBlock < state.GetBlockCount(); ++nBlock) {
        const MonthBlockRecord& block = state.m_blocks[nBlock];
        if (!block.rcGrid.PtInRect(pt))
            continue;
        for (int nCell = 0; nCell < CALENDAR_CELLS; ++nCell) {
            if (block.cells[nCell].rc.PtInRect(pt)) {
                hit.part = CALHIT_DAY;
                hit.nBlock = nBlock;
                hit.nCell = nCell;
                hit.date = block.cells[nCell].date;
                return hit;
            }
        }
    }
    return hit;
}

CalendarHit CalendarHitTest(const MonthCalendarState& state, CPoint pt)
{
    CalendarHit hit;
    if (state.m_rcPrevArrow.PtInRect(pt)) {
        hit.part = CALHIT_PREVARROW;
    } else if (state.m_rcNextArrow.PtInRect(pt)) {
        hit.part = CALHIT_NEXTARROW;
    } else if (state.m_rcTodayButton.PtInRect(pt)) {
        hit.part = CALHIT_TODAYBUTTON;
    } else if (state.m_rcNoneButton.PtInRect(pt)) {
        hit.part = CALHIT_NONEBUTTON;
    } else {
        for (int nBlock = 0; nBlock < state.GetBlockCount(); ++nBlock) {
            if (state.m_blocks[nBlock].rcHeader.PtInRect(pt)) {
                hit.part = CALHIT_HEADER;
                hit.nBlock = nBlock;
                return hit;
            }
        }
        return CalendarDayHitTest(state, pt);
    }
    return hit;
}
