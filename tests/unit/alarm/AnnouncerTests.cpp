// The announcement on a real window: restored before it shakes, shaken in steps while its
// messages keep flowing, and left exactly where it stood.
#include "alarm/AlarmAnnouncer.h"
#include "alarm/AlarmDlg.h"
#include "framework/Clock.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const UINT kProbe = WM_APP + 7;

// A captioned top-level window that counts its moves and a probe message.
class Target {
public:
    Target(int x, int y)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "AlarmTestTarget";
        RegisterClassA(&wc); // a second registration fails harmlessly
        m_hWnd = CreateWindowExA(WS_EX_TOOLWINDOW, "AlarmTestTarget", "target",
                                 WS_OVERLAPPED | WS_CAPTION | WS_MINIMIZEBOX, x, y, 160, 90,
                                 nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Target() { DestroyWindow(m_hWnd); }
    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;

    HWND m_hWnd = nullptr;
    int m_nMoves = 0;
    bool m_bProbeSeenWhileShaking = false;
    const CAlarmAnnouncer* m_pWatched = nullptr;

    CRect Rect() const
    {
        CRect rc;
        GetWindowRect(m_hWnd, &rc);
        return rc;
    }

private:
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l)
    {
        auto* self = reinterpret_cast<Target*>(GetWindowLongPtrA(h, GWLP_USERDATA));
        if (self && m == WM_MOVE) ++self->m_nMoves;
        if (self && m == kProbe && self->m_pWatched)
            self->m_bProbeSeenWhileShaking = self->m_pWatched->IsRunning();
        return DefWindowProcA(h, m, w, l);
    }
};

// Dispatches this thread's messages until the condition holds; bounded.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 20000)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

TEST(Announcer, ShakeRunsInStepsAndEndsWhereTheWindowStood)
{
    Target target(230, 170);
    ShowWindow(target.m_hWnd, SW_SHOWNOACTIVATE);
    const CRect before = target.Rect();
    CAlarmAnnouncer announcer;
    target.m_pWatched = &announcer;

    announcer.Announce(target.m_hWnd, TRUE, FALSE);
    ASSERT_TRUE(announcer.IsRunning());
    PostMessageA(target.m_hWnd, kProbe, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !announcer.IsRunning(); }));

    EXPECT_TRUE(target.m_bProbeSeenWhileShaking) << "the window handled nothing while shaking";
    EXPECT_GE(target.m_nMoves, 1200);
    const CRect after = target.Rect();
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(before.Width(), after.Width());
    EXPECT_EQ(before.Height(), after.Height());
}

// Pins: a save during the shake stored one of its corners as the note's place.
TEST(Announcer, WhileShakingTheNoteStillKnowsItsPlace)
{
    Target target(230, 170);
    ShowWindow(target.m_hWnd, SW_SHOWNOACTIVATE);
    const CRect before = target.Rect();
    CAlarmAnnouncer announcer;
    announcer.Announce(target.m_hWnd, TRUE, FALSE);
    CPoint origin;
    ASSERT_TRUE(CAlarmAnnouncer::ShakeOrigin(target.m_hWnd, &origin));
    EXPECT_EQ(before.left, origin.x);
    EXPECT_EQ(before.top, origin.y);
    ASSERT_TRUE(PumpUntil([&] { return !announcer.IsRunning(); }));
    EXPECT_FALSE(CAlarmAnnouncer::ShakeOrigin(target.m_hWnd, &origin));
}

TEST(Announcer, AMinimizedWindowIsRestoredAtOnce)
{
    Target target(260, 200);
    ShowWindow(target.m_hWnd, SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(target.m_hWnd));
    CAlarmAnnouncer announcer;
    announcer.Announce(target.m_hWnd, FALSE, FALSE); // neither shake nor beep
    EXPECT_FALSE(IsIconic(target.m_hWnd));
    EXPECT_FALSE(announcer.IsRunning());
}

