// CAlarmAnnouncer: announces a due alarm on its note. A minimized note is restored at once,
// without taking the keyboard; the shake and the beeps then run in steps from a timer of this
// (message-only) window, so the note keeps painting and answering while it shakes, and the
// shake ends at the note's place. Once done, the note is marked for the user's attention
// until it is activated.
#pragma once

#include "alarm/AttentionMark.h"
#include "alarm/ShakeSequence.h"
#include "framework/Wnd.h"
#include "framework/WndTimer.h"

class CAlarmAnnouncer : public CWnd {
public:
    // Shake cycles run per timer step, and the step interval.
    static constexpr int kMovesPerStep = 16;
    static constexpr UINT kStepMs = 10;
    static constexpr int kBeeps = 30;
    static constexpr DWORD kBeepHz = 2500;
    static constexpr DWORD kBeepMs = 100;

    CAlarmAnnouncer();
    ~CAlarmAnnouncer() override;

    // Restores hNote if it is minimized, then shakes it (bShake) and beeps (bBeep), in that
    // order. One still running is cut short first, its note put back at its place.
    void Announce(HWND hNote, BOOL bShake, BOOL bBeep);
    bool IsRunning() const { return m_hNote != nullptr; }
    // Where hNote stands when it is not being shaken: a save during the shake must store
    // the note's place, not one of the shake's corners. False when it is not shaking.
    static bool ShakeOrigin(HWND hNote, CPoint* pt);
    // Runs the rest of a running announcement at once.
    void Finish();
    // Ends a running announcement now, the note back at its place.
    void Abandon();
    // The user has brought the note up: no mark is needed any more.
    void EndAttention() { m_mark.Stop(); }
    bool IsCallingAttention() const { return m_mark.IsOn(); }

protected:
    afx_msg void OnTimer(UINT nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    // One timer step; false once everything is done.
    bool Step();
    void Stop();
    // Stops, then marks the note that was announced.
    void Complete(HWND hNote);

    HWND m_hNote = nullptr;
    ShakeSequence m_shake;
    bool m_bShaking = false;
    int m_nBeepsLeft = 0;
    CWndTimer m_timer;
    CAttentionMark m_mark;
};
