#include "note/NoteAlarmKeeper.h"

#include <string>

#include "note/KeptAlarmFile.h"
#include "note/NoteState.h"
#include "note/NoteStore.h"

namespace {

// The settings file's path for the profile functions; empty once the note is deleted.
std::string SettingsPath() {
    return g_szSettingsFile[0] ? std::string(".\\") + g_szSettingsFile : std::string();
}

} // namespace

bool CNoteAlarmKeeper::Restore(CAlarmDlg& dlg) {
    const std::string path = SettingsPath();
    if (path.empty()) return false;
    KeptAlarm alarm;
    const AlarmSection section = ReadAlarmSection(path.c_str(), alarm);
    switch (DecideAtStart(ReadKeepAlarms(kDefaultsFile), section, alarm,
                          COleDateTime::GetCurrentTime())) {
    case KeptAlarmAtStart::None:
        return false;
    case KeptAlarmAtStart::Remove:
        RemoveAlarmSection(path.c_str());
        return false;
    case KeptAlarmAtStart::Arm:
        dlg.Arm(alarm);
        return false;
    case KeptAlarmAtStart::Missed:
        dlg.Arm(alarm);
        return true;
    }
    return false;
}

// A failed write is not reported here: the note's next save meets the same file and says so.
void CNoteAlarmKeeper::AlarmSet(int nOnOff, const KeptAlarm& alarm) {
    const std::string path = SettingsPath();
    if (path.empty()) return;
    if (!ShouldKeep(ReadKeepAlarms(kDefaultsFile), nOnOff, alarm.moment)) {
        RemoveAlarmSection(path.c_str());
        return;
    }
    // A settings file holding nothing but the alarm would give the note the built-in look
    // instead of the defaults at its next start.
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) WriteNoteSettingsFile();
    WriteAlarmSection(path.c_str(), alarm);
}

void CNoteAlarmKeeper::AlarmFired() {
    const std::string path = SettingsPath();
    if (!path.empty()) RemoveAlarmSection(path.c_str());
}
