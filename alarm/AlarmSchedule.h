// The alarm's arithmetic without a window: the quarter-hour list, the moment the dialog shows
// when it opens, the moment OK stores, and the due test.
#pragma once

#include "framework/DateTime.h"
#include "framework/String.h"

// Entries of the time list: one per quarter-hour of a day, 12:00 A.M. first.
constexpr int kQuarterHours = 96;

// "12:00 A.M.", "12:15 A.M." ... "11:45 P.M."; "" outside 0..95.
CString QuarterHourText(int nIndex);
// The entry that holds hour:minute (0..23, 0..59).
int QuarterHourIndex(int nHour, int nMinute);
// Hour and minute of an entry; a negative index counts as 0, one past the end as 95.
void QuarterHourTime(int nIndex, int& nHour, int& nMinute);

// What the dialog shows when it opens.
struct ShownAlarm {
    COleDateTime alarmTime; // the stored moment, moved to now when it had expired
    COleDateTime shownDate; // the day the date field shows
    int nIndex = 0;         // the time list entry to select
    bool bMoved = false;
};
// A moment earlier than now (or none at all) is replaced by now, and the list then shows the
// quarter-hour after the current one; from 11:45 P.M. on that is the next day's first entry.
ShownAlarm ChooseShownAlarm(const COleDateTime& alarmTime, const COleDateTime& now);

// The moment OK stores: the chosen day at the chosen entry's time, second 0. A date that is
// no date (or a moment that cannot be formed) keeps the previous moment.
COleDateTime MomentFromChoice(const COleDateTime& date, int nIndex, const COleDateTime& previous);

// Armed (nOnOff 0) and due (the moment is not later than now); an invalid moment never is.
bool IsAlarmDue(int nOnOff, const COleDateTime& alarmTime, const COleDateTime& now);
// The due test: a due alarm is switched Off (so it fires once) and true is returned.
bool TakeDueAlarm(int& nOnOff, const COleDateTime& alarmTime, const COleDateTime& now);
