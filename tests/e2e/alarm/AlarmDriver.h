#pragma once
// Driving a note's alarm dialog and a date field's calendar pop-up from outside. Where a day
// or the "Today" button lies in another process's pop-up is found with a twin: the same
// calendar, made and painted in this process with the same fonts, style and month.

#include <windows.h>

#include <string>

#include "e2e.h"
#include "framework/DateTime.h"

namespace alarms {

const char kAlarmCaption[] = "Tacknote Alarm";
const int kDateId = 221;
const int kTimeId = 222;
const int kOnId = 223;
const int kOffId = 224;
const int kBeepId = 225;
const int kShakeId = 226;
const int kDropButtonId = 9191;
const int kCalendarId = 32999;

// Opens "Alarm..." from the note's menu and returns the dialog, or nullptr.
HWND OpenAlarmDialog(HWND note);
bool IsChecked(HWND dlg, int id);
int TimeSelection(HWND dlg);
std::string TimeText(HWND dlg, int index);
// "MM/DD/YYYY" of a day, as the date field writes it.
std::string FieldText(const COleDateTime& day);

// The visible calendar pop-ups of a process (top-level windows holding control 32999).
int CountPopups(DWORD pid);
HWND FindPopup(DWORD pid);
// Clicks the drop button next to the date field and waits for the pop-up.
HWND OpenPopup(HWND dlg);

// Screen points inside a pop-up that shows `month` (its first day) with `selection`.
class PopupMap {
public:
    PopupMap(HWND popup, const COleDateTime& month, const COleDateTime& selection);
    bool SameSizeAsPopup() const { return m_bSameSize; }
    POINT Day(const COleDateTime& day) const; // {-1, -1} when the day is not shown
    POINT TodayButton() const;
    POINT NextArrow() const;

private:
    POINT m_origin = {0, 0};
    bool m_bSameSize = false;
    RECT m_today = {};
    RECT m_next = {};
    struct Cell {
        long nSerial;
        RECT rc;
    };
    Cell m_cells[42] = {};
};

// Keeps polling until the window has kept the rectangle for `steadyMs`.
bool WaitUntilSteadyAt(HWND window, const RECT& rc, DWORD steadyMs, DWORD timeoutMs);

} // namespace alarms
