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

// The origin of a running shake, kept on the note itself so that its own save can find it.
const char kOrigin[] = "Tacknote.ShakeOrigin"; // present while shaking: x and y may be 0
const char kOriginX[] = "Tacknote.ShakeOriginX";
const char kOriginY[] = "Tacknote.ShakeOriginY";

void MarkOrigin(HWND hNote, CPoint pt)
{
    ::SetPropA(hNote, kOriginX, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(pt.x)));
    ::SetPropA(hNote, kOriginY, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(pt.y)));
    ::SetPropA(hNote, kOrigin, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(1)));
}

void UnmarkOrigin(HWND hNote)
{
    ::RemovePropA(hNote, kOriginX);
    ::RemovePropA(hNote, kOriginY);
    ::RemovePropA(hNote, kOrigin);
}

// Refuses activation and focus on this thread for as long as it lives.
LRESULT CALLBACK RefuseFocus(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_SETFOCUS || code == HCBT_ACTIVATE) return 1;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class FocusRefusal {
public:
    FocusRefusal()
        : m_hook(::SetWindowsHookExA(WH_CBT, RefuseFocus, nullptr, ::GetCurrentThreadId()))
    {
    }
    ~FocusRefusal()
    {
        if (m_hook) ::UnhookWindowsHookEx(m_hook);
    }
    FocusRefusal(const FocusRefusal&) = delete;
    FocusRefusal& operator=(const FocusRefusal&) = delete;

private:
    HHOOK m_hook;
};

// A window restored from minimized takes the focus even when asked not to activate; where
// windows have no manager to mediate, that alone moves the keyboard away from the window the
// user types in. The note gets neither activation nor focus.
void RestoreQuietly(HWND hNote)
{
    FocusRefusal refusal;
    ::ShowWindow(hNote, SW_SHOWNOACTIVATE);
}

} // namespace

bool CAlarmAnnouncer::ShakeOrigin(HWND hNote, CPoint* pt)
{
    if (!::GetPropA(hNote, kOrigin)) return false;
    HANDLE x = ::GetPropA(hNote, kOriginX), y = ::GetPropA(hNote, kOriginY);
    pt->x = static_cast<LONG>(reinterpret_cast<INT_PTR>(x));
    pt->y = static_cast<LONG>(reinterpret_cast<INT_PTR>(y));
    return true;
}

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
    m_mark.Stop();
    if (!::IsWindow(hNote)) return;
    if (::IsIconic(hNote)) {
        // Restored without activation: the window the user types in keeps the keyboard.
        RestoreQuietly(hNote);
        ::UpdateWindow(hNote);
    }
    if (!bShake && !bBeep) {
        Complete(hNote);
        return;
    }
    CRect rc;
    ::GetWindowRect(hNote, &rc);
    m_hNote = hNote;
    m_shake = ShakeSequence(rc.TopLeft());
    m_bShaking = bShake != FALSE;
    if (m_bShaking) MarkOrigin(hNote, rc.TopLeft());
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
    if (!IsRunning()) return;
    while (Step()) {
    }
    Complete(m_hNote);
}

void CAlarmAnnouncer::Complete(HWND hNote)
{
    Stop();
    m_mark.Start(hNote);
}

void CAlarmAnnouncer::Abandon()
{
    if (m_bShaking && ::IsWindow(m_hNote)) MoveNote(m_hNote, m_shake.Origin());
    Stop();
}

void CAlarmAnnouncer::Stop()
{
    m_timer.Kill();
    if (::IsWindow(m_hNote)) UnmarkOrigin(m_hNote);
    m_hNote = nullptr;
    m_bShaking = false;
    m_nBeepsLeft = 0;
}

void CAlarmAnnouncer::OnTimer(UINT nIDEvent)
{
    if (m_timer.IsEvent(nIDEvent)) {
        if (!Step()) Complete(m_hNote);
        return;
    }
    CWnd::OnTimer(nIDEvent);
}
