// The process clock behind COleDateTime::GetCurrentTime. The program never fixes it; tests
// and tools (dateparse.exe --now) do, so that "today" is a known day.
#pragma once

#include "framework/DateTime.h"

class CProcessClock {
public:
    // The fixed time while the clock is fixed, else the local time in whole seconds.
    static COleDateTime Now();
    // From now on Now() answers dtNow. FALSE, and nothing changes, when dtNow is not valid.
    static BOOL Fix(const COleDateTime& dtNow);
    // Back to the system's local time.
    static void Release();
    static BOOL IsFixed();
};

// Fixes the process clock for a scope and puts back what was there before.
class CFixedClock {
public:
    explicit CFixedClock(const COleDateTime& dtNow);
    ~CFixedClock();
    CFixedClock(const CFixedClock&) = delete;
    CFixedClock& operator=(const CFixedClock&) = delete;

private:
    BOOL m_bWasFixed;
    COleDateTime m_dtWas;
};
