#include "framework/Clock.h"

namespace {

// One thread touches the clock (the program has no others), so no lock.
BOOL g_bClockFixed = FALSE;
COleDateTime g_dtFixedNow;

}  // namespace

COleDateTime CProcessClock::Now()
{
    if (g_bClockFixed)
        return g_dtFixedNow;
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return COleDateTime(st);  // the milliseconds are dropped
}

BOOL CProcessClock::Fix(const COleDateTime& dtNow)
{
    if (dtNow.GetStatus() != COleDateTime::valid || dtNow.GetYear() == AFX_OLE_DATETIME_ERROR)
        return FALSE;
    g_dtFixedNow = dtNow;
    g_bClockFixed = TRUE;
    return TRUE;
}

void CProcessClock::Release() { g_bClockFixed = FALSE; }

BOOL CProcessClock::IsFixed() { return g_bClockFixed; }

CFixedClock::CFixedClock(const COleDateTime& dtNow)
    : m_bWasFixed(CProcessClock::IsFixed()), m_dtWas(CProcessClock::Now())
{
    CProcessClock::Fix(dtNow);
}

CFixedClock::~CFixedClock()
{
    if (m_bWasFixed)
        CProcessClock::Fix(m_dtWas);
    else
        CProcessClock::Release();
}
