// The month list's data and arithmetic: which months its lines show, which line is hot, and
// how far it has scrolled. The list window (CMonthPicker) derives from it.
#pragma once

#include "datectl/MonthMath.h"
#include "framework/Geometry.h"

class MonthListState {
public:
    MonthListState();
    virtual ~MonthListState() = default;

    // Odd counts above 2 only, so that one line is the middle.
    void SetRows(int nRows);
    // Month and year are checked each on its own, as the calendar's SetShownMonth does.
    void SetMiddleMonth(int nMonth, int nYear);

    // The month on line nLine (0 = top); may lie outside years 100..9999 near the limits.
    YearMonth GetLineMonth(int nLine) const;
    static bool IsShowableMonth(YearMonth ym);

    // The hot line for a mouse at yClient (list client coordinates), or -1 for none. Above
    // the list the top line is hot, below it the bottom line.
    int HitLine(int yClient, int cyLine, int cyClient) const;
    // The hot line becomes the picked month.
    void PickLine(int nLine);

    // One step of the scroll that runs while the mouse is above or below the list:
    // yScreen is the mouse, rcClientScreen the list's client area, both in screen pixels.
    void ScrollStep(int yScreen, const CRect& rcClientScreen);
    void ScrollUp(int nStep);
    void ScrollDown(int nStep);

    int m_nMonth;
    int m_nYear;
    int m_nRows = 7;
    int m_nPickedMonth;
    int m_nPickedYear;
    COLORREF m_crBack = RGB(255, 255, 255);
    COLORREF m_crText = RGB(0, 0, 0);
    int m_nUpCount = 0;
    int m_nDownCount = 0;
};

// The list's window rectangle (screen): centred on the press, tall enough for nRows lines of
// cyLine and wide enough for the widest "<month name> 0000" with cxMargin either side.
CRect MonthListPlacement(CPoint ptPress, int cyLine, int cxWidestLine, int nRows,
                         int cxMargin = 10);
