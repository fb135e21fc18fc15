#include "datectl/CalendarSpacing.h"

#include "dpi/DpiScale.h"

CalendarSpacing CalendarSpacingForDpi(int dpi)
{
    CalendarSpacing s;
    if (dpi <= 0) dpi = kFileDpi;
    s.nDpi = dpi;
    // 1 px up to 191 dpi: a line of 1.5 px can't be drawn sharp.
    s.nLine = dpi / kFileDpi > 1 ? dpi / kFileDpi : 1;
    for (int* size :
         {&s.cyHeaderPad,     &s.cxTitlePad,     &s.cxGridPad,         &s.cyRowGap,
          &s.cyBlockPad,      &s.cxColumnGap,    &s.nBlockGap,         &s.nTitleInset,
          &s.cxTitleRight,    &s.cyTitleBottom,  &s.cxHeaderHitLeft,   &s.cxHeaderHitRight,
          &s.cxPrevArrowTip,  &s.cxNextArrowTip, &s.nArrowSlack,       &s.cyWeekdayTop,
          &s.cyWeekdayBottom, &s.cyWeekdayLine,  &s.cyGridTop,         &s.cxCellLeft,
          &s.cxCellRight,     &s.cyCellHit,      &s.cySelectionBottom, &s.cyTodayBottom,
          &s.cyFooterPad,     &s.cxButtonPad,    &s.cyButtonPad,       &s.cxButtonGap,
          &s.nPressShift,     &s.nBorder,        &s.nBorderMargin,     &s.cxListMargin})
        *size = FileToDevice(*size, dpi);
    return s;
}
