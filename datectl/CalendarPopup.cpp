#include "datectl/CalendarPopup.h"

#include "datectl/DateEdit.h"
#include "dpi/DpiApi.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CCalendarPopup, CWnd)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_NOTIFY(NM_CLICK, IDC_MONTHCALENDAR, OnCalendarClick)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

CCalendarPopup::CCalendarPopup() : m_date(COleDateTime::GetCurrentTime()) {}

CCalendarPopup::~CCalendarPopup()
{
    StopPoll();
    // Destroyed here, while the calendar child still has its object.
    if (m_hWnd) DestroyWindow();
}

int CCalendarPopup::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_calendar.Create(nullptr, "", m_dwCalendarStyle | WS_CHILD | WS_VISIBLE | CALS_AUTOSIZE,
                           CRect(0, 0, 0, 0), this, IDC_MONTHCALENDAR))
        return 0; // an empty pop-up still closes as usual
    m_calendar.SetSizeLimit(-2, -2);
    m_calendar.SetSelection(m_date);
    if (m_date.GetStatus() == COleDateTime::valid) {
        m_calendar.SetShownMonth(m_date.GetMonth(), m_date.GetYear());
    } else {
        const COleDateTime now = COleDateTime::GetCurrentTime();
        m_calendar.SetShownMonth(now.GetMonth(), now.GetYear());
    }
    m_calendar.SetDayStateCallback(m_pfnDayState);
    m_calendar.SetLayout(1, 1);
    const CSize size = m_calendar.GetTotalSize();
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT CCalendarPopup::OnDpiChanged(WPARAM, LPARAM lParam)
{
    // The calendar is measured again for the new monitor (before its own notice, which comes
    // after this one); the pop-up takes its size at the place the system suggests.
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    if (m_calendar.m_hWnd) m_calendar.UpdateDpi();
    CRect rcCalendar(0, 0, 0, 0);
    if (m_calendar.m_hWnd) m_calendar.GetWindowRect(&rcCalendar);
    if (suggested)
        SetWindowPos(nullptr, suggested->left, suggested->top, rcCalendar.Width(),
                     rcCalendar.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

BOOL CCalendarPopup::OnEraseBkgnd(CDC*)
{
    return FALSE; // the calendar covers the whole pop-up
}

void CCalendarPopup::StartPoll()
{
    if (m_bTimerRunning || !m_hWnd) return;
    m_nTimerId = SetTimer(CALPOPUP_TIMER_ID, CALPOPUP_TIMER_MS);
    m_bTimerRunning = m_nTimerId != 0;
}

void CCalendarPopup::StopPoll()
{
    if (m_bTimerRunning && m_hWnd) KillTimer(m_nTimerId);
    m_bTimerRunning = 0;
    m_nTimerId = 0;
}

void CCalendarPopup::AskOwnerToClose() const
{
    if (m_pOwner && m_pOwner->m_hWnd) m_pOwner->PostMessage(WM_DATEEDIT_CLOSEPOPUP);
}

void CCalendarPopup::OnCalendarClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    // "None" and a range leave no single day: the field keeps what it showed.
    const COleDateTime picked = m_calendar.GetSelection();
    if (picked.GetStatus() == COleDateTime::valid) {
        m_date = picked;
        if (m_pOwner) m_pOwner->SetDate(m_date);
    }
    AskOwnerToClose();
}

void CCalendarPopup::OnClose()
{
    // Alt+F4 on the active pop-up: closed by its field like any other way, not destroyed here.
    AskOwnerToClose();
}

BOOL CCalendarPopup::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) AskOwnerToClose();
    return CWnd::PreTranslateMessage(pMsg);
}

void CCalendarPopup::OnTimer(UINT nIDEvent)
{
    if (m_bTimerRunning && nIDEvent == m_nTimerId) {
        CPoint pt;
        CRect rc;
        GetClientRect(&rc);
        ClientToScreen(&rc);
        // Any of bits 8..15: the button is down now.
        const bool bButtonDown = (::GetAsyncKeyState(VK_LBUTTON) & 0xFF00) != 0;
        // A press the calendar tracks (a day, the month list) keeps the mouse captured.
        const HWND hCapture = ::GetCapture();
        if (::GetCursorPos(&pt) && !rc.PtInRect(pt) && bButtonDown && hCapture != m_hWnd &&
            hCapture != m_calendar.m_hWnd)
            AskOwnerToClose();
    }
    CWnd::OnTimer(nIDEvent);
}
