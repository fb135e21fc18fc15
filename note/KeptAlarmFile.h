#pragma once
// The files behind kept alarms: the choice "KeepAlarms" in section [Settings] of the defaults
// file, and a note's armed alarm in section [Alarm] of its settings file. Every write replaces
// the file whole and keeps its other sections and keys.

#include <windows.h>

#include "alarm/KeptAlarm.h"

// "KeepAlarms=1" turns the choice on; an absent key, 0 or anything else leaves it off.
bool ReadKeepAlarms(const char* defaultsPath);
bool WriteKeepAlarms(const char* defaultsPath, bool bKeep, DWORD* error = nullptr);

// The [Alarm] section of `path` into `alarm` when it is Valid.
AlarmSection ReadAlarmSection(const char* path, KeptAlarm& alarm);
// Writes Moment, Beep and Shake; false for a moment that can't be kept.
bool WriteAlarmSection(const char* path, const KeptAlarm& alarm, DWORD* error = nullptr);
// Removes the whole section; a file without one is not written.
bool RemoveAlarmSection(const char* path, DWORD* error = nullptr);
