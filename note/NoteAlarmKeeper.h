#pragma once
// Keeps this note's armed alarm in its settings file while the user's choice "Keep Alarms Over
// Restarts" is on, and brings it back when the note starts. The choice is read from the
// defaults file at every change, so that switching it needs no restart.

#include "alarm/AlarmDlg.h"
#include "alarm/AlarmKeeper.h"

class CNoteAlarmKeeper : public CAlarmKeeper {
public:
    // At start: arms `dlg` with the kept alarm, or removes it when the choice is off. True for
    // an alarm whose moment passed while the note was not running: it is due now.
    bool Restore(CAlarmDlg& dlg);

    void AlarmSet(int nOnOff, const KeptAlarm& alarm) override;
    void AlarmFired() override;
};
