// Sizes of the calendar's parts, worked out from measured text and nothing else, so that a
// test can hand in any text widths.
#pragma once

#include "datectl/CalendarSpacing.h"
#include "framework/Geometry.h"
#include "framework/String.h"

#include <functional>

enum CalendarFontRole { CALFONT_HEADER, CALFONT_WEEKDAY, CALFONT_DAY, CALFONT_SPECIALDAY };

// Measures one line of text in one of the calendar's four fonts.
class CalendarTextMeasure {
public:
    virtual ~CalendarTextMeasure() = default;
    virtual CSize Measure(CalendarFontRole role, const CString& text) = 0;
};

struct CalendarMetrics {
    int cyHeader = 0;  // month-and-year title row
    int cxCell = 0;    // widest day number or weekday letter
    int cyWeekday = 0; // weekday letters
    int cyCell = 0;    // tallest day number
    int cxBlock = 0;   // one month block
    int cyBlock = 0;
};

// Day numbers in both day fonts, the weekday letters, and every month name with every year
// within ten of nYear. monthNames[1..12] are used. Text is measured in the fonts of the
// spacing's dpi.
CalendarMetrics ComputeCalendarMetrics(CalendarTextMeasure& measure, const CString monthNames[13],
                                       int nYear,
                                       const CalendarSpacing& spacing = CalendarSpacing());

// Height of the footer that holds the "Today" and "None" buttons; 0 without buttons.
int CalendarFooterHeight(bool bAnyButton, int cyButtonText,
                         const CalendarSpacing& spacing = CalendarSpacing());

// The whole control: the month blocks, the footer and, with a border, 6 pixels each way (at
// 96 dpi).
CSize CalendarTotalSize(const CalendarMetrics& metrics, int nRows, int nCols, bool bBorder,
                        int cyFooter, const CalendarSpacing& spacing = CalendarSpacing());

// Font size the auto-size starts from, by the width in pixels of the calendar's monitor.
int AutoSizePointSize(int cxScreen);

// What m_sizeLimit means: (-2, -2) no limit, (-1, -1) the parent's window size less the
// control's place in the parent's client area, anything else itself.
struct AvailableSpace {
    bool bLimited = false;
    CSize size;
};
AvailableSpace AutoSizeAvailableSpace(CSize sizeLimit, bool bHasParent, CSize sizeParentWindow,
                                      CPoint ptInParentClient);

// Shrinks from nStartSize by one point at a time while the total size exceeds the space and
// the size is above nMinSize. totalSizeAt(n) gives the total size with every font at n points.
int AutoSizeShrink(int nStartSize, int nMinSize, const AvailableSpace& space,
                   const std::function<CSize(int)>& totalSizeAt);
