#include "alarm/KeptAlarm.h"

#include <cctype>
#include <cstring>

#include "alarm/AlarmSchedule.h"

const char kAlarmSection[] = "Alarm";

namespace {

constexpr int kFirstYear = 100;
constexpr int kLastYear = 9998;

bool InKeptYears(const COleDateTime& moment)
{
    return moment.GetStatus() == COleDateTime::valid && moment.GetYear() >= kFirstYear &&
           moment.GetYear() <= kLastYear;
}

// The number of `count` digits at text[at]; -1 when one of them is no digit.
int Digits(const char* text, int at, int count)
{
    int value = 0;
    for (int i = at; i < at + count; ++i) {
        if (!isdigit(static_cast<unsigned char>(text[i]))) return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool ParseFlag(const char* text, int& flag)
{
    if (!text || (strcmp(text, "0") != 0 && strcmp(text, "1") != 0)) return false;
    flag = text[0] - '0';
    return true;
}

} // namespace

CString FormatAlarmMoment(const COleDateTime& moment)
{
    CString text;
    if (!InKeptYears(moment)) return text;
    text.Format("%04d-%02d-%02d %02d:%02d", moment.GetYear(), moment.GetMonth(), moment.GetDay(),
                moment.GetHour(), moment.GetMinute());
    return text;
}

bool ParseAlarmMoment(const char* text, COleDateTime& moment)
{
    if (!text || strlen(text) != 16 || text[4] != '-' || text[7] != '-' || text[10] != ' ' ||
        text[13] != ':')
        return false;
    const int nYear = Digits(text, 0, 4), nMonth = Digits(text, 5, 2), nDay = Digits(text, 8, 2);
    const int nHour = Digits(text, 11, 2), nMinute = Digits(text, 14, 2);
    if (nYear < kFirstYear || nYear > kLastYear || nMonth < 0 || nDay < 0 || nHour < 0 ||
        nMinute < 0)
        return false;
    COleDateTime parsed;
    if (parsed.SetDateTime(nYear, nMonth, nDay, nHour, nMinute, 0) != COleDateTime::valid)
        return false;
    moment = parsed;
    return true;
}

bool ParseKeptAlarm(const char* moment, const char* beep, const char* shake, KeptAlarm& alarm)
{
    KeptAlarm parsed;
    if (!ParseAlarmMoment(moment, parsed.moment) || !ParseFlag(beep, parsed.bBeep) ||
        !ParseFlag(shake, parsed.bShake))
        return false;
    alarm = parsed;
    return true;
}

KeptAlarmAtStart DecideAtStart(bool bKeep, AlarmSection section, const KeptAlarm& alarm,
                               const COleDateTime& now)
{
    if (section == AlarmSection::Absent) return KeptAlarmAtStart::None;
    if (!bKeep) return KeptAlarmAtStart::Remove;
    // A damaged section is left for the user to see; the next change of the alarm replaces it.
    if (section == AlarmSection::Damaged) return KeptAlarmAtStart::None;
    return IsAlarmDue(0, alarm.moment, now) ? KeptAlarmAtStart::Missed : KeptAlarmAtStart::Arm;
}

bool ShouldKeep(bool bKeep, int nOnOff, const COleDateTime& moment)
{
    return bKeep && nOnOff == 0 && InKeptYears(moment);
}

int OnOffAfterOK(int nChosen, bool bFiredThisOpening, const COleDateTime& moment,
                 const COleDateTime& now)
{
    return bFiredThisOpening && IsAlarmDue(nChosen, moment, now) ? 1 : nChosen;
}
