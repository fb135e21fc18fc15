#include "alarm/AlarmSchedule.h"

CString QuarterHourText(int nIndex)
{
    CString text;
    if (nIndex < 0 || nIndex >= kQuarterHours) return text;
    const int nHour = nIndex / 4;
    const int nMinute = 15 * (nIndex % 4);
    const int nHour12 = nHour % 12 == 0 ? 12 : nHour % 12;
    text.Format("%d:%02d %s", nHour12, nMinute, nHour < 12 ? "A.M." : "P.M.");
    return text;
}

int QuarterHourIndex(int nHour, int nMinute)
{
    return nHour * 4 + nMinute / 15;
}

void QuarterHourTime(int nIndex, int& nHour, int& nMinute)
{
    if (nIndex < 0) nIndex = 0;
    if (nIndex >= kQuarterHours) nIndex = kQuarterHours - 1;
    nHour = nIndex / 4;
    nMinute = 15 * (nIndex % 4);
}

ShownAlarm ChooseShownAlarm(const COleDateTime& alarmTime, const COleDateTime& now)
{
    ShownAlarm shown;
    shown.alarmTime = alarmTime;
    // An invalid moment has no place in time: it is treated as one that has expired.
    shown.bMoved = alarmTime.GetStatus() != COleDateTime::valid || alarmTime < now;
    if (shown.bMoved) shown.alarmTime = now;
    const COleDateTime& at = shown.alarmTime;
    shown.nIndex = QuarterHourIndex(at.GetHour(), at.GetMinute()) + (shown.bMoved ? 1 : 0);
    shown.shownDate.SetDate(at.GetYear(), at.GetMonth(), at.GetDay());
    if (shown.nIndex >= kQuarterHours) {
        // Past the last entry: the next quarter-hour is midnight of the next day, never an
        // empty list that OK would read as midnight of today.
        shown.nIndex = 0;
        shown.shownDate += COleDateTimeSpan(1, 0, 0, 0);
    }
    return shown;
}

COleDateTime MomentFromChoice(const COleDateTime& date, int nIndex, const COleDateTime& previous)
{
    if (date.GetStatus() != COleDateTime::valid) return previous;
    int nHour = 0, nMinute = 0;
    QuarterHourTime(nIndex, nHour, nMinute);
    COleDateTime moment;
    if (moment.SetDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), nHour, nMinute, 0) !=
        COleDateTime::valid)
        return previous;
    return moment;
}

bool IsAlarmDue(int nOnOff, const COleDateTime& alarmTime, const COleDateTime& now)
{
    return nOnOff == 0 && alarmTime.GetStatus() == COleDateTime::valid && alarmTime <= now;
}

bool TakeDueAlarm(int& nOnOff, const COleDateTime& alarmTime, const COleDateTime& now)
{
    if (!IsAlarmDue(nOnOff, alarmTime, now)) return false;
    nOnOff = 1;
    return true;
}
