// Where a note keeps its alarm between runs. The alarm dialog reports to it; the note decides
// what goes into its files.
#pragma once

#include "alarm/KeptAlarm.h"

class CAlarmKeeper {
public:
    virtual ~CAlarmKeeper() = default;
    // OK has set the alarm: armed (nOnOff 0) or not.
    virtual void AlarmSet(int nOnOff, const KeptAlarm& alarm) = 0;
    // A due alarm, called before it is announced, so that a note started again (or killed
    // during the announcement) never announces it a second time.
    virtual void AlarmFired() = 0;
};
