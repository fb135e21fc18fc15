#include "note/NoteDlg.h"

#include "framework/DC.h"
#include "framework/DataExchange.h"
#include "framework/WinApp.h"
#include "note/Monitors.h"
#include "note/NoteBounds.h"
#include "note/NoteCommands.h"
#include "note/NoteFile.h"
#include "note/NoteOwner.h"
#include "note/NoteState.h"

// clang-format off
BEGIN_MESSAGE_MAP(CNoteDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_COMMAND(ID_NOTE_ALARM, OnAlarm)
    ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
    ON_MESSAGE(WM_ENDSESSION, OnEndSession)
    ON_WM_DESTROY()
END_MESSAGE_MAP()
// clang-format on

CNoteDlg::CNoteDlg(CWnd* pParent)
    : CDialog(IDD, pParent), m_hIcon(AfxGetApp()->LoadIcon(IDI_TACKNOTE)) {}

CNoteDlg::~CNoteDlg() = default;

void CNoteDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NOTE_EDIT, m_edit);
}

BOOL CNoteDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetWindowText("Tacknote");
    // The control takes no more than a note file keeps, so no save ever cuts visible text.
    m_edit.LimitText(kMaxNoteText);
    SetTimer(kAlarmTimerId, kAlarmTimerMs);
    m_follower.Begin();
    SetTimer(kFollowTimerId, kFollowTimerMs);
    // A second process started for this note file finds this window by the mark.
    MarkOwnerWindow(m_hWnd);
    if (IsStoredRectPresent(g_rcStored)) {
        // A rectangle from another screen layout or a hand-edited file must still come up
        // where the user can reach it; the file keeps the old one until the next save.
        g_rcStored = PlaceOnScreen(ClampNoteRect(g_rcStored));
        ShowWindow(SW_HIDE);
        // Placed before it is first shown, so that a stored note never flashes up at the
        // centre; the first paint applies the same rectangle again.
        CRect rc(g_rcStored);
        SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
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
    int x = (rect.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (rect.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CNoteDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
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
    if (nIDEvent == kFollowTimerId) m_follower.Check(this, m_edit);
    CDialog::OnTimer(nIDEvent);
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
