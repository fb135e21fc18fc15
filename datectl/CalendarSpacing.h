// The calendar's gaps, paddings and line widths at one dpi. They were drawn for 96 dpi and are
// scaled as every other size is (dpi/DpiScale), so that the calendar keeps its proportions on
// a high-dpi monitor; lines only thicken in whole pixels, so that they stay sharp.
#pragma once

struct CalendarSpacing {
    int nDpi = 96;
    int nLine = 1; // width of every drawn line and frame
    // Month blocks.
    int cyHeaderPad = 6; // around the title text
    int cxTitlePad = 30; // room for the arrows beside the title
    int cxGridPad = 60;  // left and right of the seven columns
    int cyRowGap = 2;    // below each week
    int cyBlockPad = 12; // above and below the day grid together
    int cxColumnGap = 5;
    int nBlockGap = 1; // right of each header
    // The header's title and its hit area.
    int nTitleInset = 1; // left and top
    int cxTitleRight = 10;
    int cyTitleBottom = 2;
    int cxHeaderHitLeft = 10;
    int cxHeaderHitRight = 20;
    // The paging arrows: the tip's distance from the block's edge, and the hit area's slack.
    int cxPrevArrowTip = 6;
    int cxNextArrowTip = 10;
    int nArrowSlack = 1;
    // Weekday letters and the line under them, from the header's bottom (and the letters').
    int cyWeekdayTop = 1;
    int cyWeekdayBottom = 2;
    int cyWeekdayLine = 3;
    int cyGridTop = 4;
    // A day's hit, selection and today rectangles around its number.
    int cxCellLeft = 3;
    int cxCellRight = 2;
    int cyCellHit = 2;
    int cySelectionBottom = 3;
    int cyTodayBottom = 1;
    // The footer with its buttons, and the frame around the whole control.
    int cyFooterPad = 15;
    int cxButtonPad = 12;
    int cyButtonPad = 6;
    int cxButtonGap = 10;
    int nPressShift = 2;   // a pressed button's label sinks by this much
    int nBorder = 6;       // both sides together
    int nBorderMargin = 4; // where the blocks start inside the frame
    // The month list's text inset, left and right.
    int cxListMargin = 10;
};

// Every size of the 96-dpi spacing scaled to `dpi` (96 when it is not positive).
CalendarSpacing CalendarSpacingForDpi(int dpi);
