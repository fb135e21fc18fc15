#include "syncfolder/BurstGate.h"

void BurstGate::Change(DWORD now)
{
    if (!m_pending) m_first = now;
    m_pending = true;
    m_last = now;
}

bool BurstGate::Due(DWORD now) const
{
    // Unsigned differences stay right across the 49-day wrap of the tick count.
    return m_pending && (now - m_last >= m_quietMs || now - m_first >= m_longestMs);
}