TEST(Announcer, ASecondAlarmWhileShakingStillEndsAtTheFirstPlace)
{
    Target target(300, 220);
    ShowWindow(target.m_hWnd, SW_SHOWNOACTIVATE);
    const CRect before = target.Rect();
    CAlarmAnnouncer announcer;
    announcer.Announce(target.m_hWnd, TRUE, FALSE);
    // Let it shake a little, so the window stands on a corner.
    ASSERT_TRUE(PumpUntil([&] { return target.m_nMoves > 20; }));
    announcer.Announce(target.m_hWnd, TRUE, FALSE);
    ASSERT_TRUE(PumpUntil([&] { return !announcer.IsRunning(); }));
    EXPECT_EQ(before.left, target.Rect().left);
    EXPECT_EQ(before.top, target.Rect().top);
}

TEST(Announcer, BeepsOnlyStillEndsByItself)
{
    Target target(320, 240);
    CAlarmAnnouncer announcer;
    announcer.Announce(target.m_hWnd, FALSE, TRUE);
    EXPECT_TRUE(announcer.IsRunning());
    ASSERT_TRUE(PumpUntil([&] { return !announcer.IsRunning(); }));
    EXPECT_EQ(0, target.m_nMoves);
}

TEST(Announcer, AWindowThatGoesAwayEndsTheAnnouncement)
{
    CAlarmAnnouncer announcer;
    {
        Target target(340, 260);
        ShowWindow(target.m_hWnd, SW_SHOWNOACTIVATE);
        announcer.Announce(target.m_hWnd, TRUE, TRUE);
    }
    ASSERT_TRUE(PumpUntil([&] { return !announcer.IsRunning(); }, 5000));
}

TEST(AlarmDueCheck, ADueAlarmFiresOnceAndSwitchesItselfOff)
{
    CFixedClock clock(COleDateTime(2026, 3, 4, 9, 30, 0));
    Target target(200, 300);
    ShowWindow(target.m_hWnd, SW_SHOWMINNOACTIVE);
    CAlarmDlg dlg;
    dlg.m_nOnOff = 0;
    dlg.m_bShake = 0;
    dlg.m_bBeep = 0;
    dlg.m_alarmTime = COleDateTime(2026, 3, 4, 9, 30, 0); // equal to now: due
    CWnd wnd;
    wnd.Attach(target.m_hWnd);
    dlg.CheckDue(&wnd);
    EXPECT_EQ(1, dlg.m_nOnOff);
    EXPECT_FALSE(IsIconic(target.m_hWnd)) << "the note was not restored";

    // Once fired, the next tests leave a minimized note alone.
    ShowWindow(target.m_hWnd, SW_SHOWMINNOACTIVE);
    dlg.CheckDue(&wnd);
    EXPECT_TRUE(IsIconic(target.m_hWnd));
    wnd.Detach();
}

TEST(AlarmDueCheck, AnAlarmThatIsOffNeverFires)
{
    CFixedClock clock(COleDateTime(2026, 3, 4, 9, 30, 0));
    Target target(200, 300);
    ShowWindow(target.m_hWnd, SW_SHOWMINNOACTIVE);
    CAlarmDlg dlg;
    dlg.m_nOnOff = 1;
    dlg.m_alarmTime = COleDateTime(2020, 1, 1, 0, 0, 0);
    CWnd wnd;
    wnd.Attach(target.m_hWnd);
    dlg.CheckDue(&wnd);
    EXPECT_TRUE(IsIconic(target.m_hWnd));
    EXPECT_FALSE(dlg.GetAnnouncer().IsRunning());
    wnd.Detach();
}

TEST(AlarmDueCheck, ShakeOnAFutureAlarmWaits)
{
    CFixedClock clock(COleDateTime(2026, 3, 4, 9, 30, 0));
    Target target(200, 300);
    CAlarmDlg dlg;
    dlg.m_nOnOff = 0;
    dlg.m_alarmTime = COleDateTime(2026, 3, 4, 9, 45, 0);
    CWnd wnd;
    wnd.Attach(target.m_hWnd);
    dlg.CheckDue(&wnd);
    EXPECT_EQ(0, dlg.m_nOnOff);
    EXPECT_FALSE(dlg.GetAnnouncer().IsRunning());
    wnd.Detach();
}

} // namespace
