#include "datectl/CalendarMetrics.h"

#include <algorithm>

namespace {

CString TwoDigitDay(int nDay)
{
    CString str;
    str.Format("%02d", nDay);
    return str;
}

} // namespace

CalendarMetrics ComputeCalendarMetrics(CalendarTextMeasure& measure, const CString monthNames[13],
                                       int nYear, const CalendarSpacing& spacing)
{
    CalendarMetrics m;

    for (CalendarFontRole role : {CALFONT_DAY, CALFONT_SPECIALDAY}) {
        for (int nDay = 1; nDay <= 31; ++nDay) {
            const CSize size = measure.Measure(role, TwoDigitDay(nDay));
            m.cxCell = std::max<int>(m.cxCell, size.cx);
            m.cyCell = std::max<int>(m.cyCell, size.cy);
        }
    }
    const int cxDay = m.cxCell;

    // "T" and "S" twice in the row; measuring each letter once is enough.
    int cxLetter = 0;
    for (const char* letter : {"S", "M", "T", "W", "F"}) {
        const CSize size = measure.Measure(CALFONT_WEEKDAY, letter);
        cxLetter = std::max<int>(cxLetter, size.cx);
        m.cyWeekday = std::max<int>(m.cyWeekday, size.cy);
    }
    m.cxCell = std::max(m.cxCell, cxLetter);

    // Every title the header can show within ten years, so paging never changes the size.
    int cxTitle = 0;
    int cyTitle = 0;
    for (int nMonth = 1; nMonth <= 12; ++nMonth) {
        for (int nTitleYear = nYear - 10; nTitleYear <= nYear + 10; ++nTitleYear) {
            CString title;
            title.Format("%s %d", static_cast<LPCSTR>(monthNames[nMonth]), nTitleYear);
            const CSize size = measure.Measure(CALFONT_HEADER, title);
            cxTitle = std::max<int>(cxTitle, size.cx);
            cyTitle = std::max<int>(cyTitle, size.cy);
        }
    }
    m.cyHeader = cyTitle + spacing.cyHeaderPad;

    m.cxBlock = std::max({cxTitle + spacing.cxTitlePad, 7 * cxLetter + spacing.cxGridPad,
                          7 * cxDay + spacing.cxGridPad, 0});
    m.cyBlock = std::max(6 * (m.cyCell + spacing.cyRowGap) + m.cyWeekday + m.cyHeader +
                             spacing.cyBlockPad,
                         0);
    return m;
}

int CalendarFooterHeight(bool bAnyButton, int cyButtonText, const CalendarSpacing& spacing)
{
    return bAnyButton ? cyButtonText + spacing.cyFooterPad : 0;
}

CSize CalendarTotalSize(const CalendarMetrics& metrics, int nRows, int nCols, bool bBorder,
                        int cyFooter, const CalendarSpacing& spacing)
{
    CSize size(nCols * metrics.cxBlock, nRows * metrics.cyBlock + cyFooter);
    if (bBorder) {
        size.cx += spacing.nBorder;
        size.cy += spacing.nBorder;
    }
    return size;
}

int AutoSizePointSize(int cxScreen)
{
    if (cxScreen < 800)
        return 7;
    if (cxScreen < 1024)
        return 8;
    if (cxScreen < 1280)
        return 10;
    return 12;
}

AvailableSpace AutoSizeAvailableSpace(CSize sizeLimit, bool bHasParent, CSize sizeParentWindow,
                                      CPoint ptInParentClient)
{
    AvailableSpace space;
    if (sizeLimit.cx == -2 && sizeLimit.cy == -2)
        return space;
    space.bLimited = true;
    if (sizeLimit.cx == -1 && sizeLimit.cy == -1) {
        if (bHasParent)
            space.size = CSize(sizeParentWindow.cx - ptInParentClient.x,
                               sizeParentWindow.cy - ptInParentClient.y);
        else
            space.bLimited = false; // nothing to fit into
        return space;
    }
    space.size = sizeLimit;
    return space;
}

int AutoSizeShrink(int nStartSize, int nMinSize, const AvailableSpace& space,
                   const std::function<CSize(int)>& totalSizeAt)
{
    int nSize = nStartSize;
    if (!space.bLimited)
        return nSize;
    CSize total = totalSizeAt(nSize);
    while ((total.cx > space.size.cx || total.cy > space.size.cy) && nSize > nMinSize) {
        --nSize;
        total = totalSizeAt(nSize);
    }
    return nSize;
}
