// The window of calendar.exe: one calendar that fills it, the way the date field's pop-up
// holds one, with the last clicked date in the title.
#pragma once

#include "datectl/MonthCalendar.h"
#include "framework/FrameWnd.h"

struct CalendarToolOptions {
    DWORD dwStyle = CALS_TODAYBUTTON;
    int nRows = 1;
    int nCols = 1;
    int nMonth = 0; // 0: the current month
    int nYear = 0;
    COleDateTime selection; // invalid: none
};

class CCalendarHost : public CFrameWnd {
public:
    explicit CCalendarHost(const CalendarToolOptions& options);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnCalendarClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnCalendarDblClk(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg LRESULT OnQuery(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    LRESULT ScreenPoint(CPoint ptClient) const;
    LRESULT CellCorner(LPARAM lDate, bool bBottomRight) const;

    CalendarToolOptions m_options;
    CMonthCalendar m_calendar;
    int m_nClicks = 0;
    int m_nDblClks = 0;
};
