#include "alarm/AlarmAnnouncer.h"

namespace {

constexpr UINT_PTR kStepTimerId = 1;

// The note keeps its place in the Z order and is never activated by the shake; a hidden note
// is shown.
void MoveNote(HWND hNote, CPoint pt)
{
    ::SetWindowPos(hNote, nullptr, pt.x, pt.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

} // namespace

BEGIN_MESSAGE_MAP(CAlarmAnnouncer, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CAlarmAnnouncer::CAlarmAnnouncer() = default;

CAlarmAnnouncer::~CAlarmAnnouncer()
{
    Abandon();
    if (m_hWnd) DestroyWindow();
}

void CAlarmAnnouncer::Announce(HWND hNote, BOOL bShake, BOOL bBeep)
{
    Abandon();
    if (!::IsWindow(hNote)) return;
    if (::IsIconic(hNote)) {
        ::SendMessageA(hNote, WM_SYSCOMMAND, SC_RESTORE, 0);
        ::UpdateWindow(hNote);
    }
    if (!bShake && !bBeep) return;
    CRect rc;
    ::GetWindowRect(hNote, &rc);
    m_hNote = hNote;
    m_shake = ShakeSequence(rc.TopLeft());
    m_bShaking = bShake != FALSE;
    m_nBeepsLeft = bBeep ? kBeeps : 0;

    if (!m_hWnd) CreateEx(0, AfxRegisterWndClass(0), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
    if (!m_timer.Set(this, kStepTimerId, kStepMs))
        Finish(); // no timer: the announcement runs at once, as a whole
}

bool CAlarmAnnouncer::Step()
{
    if (!::IsWindow(m_hNote)) return false;
    if (m_bShaking) {
        for (int i = 0; i < kMovesPerStep && !m_shake.Done(); ++i)
            MoveNote(m_hNote, m_shake.Next());
        m_bShaking = !m_shake.Done();
        return true;
    }
    if (m_nBeepsLeft > 0) {
        --m_nBeepsLeft;
        ::Beep(kBeepHz, kBeepMs);
    }
    return m_nBeepsLeft > 0;
}

void CAlarmAnnouncer::Finish()
{
    while (IsRunning() && Step()) {
    }
    Stop();
}

void CAlarmAnnouncer::Abandon()
{
    if (m_bShaking && ::IsWindow(m_hNote)) MoveNote(m_hNote, m_shake.Origin());
    Stop();
}

void CAlarmAnnouncer::Stop()
{
    m_timer.Kill();
    m_hNote = nullptr;
    m_bShaking = false;
    m_nBeepsLeft = 0;
}

void CAlarmAnnouncer::OnTimer(UINT nIDEvent)
{
    if (m_timer.IsEvent(nIDEvent)) {
        if (!Step()) Stop();
        return;
    }
    CWnd::OnTimer(nIDEvent);
}
