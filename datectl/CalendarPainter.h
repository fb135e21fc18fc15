// Draws a laid-out calendar onto a DC. Reads the state and the layout, changes neither.
#pragma once

#include "datectl/CalendarLayout.h"
#include "framework/Gdi.h"

#include <functional>

// Today's dark red frame.
constexpr COLORREF CALENDAR_TODAYFRAME = RGB(132, 0, 0);

struct CalendarPaintContext {
    CSize sizeClient;
    COleDateTime today;
    // True for days the host wants in the special-day font.
    std::function<bool(const COleDateTime&)> isSpecialDay;
};

// The number of a selected day is written in the background colour on the button-face box,
// unless the two are too alike to read (schemes with a near-white button face); then the
// day keeps its own colour.
COLORREF SelectedDayTextColour(COLORREF crBox, COLORREF crBackground, COLORREF crDay);

void PaintCalendar(CDC& dc, const MonthCalendarState& state, const CalendarLayout& layout,
                   const CalendarPaintContext& context);
