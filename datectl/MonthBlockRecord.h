// Hit-test records the calendar's painting leaves behind: one per month block.
#pragma once

#include "framework/DateTime.h"
#include "framework/Geometry.h"

#include <array>

constexpr int CALENDAR_CELLS = 42; // six weeks of seven days, also for a short February

struct DayCellRecord {
    CRect rc;          // empty while the cell is not drawn
    COleDateTime date; // 0.0 while the cell is not drawn

    void Clear()
    {
        rc.SetRectEmpty();
        date = COleDateTime();
    }
};

struct MonthBlockRecord {
    CRect rcHeader; // the title area that opens the month list
    int nRow = 0;   // 1-based
    int nCol = 0;
    CRect rcGrid;   // the day grid
    std::array<DayCellRecord, CALENDAR_CELLS> cells;
};
