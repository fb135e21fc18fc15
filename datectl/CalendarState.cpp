#include "datectl/CalendarState.h"

#include <algorithm>

namespace {

constexpr int kDefaultPointSize = 8;

COleDateTime NoDate()
{
    COleDateTime date;
    date.SetStatus(COleDateTime::invalid);
    return date;
}

} // namespace

MonthCalendarState::MonthCalendarState()
    : m_crBackground(GetSysColor(COLOR_WINDOW)), m_crOtherMonth(GetSysColor(COLOR_GRAYTEXT)),
      m_selStart(NoDate()), m_selEnd(NoDate())
{
    const COleDateTime now = COleDateTime::GetCurrentTime();
    m_nMonth = now.GetMonth();
    m_nYear = now.GetYear();

    SetAllFonts(kDefaultPointSize);

    // The locale's names, read the way COleDateTime formats them.
    for (int nMonth = 1; nMonth <= 12; ++nMonth)
        m_strMonthNames[nMonth] = COleDateTime(2000, nMonth, 1, 0, 0, 0).Format("%B");

    SetLayout(1, 1);
}

MonthCalendarState::~MonthCalendarState() = default;

bool MonthCalendarState::IsValidFont(LPCSTR lpszFace, int nPointSize)
{
    return lpszFace != nullptr && *lpszFace != '\0' && nPointSize >= 1 && nPointSize <= 72;
}

void MonthCalendarState::SetFont(FontSpec& fontSpec, LPCSTR lpszFace, int nPointSize, BOOL bBold,
                                 BOOL bItalic, BOOL bUnderline, COLORREF crText)
{
    if (!IsValidFont(lpszFace, nPointSize))
        return;
    fontSpec.Set(lpszFace, nPointSize, bBold, bItalic, bUnderline, crText);
    m_bFontsCreated = 0;
    m_bMetricsValid = 0; // measured in the old font
}

void MonthCalendarState::SetHeaderFont(LPCSTR lpszFace, int nPointSize, BOOL bBold,
                                       BOOL bItalic, BOOL bUnderline, COLORREF crText)
{
    SetFont(m_fontHeader, lpszFace, nPointSize, bBold, bItalic, bUnderline, crText);
}

void MonthCalendarState::SetWeekdayFont(LPCSTR lpszFace, int nPointSize, BOOL bBold,
                                        BOOL bItalic, BOOL bUnderline, COLORREF crText)
{
    SetFont(m_fontWeekday, lpszFace, nPointSize, bBold, bItalic, bUnderline, crText);
}

void MonthCalendarState::SetDayFont(LPCSTR lpszFace, int nPointSize, BOOL bBold, BOOL bItalic,
                                    BOOL bUnderline, COLORREF crText)
{
    SetFont(m_fontDay, lpszFace, nPointSize, bBold, bItalic, bUnderline, crText);
}

void MonthCalendarState::SetSpecialDayFont(LPCSTR lpszFace, int nPointSize, BOOL bBold,
                                           BOOL bItalic, BOOL bUnderline, COLORREF crText)
{
    SetFont(m_fontSpecialDay, lpszFace, nPointSize, bBold, bItalic, bUnderline, crText);
}

void MonthCalendarState::SetFaceName(LPCSTR lpszFace)
{
    if (lpszFace != nullptr && *lpszFace != '\0')
        m_strFaceName = lpszFace;
}

void MonthCalendarState::SetMinFontSize(int nPointSize)
{
    if (nPointSize >= 0 && nPointSize <= 72)
        m_nMinFontSize = nPointSize;
}

void MonthCalendarState::SetMonthName(int nMonth, LPCSTR lpszName)
{
    if (IsValidMonth(nMonth) && lpszName != nullptr) {
        m_strMonthNames[nMonth] = lpszName;
        m_bMetricsValid = 0; // the header may need another width
    }
}

CString MonthCalendarState::GetMonthName(int nMonth) const
{
    return IsValidMonth(nMonth) ? m_strMonthNames[nMonth] : CString();
}

void MonthCalendarState::SetShownMonth(int nMonth, int nYear)
{
    const YearMonth old = GetShownMonth();
    if (IsValidMonth(nMonth))
        m_nMonth = nMonth;
    if (IsValidCalendarYear(nYear))
        m_nYear = nYear;
    if (GetShownMonth() != old)
        ClearDayCells(); // the drawn days belong to the old months
}

void MonthCalendarState::SetLayout(int nRows, int nCols)
{
    if (nRows < 1 || nRows > 99 || nCols < 1 || nCols > 99)
        return;
    m_nRows = nRows;
    m_nCols = nCols;
    m_blocks.assign(static_cast<size_t>(nRows * nCols), MonthBlockRecord());
    for (int i = 0; i < nRows * nCols; ++i) {
        m_blocks[i].nRow = i / nCols + 1;
        m_blocks[i].nCol = i % nCols + 1;
    }
}

