// What calendar.exe answers about its calendar, for programs that drive it from outside
// (the end-to-end tests). Send CALTOOL_QUERY to its main window with one of the kinds below;
// points come back in screen coordinates as MAKELONG(x, y), -1 when there is no such point.
#pragma once

#include <windows.h>

constexpr UINT CALTOOL_QUERY = WM_APP + 1;

enum CalendarToolQueryKind : WPARAM {
    CALTOOL_CELL_TOPLEFT = 1,     // lParam yyyymmdd: top-left of the day's recorded cell
    CALTOOL_CELL_BOTTOMRIGHT = 2, // lParam yyyymmdd: bottom-right (outside) of that cell
    CALTOOL_PREV_ARROW = 3,       // centre of the previous-month arrow
    CALTOOL_NEXT_ARROW = 4,       // centre of the next-month arrow
    CALTOOL_TODAY_BUTTON = 5,     // centre of the "Today" button
    CALTOOL_HEADER = 6,           // lParam block index: centre of that block's title
    CALTOOL_SHOWN_MONTH = 7,      // year * 100 + month of the first block
    CALTOOL_CLICKS = 8,           // NM_CLICK notifications so far
    CALTOOL_DBLCLKS = 9,          // NM_DBLCLK notifications so far
    CALTOOL_LIST_MIDDLE = 10,     // year * 100 + month on the month list's middle line, or -1
    CALTOOL_LIST_LINE = 11,       // height of one month list line, or -1
};

inline LPARAM CalendarToolDate(int nYear, int nMonth, int nDay)
{
    return nYear * 10000 + nMonth * 100 + nDay;
}
