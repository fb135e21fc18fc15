// Which part of the calendar a point is on, from the rectangles the last paint recorded.
#pragma once

#include "datectl/CalendarState.h"

enum CalendarHitPart {
    CALHIT_NOWHERE,
    CALHIT_PREVARROW,
    CALHIT_NEXTARROW,
    CALHIT_TODAYBUTTON,
    CALHIT_NONEBUTTON,
    CALHIT_HEADER,
    CALHIT_DAY,
};

struct CalendarHit {
    CalendarHitPart part = CALHIT_NOWHERE;
    int nBlock = -1;   // CALHIT_HEADER and CALHIT_DAY
    int nCell = -1;    // CALHIT_DAY
    COleDateTime date; // CALHIT_DAY
};

// Tried in the order a press acts on them: arrows, footer buttons, headers, days.
CalendarHit CalendarHitTest(const MonthCalendarState& state, CPoint pt);

// Only the day cells: the first drawn cell of the first block whose grid holds pt.
CalendarHit CalendarDayHitTest(const MonthCalendarState& state, CPoint pt);
