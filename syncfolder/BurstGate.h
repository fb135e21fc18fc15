#pragma once
// Coalescing a burst of folder changes into one look at the folder: a sync service that
// brings 200 notes fires hundreds of notifications, and each look lists the whole folder.

#include <windows.h>

class BurstGate {
public:
    // Due once the changes have been quiet for `quietMs`, or at the latest `longestMs` after
    // the first of them, so that a steady trickle is still looked at.
    BurstGate(DWORD quietMs, DWORD longestMs) : m_quietMs(quietMs), m_longestMs(longestMs) {}

    // A change seen at tick `now` (GetTickCount; wrapping is fine).
    void Change(DWORD now);
    bool Due(DWORD now) const;
    bool Pending() const { return m_pending; }
    // The folder has been looked at: the changes seen so far are done.
    void Clear() { m_pending = false; }

private:
    DWORD m_quietMs;
    DWORD m_longestMs;
    bool m_pending = false;
    DWORD m_first = 0;
    DWORD m_last = 0;
};
