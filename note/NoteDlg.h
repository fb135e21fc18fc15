#pragma once
// The note window: a borderless modal dialog that the text control fills. It carries the
// program icon and the alarm check timer.

#include "alarm/AlarmDlg.h"
#include "dpi/WindowIcons.h"
#include "framework/Dialog.h"
#include "note/NoteAlarmKeeper.h"
#include "note/NoteEdit.h"
#include "note/NoteFollower.h"
#include "res/resource.h"

// The alarm check: every 15 s the note looks whether its alarm is due.
const UINT_PTR kAlarmTimerId = 8001;
const UINT kAlarmTimerMs = 15000;
// A kept alarm missed while the note was not running is announced once the note is shown.
const UINT_PTR kMissedAlarmTimerId = 8002;
const UINT kMissedAlarmTimerMs = 200;
// Another PC's change to the note's files shows within this time and a moment.
const UINT_PTR kFollowTimerId = 8003;
const UINT kFollowTimerMs = 500;

class CNoteDlg : public CDialog {
public:
    explicit CNoteDlg(CWnd* pParent = nullptr);
    ~CNoteDlg() override;

    enum { IDD = IDD_NOTE };

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnClose();
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnAlarm();
    afx_msg LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMoveNote(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CNoteAlarmKeeper m_alarmKeeper; // before m_alarmDlg, which reports to it
    CAlarmDlg m_alarmDlg; // the note's alarm: its settings live as long as the note
    CNoteEdit m_edit;
    NoteFollower m_follower;
    HICON MinimizedIcon();

    HICON m_hIcon = nullptr;
    CWindowIcons m_icons; // caption and taskbar, at the window's dpi
};
