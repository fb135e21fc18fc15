// Constants and the callback type shared by the month calendar, its month list and its hosts.
#pragma once

#include <windows.h>

class CMonthCalendar;
class COleDateTime;

// Calendar style bits, read from the low word of the window style at WM_CREATE.
constexpr DWORD CALS_RANGESELECT = 0x0040;
constexpr DWORD CALS_NOTODAYMARK = 0x0080;
constexpr DWORD CALS_TODAYBUTTON = 0x0100;
constexpr DWORD CALS_NONEBUTTON = 0x0200;
constexpr DWORD CALS_AUTOSIZE = 0x0400;
constexpr DWORD CALS_NOBORDER = 0x0800;

// The control id the calendar has inside the date field's pop-up.
constexpr UINT IDC_MONTHCALENDAR = 32999;

// The month list's scroll timer, set on the calendar while the list is shown.
constexpr UINT CALENDAR_LISTTIMER_ID = 1001;
constexpr UINT CALENDAR_LISTTIMER_MS = 30;

// The year range COleDateTime can hold; shown months stay inside it.
constexpr int CALENDAR_MINYEAR = 100;
constexpr int CALENDAR_MAXYEAR = 9999;

// Returns nonzero to draw the day in the special-day font. Called while painting.
typedef int (*PFN_CALENDARDAYSTATE)(CMonthCalendar* pCalendar, const COleDateTime* pDate);
