// An armed alarm that a note keeps over restarts, when the user asks for it: section [Alarm]
// of the note's settings file, "Moment=YYYY-MM-DD HH:MM" (local time, 24-hour), "Beep=0|1",
// "Shake=0|1". Here the text forms and the decisions; the file is the note's.
#pragma once

#include "framework/DateTime.h"
#include "framework/String.h"

extern const char kAlarmSection[];

struct KeptAlarm {
    COleDateTime moment;
    int bBeep = 0;
    int bShake = 1;
};

// "2026-12-09 21:15"; "" for a moment that can't be kept (invalid, or outside the years
// ParseAlarmMoment accepts).
CString FormatAlarmMoment(const COleDateTime& moment);

// Exactly "YYYY-MM-DD HH:MM" naming a real day and time in years 100 to 9998, second 0.
// The last year is refused so that every kept moment has a next day, which the dialog may
// need to show.
bool ParseAlarmMoment(const char* text, COleDateTime& moment);

// The section's three values as read (nullptr for an absent key). False for a damaged section:
// a key missing, a moment that is none, or a flag other than "0" or "1".
bool ParseKeptAlarm(const char* moment, const char* beep, const char* shake, KeptAlarm& alarm);

enum class AlarmSection { Absent, Damaged, Valid };

enum class KeptAlarmAtStart {
    None,   // nothing to do
    Remove, // the choice is off: the section goes, the note starts without an alarm
    Arm,    // a future moment: armed as if set in the dialog
    Missed, // the moment passed while the note was not running: announced at once
};
KeptAlarmAtStart DecideAtStart(bool bKeep, AlarmSection section, const KeptAlarm& alarm,
                               const COleDateTime& now);

// Whether the section should hold this alarm after a change: the choice is on and the
// alarm is armed with a moment that can be kept.
bool ShouldKeep(bool bKeep, int nOnOff, const COleDateTime& moment);

// The On/Off that OK stores. An alarm that fired while the dialog was open, confirmed with
// "On" and a moment that is already due, would only fire a second time: it is stored Off.
int OnOffAfterOK(int nChosen, bool bFiredThisOpening, const COleDateTime& moment,
                 const COleDateTime& now);
