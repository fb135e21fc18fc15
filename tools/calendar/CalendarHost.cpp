#include "tools/calendar/CalendarHost.h"

#include "datectl/MonthPicker.h"
#include "tools/calendar/CalendarToolQuery.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CCalendarHost, CFrameWnd)
    ON_WM_CREATE()
    ON_NOTIFY(NM_CLICK, IDC_MONTHCALENDAR, OnCalendarClick)
    ON_NOTIFY(NM_DBLCLK, IDC_MONTHCALENDAR, OnCalendarDblClk)
    ON_MESSAGE(CALTOOL_QUERY, OnQuery)
END_MESSAGE_MAP()

CCalendarHost::CCalendarHost(const CalendarToolOptions& options) : m_options(options) {}

int CCalendarHost::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // As the date field's pop-up does: a self-sizing calendar without a size limit.
    if (!m_calendar.Create(nullptr, "", WS_CHILD | WS_VISIBLE | CALS_AUTOSIZE | m_options.dwStyle,
                           CRect(0, 0, 0, 0), this, IDC_MONTHCALENDAR))
        return -1;
    m_calendar.SetSizeLimit(-2, -2);
    m_calendar.SetSelection(m_options.selection);
    if (m_options.nMonth != 0)
        m_calendar.SetShownMonth(m_options.nMonth, m_options.nYear);
    m_calendar.SetLayout(m_options.nRows, m_options.nCols);

    const CSize size = m_calendar.GetTotalSize();
    CRect rc(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&rc, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, rc.Width(), rc.Height(), SWP_NOMOVE | SWP_NOZORDER);
    return 0;
}

void CCalendarHost::OnCalendarClick(NMHDR*, LRESULT* pResult)
{
    ++m_nClicks;
    const COleDateTime date = m_calendar.GetSelection();
    CString title = "Calendar - ";
    title += date.GetStatus() == COleDateTime::valid ? date.Format("%m/%d/%Y") : CString("none");
    SetWindowText(title);
    *pResult = 0;
}

void CCalendarHost::OnCalendarDblClk(NMHDR*, LRESULT* pResult)
{
    ++m_nDblClks;
    *pResult = 0;
}

LRESULT CCalendarHost::ScreenPoint(CPoint ptClient) const
{
    m_calendar.ClientToScreen(&ptClient);
    return MAKELONG(ptClient.x, ptClient.y);
}

LRESULT CCalendarHost::CellCorner(LPARAM lDate, bool bBottomRight) const
{
    const long nYear = lDate / 10000;
    const long nMonth = lDate / 100 % 100;
    const long nDay = lDate % 100;
    const COleDateTime date(nYear, nMonth, nDay, 0, 0, 0);
    if (date.GetStatus() != COleDateTime::valid)
        return -1;
    for (const MonthBlockRecord& block : m_calendar.m_blocks) {
        for (const DayCellRecord& cell : block.cells) {
            if (!cell.rc.IsRectEmpty() && DaySerial(cell.date) == DaySerial(date))
                return ScreenPoint(bBottomRight ? cell.rc.BottomRight() : cell.rc.TopLeft());
        }
    }
    return -1;
}

LRESULT CCalendarHost::OnQuery(WPARAM wParam, LPARAM lParam)
{
    const CMonthPicker* pList = m_calendar.GetMonthList();
    switch (wParam) {
    case CALTOOL_CELL_TOPLEFT:
        return CellCorner(lParam, false);
    case CALTOOL_CELL_BOTTOMRIGHT:
        return CellCorner(lParam, true);
    case CALTOOL_PREV_ARROW:
        return ScreenPoint(m_calendar.m_rcPrevArrow.CenterPoint());
    case CALTOOL_NEXT_ARROW:
        return ScreenPoint(m_calendar.m_rcNextArrow.CenterPoint());
    case CALTOOL_TODAY_BUTTON:
        if (m_calendar.m_rcTodayButton.IsRectEmpty())
            return -1;
        return ScreenPoint(m_calendar.m_rcTodayButton.CenterPoint());
    case CALTOOL_HEADER:
        if (lParam < 0 || lParam >= m_calendar.GetBlockCount())
            return -1;
        return ScreenPoint(m_calendar.m_blocks[lParam].rcHeader.CenterPoint());
    case CALTOOL_SHOWN_MONTH:
        return m_calendar.m_nYear * 100 + m_calendar.m_nMonth;
    case CALTOOL_CLICKS:
        return m_nClicks;
    case CALTOOL_DBLCLKS:
        return m_nDblClks;
    case CALTOOL_LIST_MIDDLE:
        return pList ? pList->m_nYear * 100 + pList->m_nMonth : -1;
    case CALTOOL_LIST_LINE:
        return pList ? pList->GetLineHeight() : -1;
    default:
        return -1;
    }
}
