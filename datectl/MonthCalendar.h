// CMonthCalendar: an owner-drawn month calendar. One or more month blocks with a header,
// weekday letters and a six-week grid; an optional footer with "Today" and "None"; month
// paging with the arrows and a month list under a pressed header. A released press on a day
// or a footer button sends NM_CLICK to the parent, a double-click on a day NM_DBLCLK.
//
// The data, layout and hit testing live in MonthCalendarState and the functions beside it;
// this class adds the window: measuring and painting on real DCs, and the mouse.
#pragma once

#include "datectl/CalendarState.h"
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "framework/WndTimer.h"

#include <memory>

class CMonthPicker;

class CMonthCalendar : public CWnd, public MonthCalendarState {
public:
    CMonthCalendar();
    ~CMonthCalendar() override;

    // As MonthCalendarState::SetLayout; a self-sizing calendar then sizes itself again.
    void SetLayout(int nRows, int nCols);
    // The size the calendar needs for its layout and fonts; measures its text every time.
    CSize GetTotalSize();
    // With CALS_AUTOSIZE: the font size from the screen width, shrunk until the calendar
    // fits its size limit, and the window resized (not moved) to match.
    void AutoSize();

    // Measures again when the window has moved to a monitor of another dpi (a self-sizing
    // calendar sizes itself again); false when its dpi stayed.
    bool UpdateDpi();

    // The month list while a header is held down, else nullptr.
    CMonthPicker* GetMonthList() const { return m_pMonthList.get(); }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnDevModeChange(LPTSTR lpDeviceName);
    afx_msg void OnFontChange();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnTimeChange();
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // Takes the window's dpi (the system's before there is a window); fonts and metrics made
    // for another are dropped. True when it changed.
    bool FollowDpi();
    void EnsureFonts();
    void ComputeMetrics(CDC& dc);
    CSize MeasureButtonText(CDC& dc);
    void Draw(CDC& dc);
    void Repaint();
    void Notify(int nCode);
    void ShowNextPage(bool bForward);
    // Forgets presses that lost their button-up outside the window.
    void DropStalePresses(UINT nFlags);
    void OpenMonthList(int nBlock);
    void CloseMonthList();
    void ScrollMonthList(int yScreen);

    std::unique_ptr<CMonthPicker> m_pMonthList;
    CWndTimer m_listTimer; // scrolls the month list while the mouse rests off it
};
