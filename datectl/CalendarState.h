// Everything the month calendar knows, as a record without a window: what it shows, how it
// looks, what its last paint drew where, and what the mouse is doing. The window class
// (CMonthCalendar) derives from it; layout, hit testing and the tests work on it directly.
#pragma once

#include "datectl/CalendarMetrics.h"
#include "datectl/CalendarTypes.h"
#include "datectl/CalendarFont.h"
#include "datectl/MonthBlockRecord.h"
#include "datectl/MonthMath.h"
#include "framework/DateTime.h"
#include "framework/Geometry.h"
#include "framework/String.h"

#include <vector>

class MonthCalendarState {
public:
    MonthCalendarState();
    virtual ~MonthCalendarState();
    MonthCalendarState(const MonthCalendarState&) = delete;
    MonthCalendarState& operator=(const MonthCalendarState&) = delete;

    // Each setter ignores values outside its range and keeps the old ones.
    void SetHeaderFont(LPCSTR lpszFace, int nPointSize, BOOL bBold, BOOL bItalic,
                       BOOL bUnderline, COLORREF crText);
    void SetWeekdayFont(LPCSTR lpszFace, int nPointSize, BOOL bBold, BOOL bItalic,
                        BOOL bUnderline, COLORREF crText);
    void SetDayFont(LPCSTR lpszFace, int nPointSize, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                    COLORREF crText);
    void SetSpecialDayFont(LPCSTR lpszFace, int nPointSize, BOOL bBold, BOOL bItalic,
                           BOOL bUnderline, COLORREF crText);
    void SetFaceName(LPCSTR lpszFace);
    void SetMinFontSize(int nPointSize);
    void SetMonthName(int nMonth, LPCSTR lpszName);
    CString GetMonthName(int nMonth) const;
    // Month and year are checked each on its own: (0, 2031) changes only the year.
    void SetShownMonth(int nMonth, int nYear);
    // Rebuilds the hit-test records; the next paint fills them.
    void SetLayout(int nRows, int nCols);
    void SetSizeLimit(int cx, int cy) { m_sizeLimit = CSize(cx, cy); }
    void SetDayStateCallback(PFN_CALENDARDAYSTATE pfn) { m_pfnDayState = pfn; }

    // Turns the CALS_ bits of a window style into the members they stand for.
    void ApplyCreateStyle(DWORD dwStyle);
    // All four fonts in the face name at one size, as auto-size wants them.
    void SetAllFonts(int nPointSize);

    // An invalid date clears the selection; a valid one selects that day.
    void SetSelection(const COleDateTime& date);
    // The selected day, or an invalid date when there is none or in range mode.
    COleDateTime GetSelection() const;
    bool IsDaySelected(long nDaySerial) const;

    YearMonth GetShownMonth() const { return YearMonth{m_nMonth, m_nYear}; }
    // The month that block nIndex (row-major) shows.
    YearMonth GetBlockMonth(int nIndex) const;
    int GetBlockCount() const { return static_cast<int>(m_blocks.size()); }

    // Forgets every drawn day cell, so a cell the next paint does not draw is never hit.
    void ClearDayCells();
    // Pages by one screenful of months; false when the year limit left nothing to move.
    bool PageStep(bool bForward);
    // A press on a day: the selection (and, in range mode, the anchor) starts there.
    void PressDay(const COleDateTime& date);
    // The mouse moved over another day while the press is tracked.
    void TrackDay(const COleDateTime& date);
    // The footer buttons: today's month with today selected, or no selection at all.
    void GoToToday(const COleDateTime& now);
    void ChooseNone(const COleDateTime& now);
    // The month list picked a month for block nBlock: that block shows it from now on.
    void ShowPickedMonth(YearMonth picked, int nBlock);

    void InvalidateFonts();

    // Shown months and layout.
    int m_nMonth;
    int m_nYear;
    FontSpec m_fontHeader;
    FontSpec m_fontWeekday;
    FontSpec m_fontDay;
    FontSpec m_fontSpecialDay;
    COLORREF m_crBackground;
    int m_bTodayMark = 1;
    int m_bTodayButton = 0;
    int m_bNoneButton = 0;
    COLORREF m_crOtherMonth;
    CString m_strMonthNames[13]; // 1..12
    int m_nRows = 1;
    int m_nCols = 1;
    int m_bRangeSelect = 0;
    int m_bBorder = 1;
    int m_bAutoSize = 0;
    CSize m_sizeLimit{-1, -1};
    CString m_strFaceName{"Tahoma"};
    int m_nMinFontSize = 5;
    PFN_CALENDARDAYSTATE m_pfnDayState = nullptr;

    // Mouse interaction.
    int m_bTrackingDay = 0;
    COleDateTime m_rangeAnchor;
    int m_bArrowHeld = 0;
    int m_bTodayPressed = 0;
    int m_bTodayHot = 0;
    int m_bNonePressed = 0;
    int m_bNoneHot = 0;
    int m_bMonthListActive = 0;
    int m_nListBlock = -1; // index of the block whose header opened the month list

    // Left by the last paint.
    CRect m_rcPrevArrow;
    CRect m_rcNextArrow;
    CRect m_rcTodayButton;
    CRect m_rcNoneButton;

    int m_nDpi = 96; // of the window it is shown in: fonts, metrics and gaps are made for it
    int m_bFontsCreated = 0;
    int m_bMetricsValid = 0;
    CalendarMetrics m_metrics;

    COleDateTime m_selStart;
    COleDateTime m_selEnd;
    std::vector<MonthBlockRecord> m_blocks;

private:
    static bool IsValidFont(LPCSTR lpszFace, int nPointSize);
    void SetFont(FontSpec& fontSpec, LPCSTR lpszFace, int nPointSize, BOOL bBold, BOOL bItalic,
                 BOOL bUnderline, COLORREF crText);
};
