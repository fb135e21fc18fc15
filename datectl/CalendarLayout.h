// Where every part of the calendar goes for a given state and client size. Painting draws
// this layout and then records its hit rectangles; nothing here touches a device.
#pragma once

#include "datectl/CalendarState.h"

#include <array>
#include <vector>

struct DayCellLayout {
    CRect rcText;        // the day number, right- and bottom-aligned
    COleDateTime date;   // at 0:00
    bool bShown = false; // false: the cell stays blank and cannot be hit
    bool bOtherMonth = false;
};

// A solid triangle drawn as lines from the tip to every point of its base.
struct ArrowLayout {
    CPoint ptTip;
    int xBase = 0;
    int yBaseTop = 0;
    int yBaseBottom = 0;
    CRect rcHit;
};

struct BlockLayout {
    int nRow = 0;
    int nCol = 0;
    YearMonth month;
    CRect rcHeaderFill; // filled and framed
    CRect rcTitle;      // month name and year, centred
    CRect rcHeaderHit;  // opens the month list
    int xGridLeft = 0;  // the seven columns with their gaps, centred in the block
    int xGridRight = 0;
    std::array<CRect, 7> rcWeekday; // the letters S M T W T F S
    int yWeekdayLine = 0;
    CRect rcGrid;
    std::array<DayCellLayout, CALENDAR_CELLS> cells;
};

struct CalendarLayout {
    CalendarSpacing spacing; // at the calendar's dpi
    int nMargin = 0;
    std::vector<BlockLayout> blocks;
    ArrowLayout prevArrow;
    ArrowLayout nextArrow;
    bool bTodayButton = false;
    bool bNoneButton = false;
    CRect rcTodayButton;
    CRect rcNoneButton;
};

// sizeButtonText is "Today" measured in the weekday font (both buttons share its size). The
// gaps between the parts are those of the state's dpi.
CalendarLayout LayoutCalendar(const MonthCalendarState& state, CSize sizeClient,
                              CSize sizeButtonText);

// The rectangles a day cell's text rectangle implies.
CRect DayCellHitRect(const CRect& rcText, const CalendarSpacing& spacing = CalendarSpacing());
CRect DayCellSelectionRect(const CRect& rcText,
                           const CalendarSpacing& spacing = CalendarSpacing());
CRect DayCellTodayFrame(const CRect& rcText, const CalendarSpacing& spacing = CalendarSpacing());

// Copies the layout's hit rectangles into the state, as painting does.
void RecordCalendarLayout(MonthCalendarState& state, const CalendarLayout& layout);
