// CMonthPicker: the list of months shown while a calendar header is held down. It is only
// a picture: the calendar keeps the mouse captured and drives it (scrolling, picking).
#pragma once

#include "datectl/MonthListState.h"
#include "framework/Gdi.h"
#include "framework/Wnd.h"

class CMonthCalendar;

class CMonthPicker : public CWnd, public MonthListState {
public:
    CMonthPicker();
    ~CMonthPicker() override;

    // Supplies the month names and the font.
    CMonthCalendar* m_pOwnerCalendar = nullptr;

    // Sizes the list for its lines, centres it on ptScreen (moved to stay inside the work area)
    // and repaints it.
    void PlaceAround(CPoint ptScreen);
    int GetLineHeight() const { return m_cyLine; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    HGDIOBJ GetListFont() const;
    int TextMargin() const; // left and right of the text, at the calendar's dpi
    CString LineText(YearMonth ym) const;

    int m_cyLine = 0;     // height of one line
    int m_cxAlphabet = 0; // width of the text rectangle of a line
};
