#include "note/KeptAlarmFile.h"

#include <cstring>

#include "note/ProfileFile.h"

namespace {

const char kSettingsSection[] = "Settings";
const char kKeepKey[] = "KeepAlarms";
const char kMomentKey[] = "Moment";
const char kBeepKey[] = "Beep";
const char kShakeKey[] = "Shake";
// Longer than any valid value, so that a valid value followed by rubbish is not cut to one.
const DWORD kValueSize = 40;

// A key's value, or nullptr when the key is absent.
const char* ReadAlarmKey(const char* path, const char* key, char (&value)[kValueSize]) {
    const char kAbsent[] = "\x01";
    GetPrivateProfileStringA(kAlarmSection, key, kAbsent, value, kValueSize, path);
    return strcmp(value, kAbsent) == 0 ? nullptr : value;
}

bool HasAlarmSection(const char* path) {
    char keys[8] = "";
    return GetPrivateProfileSectionA(kAlarmSection, keys, sizeof keys, path) > 0;
}

bool DeleteAlarmSection(const char* path) {
    return !HasAlarmSection(path) ||
           WritePrivateProfileStringA(kAlarmSection, nullptr, nullptr, path) != FALSE;
}

} // namespace

bool ReadKeepAlarms(const char* defaultsPath) {
    return GetPrivateProfileIntA(kSettingsSection, kKeepKey, 0, defaultsPath) == 1;
}

bool WriteKeepAlarms(const char* defaultsPath, bool bKeep, DWORD* error) {
    return RewriteProfileFile(
        defaultsPath,
        [bKeep](const char* copy) {
            return WritePrivateProfileStringA(kSettingsSection, kKeepKey, bKeep ? "1" : "0",
                                              copy) != FALSE;
        },
        error);
}

AlarmSection ReadAlarmSection(const char* path, KeptAlarm& alarm) {
    if (!HasAlarmSection(path)) return AlarmSection::Absent;
    char moment[kValueSize], beep[kValueSize], shake[kValueSize];
    return ParseKeptAlarm(ReadAlarmKey(path, kMomentKey, moment),
                          ReadAlarmKey(path, kBeepKey, beep), ReadAlarmKey(path, kShakeKey, shake),
                          alarm)
               ? AlarmSection::Valid
               : AlarmSection::Damaged;
}

bool WriteAlarmSection(const char* path, const KeptAlarm& alarm, DWORD* error) {
    const CString moment = FormatAlarmMoment(alarm.moment);
    if (moment.IsEmpty()) {
        if (error) *error = ERROR_INVALID_DATA;
        return false;
    }
    return RewriteProfileFile(
        path,
        [&](const char* copy) {
            // The old section goes first, so that no key of a damaged one stays behind.
            return DeleteAlarmSection(copy) &&
                   WritePrivateProfileStringA(kAlarmSection, kMomentKey, moment, copy) &&
                   WritePrivateProfileStringA(kAlarmSection, kBeepKey, alarm.bBeep ? "1" : "0",
                                              copy) &&
                   WritePrivateProfileStringA(kAlarmSection, kShakeKey,
                                              alarm.bShake ? "1" : "0", copy);
        },
        error);
}

bool RemoveAlarmSection(const char* path, DWORD* error) {
    if (!HasAlarmSection(path)) return true;
    return RewriteProfileFile(
        path,
        [](const char* copy) { return DeleteAlarmSection(copy); },
        error);
}
