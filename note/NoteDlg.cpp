#include "note/NoteDlg.h"

#include "dpi/DpiApi.h"
#include "framework/DC.h"
#include "framework/DataExchange.h"
#include "framework/StartupTrace.h"
#include "framework/WinApp.h"
#include "note/NoteCommands.h"
#include "note/Monitors.h"
#include "note/NoteBounds.h"
#include "note/NoteDpi.h"
#include "note/NoteFile.h"
#include "note/NoteOwner.h"
#include "note/NoteRemote.h"
#include "note/NoteState.h"
#include "note/ShowTurn.h"

// clang-format off
BEGIN_MESSAGE_MAP(CNoteDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_WM_ACTIVATE()
    ON_COMMAND(ID_NOTE_ALARM, OnAlarm)
    ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
    ON_MESSAGE(WM_ENDSESSION, OnEndSession)
    ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
    ON_MESSAGE(kMoveNoteMessage, OnMoveNote)
    ON_WM_DESTROY()
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()
// clang-format on

CNoteDlg::CNoteDlg(CWnd* pParent)
    : CDialog(IDD, pParent) {}

CNoteDlg::~CNoteDlg() = default;

void CNoteDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NOTE_EDIT, m_edit);
}

BOOL CNoteDlg::OnInitDialog() {
    TraceStartup("initdialog");
    CDialog::OnInitDialog();
    m_icons.Apply(m_hWnd, AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TACKNOTE));
    SetWindowText("Tacknote");
    // The control takes no more than a note file keeps, so no save ever cuts visible text.
    m_edit.LimitText(kMaxNoteText);
    SetTimer(kAlarmTimerId, kAlarmTimerMs);
    m_alarmDlg.SetKeeper(&m_alarmKeeper);
    if (m_alarmKeeper.Restore(m_alarmDlg)) SetTimer(kMissedAlarmTimerId, kMissedAlarmTimerMs);
    m_follower.Begin();
    SetTimer(kFollowTimerId, kFollowTimerMs);
    // A second process started for this note file finds this window by the mark.
    MarkOwnerWindow(m_hWnd);
    if (IsStoredRectPresent(g_rcStored)) {
        // A rectangle from another screen layout or a hand-edited file must still come up
        // where the user can reach it; the file keeps the old one until the next save.
        g_rcStored = PlaceStoredRect(g_rcStored);
        ShowWindow(SW_HIDE);
        // Placed before it is first shown, so that a stored note never flashes up at the
        // centre; the first paint applies the same rectangle again.
        CRect rc(StoredRectToScreen(g_rcStored));
        SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    TraceStartup("initdone");
    // Stored notes started together show in their order; the wait ends in SignalShown.
    AwaitTurnToShow();
    TraceStartup("turn");
    return TRUE;
}

void CNoteDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect rect;
    GetClientRect(&rect);
    // The large icon at the window's dpi, centred at the size it was loaded at.
    int size = m_icons.BigSize();
    int x = (rect.Width() - size + 1) / 2;
    int y = (rect.Height() - size + 1) / 2;
    if (m_icons.Big())
        DrawIconEx(dc.GetSafeHdc(), x, y, m_icons.Big(), size, size, 0, nullptr, DI_NORMAL);
}

HCURSOR CNoteDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_icons.Big());
}

// Alt+F4 and the taskbar end the note but keep its files; only the menu's Close deletes.
void CNoteDlg::OnClose() {
    CDialog::OnClose();
}

void CNoteDlg::OnDestroy() {
    UnmarkOwnerWindow(m_hWnd);
    CDialog::OnDestroy();
}

void CNoteDlg::OnTimer(UINT nIDEvent) {
    if (nIDEvent == kAlarmTimerId) m_alarmDlg.CheckDue(this);
    if (nIDEvent == kMissedAlarmTimerId && IsWindowVisible()) {
        KillTimer(kMissedAlarmTimerId);
        m_alarmDlg.CheckDue(this);
    }
    if (nIDEvent == kFollowTimerId) m_follower.Check(this, m_edit);
    CDialog::OnTimer(nIDEvent);
}

void CNoteDlg::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CDialog::OnActivate(nState, pWndOther, bMinimized);
    if (nState != WA_INACTIVE) m_alarmDlg.GetAnnouncer().EndAttention();
}

// The dialog keeps its own values between openings; its result is not needed here.
void CNoteDlg::OnAlarm() {
    m_alarmDlg.DoModal();
}

// The system ends a session without taking the focus from any window or closing it, so the
// focus-loss save would never come for what was typed last. The answer waits for the write:
// once every program has agreed, a note may be ended before WM_ENDSESSION arrives. A note
// that could not write holds the session up, so that its text is not lost unseen.
LRESULT CNoteDlg::OnQueryEndSession(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return m_edit.SaveNote() ? TRUE : FALSE;
}

LRESULT CNoteDlg::OnEndSession(WPARAM wParam, LPARAM /*lParam*/) {
    if (wParam) m_edit.SaveNote();
    return 0;
}

// A monitor that went away may have taken the note with it: it comes back as at start.
LRESULT CNoteDlg::OnDisplayChange(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    if (IsIconic()) {
        // Where it comes back to when restored, in work-area coordinates.
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        if (!GetWindowPlacement(&placement) ||
            !GetMonitorInfoA(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor))
            return 0;
        CRect rc(placement.rcNormalPosition);
        CPoint offset(monitor.rcWork.left - monitor.rcMonitor.left,
                      monitor.rcWork.top - monitor.rcMonitor.top);
        rc.OffsetRect(offset.x, offset.y);
        CRect placed(PlaceOnScreen(rc));
        if (placed == rc) return 0;
        placed.OffsetRect(-offset.x, -offset.y);
        placement.rcNormalPosition = placed;
        placement.showCmd = SW_SHOWMINNOACTIVE;
        SetWindowPlacement(&placement);
    } else {
        CRect rc;
        GetWindowRect(&rc);
        RECT placed = PlaceOnScreen(rc);
        if (EqualRect(&placed, &rc)) return 0;
        SetWindowPos(nullptr, placed.left, placed.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_edit.SaveNote();
    return 0;
}

// The tray gathers notes that are off every monitor.
LRESULT CNoteDlg::OnMoveNote(WPARAM wParam, LPARAM lParam) {
    if (IsIconic()) ShowWindow(SW_SHOWNOACTIVATE);
    int x = static_cast<int>(static_cast<LONG_PTR>(wParam));
    int y = static_cast<int>(lParam);
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_edit.SaveNote();
    return 0;
}

// Moved to a monitor of another dpi: the system's suggested rectangle keeps the note's size in
// file units. Before the first paint the move is the note's own placing, already scaled.
LRESULT CNoteDlg::OnDpiChanged(WPARAM /*wParam*/, LPARAM lParam) {
    if (!g_bInitPending) {
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        m_edit.ApplyDpi();
    }
    m_icons.Apply(m_hWnd, AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TACKNOTE));
    return 0;
}
