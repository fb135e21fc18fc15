#include "datectl/CalendarPainter.h"

#include <algorithm>
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

// A 3-D frame nWidth pixels deep inside rc; returns what is left inside it.
CRect DrawFrame(CDC& dc, CRect rc, int nWidth, COLORREF crTopLeft, COLORREF crBottomRight)
{
    for (int i = 0; i < nWidth; ++i) {
        dc.Draw3dRect(&rc, crTopLeft, crBottomRight);
        rc.DeflateRect(1, 1);
    }
    return rc;
}

// Raised, then sunk, with the flat band between them taking whatever the margin leaves over,
// so that the lines keep their width at every dpi.
void DrawBorder(CDC& dc, CSize size, const CalendarSpacing& sp)
{
    const int nLine = sp.nLine;
    const int nFlat = std::max(sp.nBorderMargin - 3 * nLine, 0);
    CRect rc(0, 0, size.cx, size.cy);
    rc = DrawFrame(dc, rc, nLine, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT));
    rc = DrawFrame(dc, rc, nLine, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNSHADOW));
    rc = DrawFrame(dc, rc, nFlat, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
    DrawFrame(dc, rc, nLine, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_WINDOW));
}

void DrawArrow(CDC& dc, const ArrowLayout& arrow)
{
    CSelectedObject pen(dc, ::GetStockObject(BLACK_PEN));
    for (int y = arrow.yBaseTop; y <= arrow.yBaseBottom; ++y) {
        dc.MoveTo(arrow.ptTip);
        dc.LineTo(arrow.xBase, y);
    }
}

void DrawHeader(CDC& dc, const MonthCalendarState& state, const BlockLayout& block,
                const CalendarSpacing& sp)
{
    dc.FillSolidRect(&block.rcHeaderFill, GetSysColor(COLOR_BTNFACE));
    DrawFrame(dc, block.rcHeaderFill, sp.nLine, GetSysColor(COLOR_WINDOW),
              GetSysColor(COLOR_BTNSHADOW));

    CString title;
    title.Format("%s %d", static_cast<LPCSTR>(state.GetMonthName(block.month.nMonth)),
                 block.month.nYear);
    FontScope font(dc, state.m_fontHeader);
    PrepareText(dc, state.m_fontHeader.m_crText);
    CRect rc = block.rcTitle;
    dc.DrawText(title, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void DrawWeekdays(CDC& dc, const MonthCalendarState& state, const BlockLayout& block,
                  const CalendarSpacing& sp)
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
    dc.FillSolidRect(block.xGridLeft, block.yWeekdayLine, block.xGridRight - block.xGridLeft,
                     sp.nLine, GetSysColor(COLOR_BTNSHADOW));
}

void DrawDays(CDC& dc, const MonthCalendarState& state, const BlockLayout& block,
              const CalendarSpacing& sp, const CalendarPaintContext& context)
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
            dc.FillSolidRect(DayCellSelectionRect(cell.rcText, sp), crBox);
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
            DrawFrame(dc, DayCellTodayFrame(cell.rcText, sp), sp.nLine, CALENDAR_TODAYFRAME,
                      CALENDAR_TODAYFRAME);
    }
}

void DrawButton(CDC& dc, const CRect& rc, LPCSTR lpszLabel, bool bPressed,
                const CalendarSpacing& sp)
{
    dc.FillSolidRect(&rc, GetSysColor(COLOR_BTNFACE));
    CRect rcLabel = rc;
    if (bPressed) {
        const CRect rcInner =
            DrawFrame(dc, rc, sp.nLine, GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE));
        DrawFrame(dc, rcInner, sp.nLine, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_WINDOW));
        rcLabel.left += sp.nPressShift; // the label sinks with the button
        rcLabel.top += sp.nPressShift;
    } else {
        const CRect rcInner =
            DrawFrame(dc, rc, sp.nLine, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT));
        DrawFrame(dc, rcInner, sp.nLine, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNSHADOW));
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
        DrawButton(dc, layout.rcTodayButton, "Today", state.m_bTodayPressed && state.m_bTodayHot,
                   layout.spacing);
    if (layout.bNoneButton)
        DrawButton(dc, layout.rcNoneButton, "None", state.m_bNonePressed && state.m_bNoneHot,
                   layout.spacing);
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
    const CalendarSpacing& sp = layout.spacing;
    if (state.m_bBorder)
        DrawBorder(dc, context.sizeClient, sp);

    for (const BlockLayout& block : layout.blocks) {
        DrawHeader(dc, state, block, sp);
        if (block.nRow == 1 && block.nCol == 1)
            DrawArrow(dc, layout.prevArrow);
        if (block.nRow == 1 && block.nCol == state.m_nCols)
            DrawArrow(dc, layout.nextArrow);
        DrawWeekdays(dc, state, block, sp);
        DrawDays(dc, state, block, sp, context);
    }
    DrawFooter(dc, state, layout);
}