void MonthCalendarState::ApplyCreateStyle(DWORD dwStyle)
{
    if (dwStyle & CALS_RANGESELECT)
        m_bRangeSelect = 1;
    if (dwStyle & CALS_NOTODAYMARK)
        m_bTodayMark = 0;
    if (dwStyle & CALS_TODAYBUTTON)
        m_bTodayButton = 1;
    if (dwStyle & CALS_NONEBUTTON)
        m_bNoneButton = 1;
    if (dwStyle & CALS_AUTOSIZE)
        m_bAutoSize = 1;
    if (dwStyle & CALS_NOBORDER)
        m_bBorder = 0;
}

void MonthCalendarState::SetAllFonts(int nPointSize)
{
    const COLORREF crText = GetSysColor(COLOR_BTNTEXT);
    SetHeaderFont(m_strFaceName, nPointSize, TRUE, FALSE, FALSE, crText);
    SetWeekdayFont(m_strFaceName, nPointSize, FALSE, FALSE, FALSE, crText);
    SetDayFont(m_strFaceName, nPointSize, FALSE, FALSE, FALSE, crText);
    SetSpecialDayFont(m_strFaceName, nPointSize, TRUE, FALSE, FALSE, crText);
}

void MonthCalendarState::InvalidateFonts()
{
    m_fontHeader.DeleteFont();
    m_fontWeekday.DeleteFont();
    m_fontDay.DeleteFont();
    m_fontSpecialDay.DeleteFont();
    m_bFontsCreated = 0;
}

void MonthCalendarState::SetSelection(const COleDateTime& date)
{
    if (date.GetStatus() != COleDateTime::valid || date.GetYear() == AFX_OLE_DATETIME_ERROR) {
        m_selStart = NoDate();
        m_selEnd = NoDate();
        return;
    }
    m_selStart.SetDate(date.GetYear(), date.GetMonth(), date.GetDay());
    m_selEnd = m_selStart;
}

COleDateTime MonthCalendarState::GetSelection() const
{
    if (m_bRangeSelect)
        return NoDate(); // the range has no single day to hand out
    return m_selStart;
}

bool MonthCalendarState::IsDaySelected(long nDaySerial) const
{
    if (m_selStart.GetStatus() != COleDateTime::valid ||
        m_selEnd.GetStatus() != COleDateTime::valid)
        return false;
    return DaySerial(m_selStart) <= nDaySerial && nDaySerial <= DaySerial(m_selEnd);
}

YearMonth MonthCalendarState::GetBlockMonth(int nIndex) const
{
    return AddMonths(GetShownMonth(), nIndex);
}

void MonthCalendarState::ClearDayCells()
{
    for (MonthBlockRecord& block : m_blocks)
        for (DayCellRecord& cell : block.cells)
            cell.Clear();
}

bool MonthCalendarState::PageStep(bool bForward)
{
    const int nShown = m_nRows * m_nCols;
    const int nFirst = MonthIndex(GetShownMonth());
    // Every shown block must stay within January 100 .. December 9999.
    const int nLowest = MonthIndex(YearMonth{1, CALENDAR_MINYEAR});
    const int nHighest = MonthIndex(YearMonth{12, CALENDAR_MAXYEAR}) - (nShown - 1);
    int nNext = std::max(std::min(nFirst + (bForward ? nShown : -nShown), nHighest), nLowest);
    nNext = bForward ? std::max(nNext, nFirst) : std::min(nNext, nFirst);
    ClearDayCells();
    if (nNext == nFirst)
        return false;
    const YearMonth next = FromMonthIndex(nNext);
    m_nMonth = next.nMonth;
    m_nYear = next.nYear;
    return true;
}

void MonthCalendarState::PressDay(const COleDateTime& date)
{
    if (m_bRangeSelect) {
        SetSelection(NoDate());
        m_rangeAnchor = date;
    }
    m_selStart = date;
    m_selEnd = date;
}

void MonthCalendarState::TrackDay(const COleDateTime& date)
{
    if (!m_bRangeSelect) {
        SetSelection(date);
        return;
    }
    if (DaySerial(date) < DaySerial(m_rangeAnchor)) {
        m_selStart = date;
        m_selEnd = m_rangeAnchor;
    } else {
        m_selStart = m_rangeAnchor;
        m_selEnd = date;
    }
}

void MonthCalendarState::GoToToday(const COleDateTime& now)
{
    COleDateTime today;
    today.SetDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
    ClearDayCells();
    SetShownMonth(today.GetMonth(), today.GetYear());
    m_selStart = today;
    m_selEnd = today;
}

void MonthCalendarState::ChooseNone(const COleDateTime& now)
{
    ClearDayCells();
    SetShownMonth(now.GetMonth(), now.GetYear());
    SetSelection(NoDate());
}

void MonthCalendarState::ShowPickedMonth(YearMonth picked, int nBlock)
{
    if (!IsValidMonth(picked.nMonth) || !IsValidCalendarYear(picked.nYear))
        return;
    const YearMonth first = AddMonths(picked, -nBlock);
    // A first month before January 100 cannot be shown at all; keep the old one.
    if (!IsValidCalendarYear(first.nYear))
        return;
    ClearDayCells();
    SetShownMonth(first.nMonth, first.nYear);
}
