// CCalendarPopup: the pop-up window that holds a date field's month calendar. A day (or
// "Today") clicked there goes into the field; a click elsewhere or Escape closes it. It asks
// the field to close it by posting WM_DATEEDIT_CLOSEPOPUP, so it is never deleted inside one of
// its own handlers.
#pragma once

#include "datectl/MonthCalendar.h"
#include "framework/DateTime.h"
#include "framework/Wnd.h"

class CDateEdit;

// The click-away poll that runs while the pop-up is open.
constexpr UINT_PTR CALPOPUP_TIMER_ID = 1001;
constexpr UINT CALPOPUP_TIMER_MS = 10;

class CCalendarPopup : public CWnd {
public:
    CCalendarPopup();
    ~CCalendarPopup() override;

    CMonthCalendar m_calendar;
    COleDateTime m_date; // the date it opens with; after a pick, the picked date
    DWORD m_dwCalendarStyle = CALS_TODAYBUTTON | CALS_NONEBUTTON;
    PFN_CALENDARDAYSTATE m_pfnDayState = nullptr;
    CDateEdit* m_pOwner = nullptr;
    int m_bTimerRunning = 0;
    UINT_PTR m_nTimerId = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Opening and closing, as the field does them: the poll timer starts and stops here.
    void StartPoll();
    void StopPoll();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnClose();
    afx_msg void OnCalendarClick(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void AskOwnerToClose() const;
};
