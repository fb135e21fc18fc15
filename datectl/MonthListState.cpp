#include "datectl/MonthListState.h"

#include "framework/DateTime.h"

namespace {

constexpr int kStepsPerScroll = 10; // accumulated steps before the months move
constexpr int kFarDistance = 15;    // pixels off the list beyond which it scrolls faster

} // namespace

MonthListState::MonthListState()
{
    const COleDateTime now = COleDateTime::GetCurrentTime();
    m_nMonth = m_nPickedMonth = now.GetMonth();
    m_nYear = m_nPickedYear = now.GetYear();
}

void MonthListState::SetRows(int nRows)
{
    if (nRows > 2 && nRows % 2 == 1)
        m_nRows = nRows;
}

void MonthListState::SetMiddleMonth(int nMonth, int nYear)
{
    if (IsValidMonth(nMonth))
        m_nMonth = nMonth;
    if (IsValidCalendarYear(nYear))
        m_nYear = nYear;
}

YearMonth MonthListState::GetLineMonth(int nLine) const
{
    return AddMonths(YearMonth{m_nMonth, m_nYear}, nLine - m_nRows / 2);
}

bool MonthListState::IsShowableMonth(YearMonth ym)
{
    return IsValidMonth(ym.nMonth) && IsValidCalendarYear(ym.nYear);
}

int MonthListState::HitLine(int yClient, int cyLine, int cyClient) const
{
    if (yClient < 0)
        return 0;
    if (yClient >= cyClient)
        return m_nRows - 1;
    if (cyLine <= 0)
        return -1;
    const int nLine = yClient / cyLine;
    // The list is a few pixels taller than its lines; there no line is hot.
    return nLine < m_nRows ? nLine : -1;
}

void MonthListState::PickLine(int nLine)
{
    if (nLine < 0 || nLine >= m_nRows)
        return;
    const YearMonth ym = GetLineMonth(nLine);
    m_nPickedMonth = ym.nMonth;
    m_nPickedYear = ym.nYear;
}

void MonthListState::ScrollStep(int yScreen, const CRect& rcClientScreen)
{
    if (yScreen < rcClientScreen.top) {
        ScrollUp(rcClientScreen.top - yScreen > kFarDistance ? 2 : 1);
    } else if (yScreen >= rcClientScreen.bottom) {
        ScrollDown(yScreen - (rcClientScreen.bottom - 1) > kFarDistance ? 2 : 1);
    } else {
        m_nUpCount = 0;
        m_nDownCount = 0;
    }
}

void MonthListState::ScrollUp(int nStep)
{
    m_nDownCount = 0;
    m_nUpCount += nStep;
    if (m_nUpCount >= kStepsPerScroll) {
        // The middle line stops at January 100; COleDateTime holds nothing earlier.
        const YearMonth ym = AddMonthsClamped(YearMonth{m_nMonth, m_nYear}, -nStep);
        m_nMonth = ym.nMonth;
        m_nYear = ym.nYear;
        m_nUpCount = 0;
    }
}

void MonthListState::ScrollDown(int nStep)
{
    m_nUpCount = 0;
    m_nDownCount += nStep;
    if (m_nDownCount >= kStepsPerScroll) {
        const YearMonth ym = AddMonthsClamped(YearMonth{m_nMonth, m_nYear}, nStep);
        m_nMonth = ym.nMonth;
        m_nYear = ym.nYear;
        m_nDownCount = 0;
    }
}

CRect MonthListPlacement(CPoint ptPress, int cyLine, int cxWidestLine, int nRows, int cxMargin)
{
    const int hw = (cxWidestLine + 2 * cxMargin) / 2;
    const int hh = (nRows * cyLine + 3) / 2;
    return CRect(ptPress.x - hw, ptPress.y - hh, ptPress.x + hw, ptPress.y + hh);
}
