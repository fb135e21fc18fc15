#include "datectl/CalendarPainter.h"

#include <cstdio>
#include <optional>

namespace {

// Selects a calendar font for a scope; a font GDI refused leaves the DC's own.
class FontScope {
public:
    FontScope(CDC& dc, const FontSpec& fontSpec) : m_dc(dc)
    {
        if (fontSpec.GetFont())
            m_hOld = ::SelectObject(dc.m_hDC, fontSpec.GetFont()->m_hObject);
    }
    ~FontScope()
    {
        if (m_hOld)
            ::SelectObject(m_dc.m_hDC, m_hOld);
    }
    FontScope(const FontScope&) = delete;
    FontScope& operator=(const FontScope&) = delete;

private:
    CDC& m_dc;
    HGDIOBJ m_hOld = nullptr;
};

void PrepareText(CDC& dc, COLORREF crText)
{
    dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
    dc.SetTextColor(crText);
    dc.SetBkMode(TRANSPARENT);
}

void DrawBorder(CDC& dc, CSize size)
{
    const int w = size.cx;
    const int h = size.cy;
    dc.Draw3dRect(0, 0, w, h, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT));
    dc.Draw3dRect(1, 1, w - 2, h - 2, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNSHADOW));
    dc.Draw3dRect(2, 2, w - 4, h - 4, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
    dc.Draw3dRect(3, 3, w - 6, h - 6, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_WINDOW));
}

void DrawArrow(CDC& dc, const ArrowLayout& arrow)
{
    CSelectedObject pen(dc, ::GetStockObject(BLACK_PEN));
    for (int y = arrow.yBaseTop; y <= arrow.yBaseBottom; ++y) {
        dc.MoveTo(arrow.ptTip);
        dc.LineTo(arrow.xBase, y);
    }
}

void DrawHeader(CDC& dc, const MonthCalendarState& state, const BlockLayout& block)
{
    dc.FillSolidRect(&block.rcHeaderFill, GetSysColor(COLOR_BTNFACE));
    dc.Draw3dRect(&block.rcHeaderFill, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNSHADOW));

    CString title;
    title.Format("%s %d", static_cast<LPCSTR>(state.GetMonthName(block.month.nMonth)),
                 block.month.nYear);
    FontScope font(dc, state.m_fontHeader);
    PrepareText(dc, state.m_fontHeader.m_crText);
    CRect rc = block.rcTitle;
    dc.DrawText(title, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void DrawWeekdays(CDC& dc, const MonthCalendarState& state, const BlockLayout& block)
{
    static const char kLetters[] = "SMTWTFS"; // the week starts on Sunday
    {
        FontScope font(dc, state.m_fontWeekday);
        PrepareText(dc, state.m_fontWeekday.m_crText);
        for (int i = 0; i < 7; ++i) {
            CRect rc = block.rcWeekday[i];
            dc.DrawText(&kLetters[i], 1, &rc, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
        }
    }
    CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    CSelectedObject pen(dc, shadow.m_hObject);
    dc.MoveTo(block.xGridLeft, block.yWeekdayLine);
    dc.LineTo(block.xGridRight, block.yWeekdayLine);
}

void DrawDays(CDC& dc, const MonthCalendarState& state, const BlockLayout& block,
              const CalendarPaintContext& context)
{
    const long nToday = context.today.GetStatus() == COleDateTime::valid
                            ? DaySerial(context.today)
                            : 0x7fffffff;
    FontScope font(dc, state.m_fontDay);
    PrepareText(dc, state.m_fontDay.m_crText);
    for (const DayCellLayout& cell : block.cells) {
        if (!cell.bShown)
            continue;
        const long nSerial = DaySerial(cell.date);
        COLORREF crText = cell.bOtherMonth ? state.m_crOtherMonth : state.m_fontDay.m_crText;
        if (state.IsDaySelected(nSerial)) {
            const COLORREF crBox = GetSysColor(COLOR_BTNFACE);
            dc.FillSolidRect(DayCellSelectionRect(cell.rcText), crBox);
            crText = SelectedDayTextColour(crBox, state.m_crBackground, crText);
        }
        dc.SetTextColor(crText);

        char text[12];
        const int nLength = std::snprintf(text, sizeof text, "%d", cell.date.GetDay());
        CRect rc = cell.rcText;
        std::optional<FontScope> special;
        if (context.isSpecialDay && context.isSpecialDay(cell.date))
            special.emplace(dc, state.m_fontSpecialDay);
        dc.DrawText(text, nLength, &rc, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);

        if (state.m_bTodayMark && nSerial == nToday)
            dc.Draw3dRect(DayCellTodayFrame(cell.rcText), CALENDAR_TODAYFRAME, CALENDAR_TODAYFRAME);
    }
}

void DrawButton(CDC& dc, const CRect& rc, LPCSTR lpszLabel, bool bPressed)
{
    dc.FillSolidRect(&rc, GetSysColor(COLOR_BTNFACE));
    const CRect rcInner(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1);
    CRect rcLabel = rc;
    if (bPressed) {
        dc.Draw3dRect(&rc, GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE));
        dc.Draw3dRect(&rcInner, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_WINDOW));
        rcLabel.left += 2; // the label sinks with the button
        rcLabel.top += 2;
    } else {
        dc.Draw3dRect(&rc, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT));
        dc.Draw3dRect(&rcInner, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNSHADOW));
    }
    dc.DrawText(lpszLabel, -1, &rcLabel, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void DrawFooter(CDC& dc, const MonthCalendarState& state, const CalendarLayout& layout)
{
    if (!layout.bTodayButton && !layout.bNoneButton)
        return;
    FontScope font(dc, state.m_fontWeekday);
    PrepareText(dc, state.m_fontWeekday.m_crText);
    if (layout.bTodayButton)
        DrawButton(dc, layout.rcTodayButton, "Today", state.m_bTodayPressed && state.m_bTodayHot);
    if (layout.bNoneButton)
        DrawButton(dc, layout.rcNoneButton, "None", state.m_bNonePressed && state.m_bNoneHot);
}

} // namespace

COLORREF SelectedDayTextColour(COLORREF crBox, COLORREF crBackground, COLORREF crDay)
{
    auto luma = [](COLORREF cr) {
        return (GetRValue(cr) * 299 + GetGValue(cr) * 587 + GetBValue(cr) * 114) / 1000;
    };
    constexpr int kLeastContrast = 48; // white on the classic grey (192) still reads
    const int nContrast = luma(crBox) - luma(crBackground);
    return (nContrast >= kLeastContrast || -nContrast >= kLeastContrast) ? crBackground : crDay;
}

void PaintCalendar(CDC& dc, const MonthCalendarState& state, const CalendarLayout& layout,
                   const CalendarPaintContext& context)
{
    dc.FillSolidRect(0, 0, context.sizeClient.cx, context.sizeClient.cy, state.m_crBackground);
    if (state.m_bBorder)
        DrawBorder(dc, context.sizeClient);

    for (const BlockLayout& block : layout.blocks) {
        DrawHeader(dc, state, block);
        if (block.nRow == 1 && block.nCol == 1)
            DrawArrow(dc, layout.prevArrow);
        if (block.nRow == 1 && block.nCol == state.m_nCols)
            DrawArrow(dc, layout.nextArrow);
        DrawWeekdays(dc, state, block);
        DrawDays(dc, state, block, context);
    }
    DrawFooter(dc, state, layout);
}
