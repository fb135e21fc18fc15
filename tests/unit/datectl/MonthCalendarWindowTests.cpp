// The calendar as a window: real fonts, real paint, and the mouse through its messages.
// The windows stay hidden; pictures come from WM_PRINTCLIENT into a bitmap.
#include "datectl/CalendarPainter.h"
#include "datectl/MonthCalendar.h"
#include "datectl/MonthPicker.h"
#include "framework/Clock.h"

#include "GeometryPrinters.h"
#include "TestDates.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <vector>

namespace {

// A parent window that writes down the calendar's notifications.
class NotifyRecorder : public CWnd {
public:
    std::vector<int> codes;
    std::vector<UINT_PTR> ids;

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        const NMHDR* pNmhdr = reinterpret_cast<const NMHDR*>(lParam);
        codes.push_back(static_cast<int>(pNmhdr->code));
        ids.push_back(wParam);
        *pResult = 0;
        return TRUE;
    }
};

// The calendar drawn into a 32-bit bitmap.
class Picture {
public:
    explicit Picture(CMonthCalendar& calendar)
    {
        CRect rc;
        calendar.GetClientRect(&rc);
        m_cx = rc.Width();
        m_cy = rc.Height();
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = m_cx;
        bmi.bmiHeader.biHeight = -m_cy; // top-down
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        HDC hdc = CreateCompatibleDC(nullptr);
        HBITMAP hbm = CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        HGDIOBJ hOld = SelectObject(hdc, hbm);
        calendar.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdc), PRF_CLIENT);
        GdiFlush();
        const DWORD* pPixels = static_cast<const DWORD*>(pBits);
        m_pixels.assign(pPixels, pPixels + m_cx * m_cy);
        SelectObject(hdc, hOld);
        DeleteObject(hbm);
        DeleteDC(hdc);
    }

    COLORREF At(int x, int y) const
    {
        const DWORD p = m_pixels[y * m_cx + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Count(const CRect& rc, COLORREF cr) const
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += At(x, y) == cr ? 1 : 0;
        return n;
    }
    CSize Size() const { return CSize(m_cx, m_cy); }

private:
    int m_cx = 0;
    int m_cy = 0;
    std::vector<DWORD> m_pixels;
};

LPARAM At(CPoint pt) { return MAKELPARAM(pt.x, pt.y); }

// The notification codes as the parent records them.
constexpr int kClick = static_cast<int>(NM_CLICK);
constexpr int kDblClk = static_cast<int>(NM_DBLCLK);

class MonthCalendarWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "calendar test host", WS_POPUP,
                                      0, 0, 800, 600, nullptr, nullptr));
    }

    // A calendar at (10, 10) of the hidden host, showing May 2024 with today 20 May.
    void Create(DWORD dwStyle, int cx = 0, int cy = 0)
    {
        ASSERT_TRUE(m_calendar.Create(nullptr, "", WS_CHILD | WS_VISIBLE | dwStyle,
                                      CRect(10, 10, 10 + cx, 10 + cy), &m_parent,
                                      IDC_MONTHCALENDAR));
        m_calendar.SetShownMonth(5, 2024);
        if (cx == 0) {
            const CSize size = m_calendar.GetTotalSize();
            m_calendar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        }
        Picture record(m_calendar); // painting records the hit rectangles
    }

    CRect CellText(const COleDateTime& date)
    {
        CRect rc = CellHit(date);
        return CRect(rc.left + 3, rc.top, rc.right - 2, rc.bottom - 2);
    }
    CRect CellHit(const COleDateTime& date)
    {
        for (const MonthBlockRecord& block : m_calendar.m_blocks)
            for (const DayCellRecord& cell : block.cells)
                if (!cell.rc.IsRectEmpty() && DaySerial(cell.date) == DaySerial(date))
                    return cell.rc;
        ADD_FAILURE() << "no drawn cell for " << static_cast<LPCSTR>(date.Format("%Y-%m-%d"));
        return CRect();
    }

    void Press(CPoint pt) { m_calendar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(pt)); }
    void Move(CPoint pt, bool bButton = true)
    {
        m_calendar.SendMessage(WM_MOUSEMOVE, bButton ? MK_LBUTTON : 0, At(pt));
    }
    void Release(CPoint pt)
    {
        m_calendar.SendMessage(WM_LBUTTONUP, 0, At(pt));
        Picture record(m_calendar);
    }

    CFixedClock m_clock{COleDateTime(2024, 5, 20, 9, 30, 0)};
    NotifyRecorder m_parent;
    CMonthCalendar m_calendar;
};

TEST_F(MonthCalendarWindow, BorderAddsSixEachWayAndButtonsAddAFooter)
{
    CMonthCalendar plain, noBorder, buttons;
    const CSize sizePlain = plain.GetTotalSize();
    noBorder.m_bBorder = 0;
    const CSize sizeNoBorder = noBorder.GetTotalSize();
    buttons.m_bTodayButton = 1;
    const CSize sizeButtons = buttons.GetTotalSize();

    EXPECT_EQ(sizePlain.cx, sizeNoBorder.cx + 6);
    EXPECT_EQ(sizePlain.cy, sizeNoBorder.cy + 6);
    EXPECT_EQ(sizePlain.cx, sizeButtons.cx);
    EXPECT_GT(sizeButtons.cy - sizePlain.cy, 15); // "Today" plus 15
    EXPECT_EQ(sizePlain.cx, plain.m_metrics.cxBlock + 6);
    EXPECT_EQ(sizePlain.cy, plain.m_metrics.cyBlock + 6);

    // Larger fonts, larger calendar; two columns, twice the blocks.
    plain.SetAllFonts(12);
    const CSize sizeLarge = plain.GetTotalSize();
    EXPECT_GT(sizeLarge.cx, sizePlain.cx);
    EXPECT_GT(sizeLarge.cy, sizePlain.cy);
    plain.SetLayout(1, 2);
    EXPECT_EQ(2 * plain.m_metrics.cxBlock + 6, plain.GetTotalSize().cx);
}

TEST_F(MonthCalendarWindow, AutoSizeFitsTheParentOrUsesTheScreenFont)
{
    const int nScreenSize = AutoSizePointSize(GetSystemMetrics(SM_CXSCREEN));
    Create(CALS_AUTOSIZE | CALS_TODAYBUTTON);
    EXPECT_EQ(nScreenSize, m_calendar.m_fontDay.m_nPointSize) << "an 800 x 600 host has room";
    CRect rc;
    m_calendar.GetWindowRect(&rc);
    EXPECT_EQ(m_calendar.GetTotalSize(), rc.Size());

    // A host too small for the screen's font: shrink until it fits.
    NotifyRecorder small;
    ASSERT_TRUE(small.CreateEx(0, AfxRegisterWndClass(0), "small", WS_POPUP, 0, 0, 150, 170,
                               nullptr, nullptr));
    CMonthCalendar fitted;
    ASSERT_TRUE(fitted.Create(nullptr, "", WS_CHILD | CALS_AUTOSIZE, CRect(0, 0, 0, 0), &small, 1));
    EXPECT_LT(fitted.m_fontDay.m_nPointSize, nScreenSize);
    const CSize fittedSize = fitted.GetTotalSize();
    EXPECT_TRUE(fitted.m_fontDay.m_nPointSize == fitted.m_nMinFontSize ||
                (fittedSize.cx <= 150 && fittedSize.cy <= 170))
        << fittedSize.cx << "x" << fittedSize.cy << " at " << fitted.m_fontDay.m_nPointSize;

    // No limit: the screen's font whatever the host.
    CMonthCalendar unlimited;
    unlimited.SetSizeLimit(-2, -2);
    ASSERT_TRUE(unlimited.Create(nullptr, "", WS_CHILD, CRect(0, 0, 0, 0), &small, 2));
    unlimited.m_bAutoSize = 1;
    unlimited.AutoSize();
    EXPECT_EQ(nScreenSize, unlimited.m_fontDay.m_nPointSize);
}

TEST_F(MonthCalendarWindow, PaintsTodaysFrameSelectionAndGreyNeighbours)
{
    Create(CALS_TODAYBUTTON);
    m_calendar.SetSelection(Day(2024, 5, 10));
    const Picture picture(m_calendar);

    // Today's dark red frame around the recorded cell of 20 May.
    const CRect rcToday = DayCellTodayFrame(CellText(Day(2024, 5, 20)));
    EXPECT_EQ(CALENDAR_TODAYFRAME, picture.At(rcToday.left, rcToday.top));
    EXPECT_EQ(CALENDAR_TODAYFRAME, picture.At(rcToday.right - 1, rcToday.bottom - 1));
    EXPECT_EQ(2 * (rcToday.Width() + rcToday.Height()) - 4,
              picture.Count(rcToday, CALENDAR_TODAYFRAME));

    // The selected day: a button-face box with its number in a colour that reads on it.
    const CRect rcSelected = CellText(Day(2024, 5, 10));
    const CRect rcBox = DayCellSelectionRect(rcSelected);
    const COLORREF crBox = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(crBox, picture.At(rcBox.left, rcBox.top));
    EXPECT_EQ(crBox, picture.At(rcBox.right - 1, rcBox.bottom - 1));
    EXPECT_GT(picture.Count(rcSelected, SelectedDayTextColour(crBox, m_calendar.m_crBackground,
                                                              GetSysColor(COLOR_BTNTEXT))),
              0);

    // Days of April and June in grey, days of May in the day colour.
    const CRect rcApril = CellText(Day(2024, 4, 30));
    const CRect rcJune = CellText(Day(2024, 6, 8));
    const CRect rcMay = CellText(Day(2024, 5, 28));
    const COLORREF crGrey = GetSysColor(COLOR_GRAYTEXT);
    const COLORREF crText = GetSysColor(COLOR_BTNTEXT);
    EXPECT_GT(picture.Count(rcApril, crGrey), 0);
    EXPECT_GT(picture.Count(rcJune, crGrey), 0);
    EXPECT_EQ(0, picture.Count(rcJune, crText));
    EXPECT_GT(picture.Count(rcMay, crText), 0);
    EXPECT_EQ(0, picture.Count(rcMay, crGrey));

    // The border's outer line and the footer button.
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), picture.At(0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), picture.At(picture.Size().cx - 1, picture.Size().cy - 1));
    EXPECT_FALSE(m_calendar.m_rcTodayButton.IsRectEmpty());
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE),
              picture.At(m_calendar.m_rcTodayButton.left, m_calendar.m_rcTodayButton.top));
}

TEST_F(MonthCalendarWindow, DragAcrossDaysSelectsTheLastAndClicksOnce)
{
    Create(0);
    Press(CellHit(Day(2024, 5, 8)).CenterPoint());
    EXPECT_EQ(Day(2024, 5, 8), m_calendar.GetSelection());
    EXPECT_EQ(m_calendar.m_hWnd, ::GetCapture());
    Move(CellHit(Day(2024, 5, 9)).CenterPoint());
    Move(CellHit(Day(2024, 5, 16)).CenterPoint());
    EXPECT_EQ(Day(2024, 5, 16), m_calendar.GetSelection());
    Move(CPoint(2, 2)); // off the grid: the last day stays
    EXPECT_EQ(Day(2024, 5, 16), m_calendar.GetSelection());
    EXPECT_TRUE(m_parent.codes.empty()) << "nothing reported before the release";
    Release(CPoint(2, 2));
    EXPECT_EQ(nullptr, ::GetCapture());
    ASSERT_EQ(1u, m_parent.codes.size());
    EXPECT_EQ(kClick, m_parent.codes[0]);
    EXPECT_EQ(IDC_MONTHCALENDAR, m_parent.ids[0]);
    EXPECT_EQ(Day(2024, 5, 16), m_calendar.GetSelection());
}

TEST_F(MonthCalendarWindow, DoubleClickSelectsAndSendsDblClkAfterTheClick)
{
    Create(0);
    const CPoint pt = CellHit(Day(2024, 5, 22)).CenterPoint();
    Press(pt);
    Release(pt);
    m_calendar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(pt));
    Release(pt);
    EXPECT_EQ((std::vector<int>{kClick, kDblClk}), m_parent.codes);
    EXPECT_EQ(Day(2024, 5, 22), m_calendar.GetSelection());
}

TEST_F(MonthCalendarWindow, ArrowsPageAtOnceAndRepeatOnMovesWhileHeld)
{
    Create(0);
    const CPoint ptNext = m_calendar.m_rcNextArrow.CenterPoint();
    const CPoint ptPrev = m_calendar.m_rcPrevArrow.CenterPoint();
    Press(ptNext);
    EXPECT_EQ((YearMonth{6, 2024}), m_calendar.GetShownMonth());
    Move(ptNext);
    Move(ptNext);
    EXPECT_EQ((YearMonth{8, 2024}), m_calendar.GetShownMonth());
    Move(CPoint(80, 100)); // off the arrows: nothing
    EXPECT_EQ((YearMonth{8, 2024}), m_calendar.GetShownMonth());
    Release(ptNext);
    Move(ptNext); // released: moving over the arrow no longer pages
    EXPECT_EQ((YearMonth{8, 2024}), m_calendar.GetShownMonth());

    // Back across a year boundary; the quick second click of a pair pages too.
    m_calendar.SetShownMonth(2, 2025);
    Press(ptPrev);
    Release(ptPrev);
    m_calendar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(ptPrev));
    Release(ptPrev);
    EXPECT_EQ((YearMonth{12, 2024}), m_calendar.GetShownMonth());
    EXPECT_TRUE(m_parent.codes.empty()) << "paging is not reported";
}

TEST_F(MonthCalendarWindow, ArrowPressReleasedOutsideDoesNotRepeatOnHover)
{
    Create(0);
    const CPoint ptNext = m_calendar.m_rcNextArrow.CenterPoint();
    Press(ptNext); // the release happens outside and never arrives
    Move(ptNext, false);
    Move(ptNext, false);
    EXPECT_EQ((YearMonth{6, 2024}), m_calendar.GetShownMonth());
}

TEST_F(MonthCalendarWindow, TodayActsOnlyWhenReleasedOverIt)
{
    Create(CALS_TODAYBUTTON | CALS_NONEBUTTON);
    m_calendar.SetShownMonth(1, 2030);
    Picture record(m_calendar);
    const CPoint ptToday = m_calendar.m_rcTodayButton.CenterPoint();
    ASSERT_FALSE(m_calendar.m_rcNoneButton.IsRectEmpty());

    // Off and on again before the release: it acts.
    Press(ptToday);
    Move(CPoint(5, 5));
    EXPECT_EQ(0, m_calendar.m_bTodayHot);
    Move(ptToday);
    EXPECT_EQ(1, m_calendar.m_bTodayHot);
    Release(ptToday);
    EXPECT_EQ((YearMonth{5, 2024}), m_calendar.GetShownMonth());
    EXPECT_EQ(Day(2024, 5, 20), m_calendar.GetSelection());
    EXPECT_EQ((std::vector<int>{kClick}), m_parent.codes);

    // Released elsewhere: nothing.
    m_calendar.SetShownMonth(1, 2030);
    Picture again(m_calendar);
    Press(ptToday);
    Move(CPoint(5, 5));
    Release(CPoint(5, 5));
    EXPECT_EQ((YearMonth{1, 2030}), m_calendar.GetShownMonth());
    EXPECT_EQ(1u, m_parent.codes.size());

    // "None" clears the selection and shows the current month.
    const CPoint ptNone = m_calendar.m_rcNoneButton.CenterPoint();
    Press(ptNone);
    Release(ptNone);
    EXPECT_EQ(COleDateTime::invalid, m_calendar.GetSelection().GetStatus());
    EXPECT_EQ((YearMonth{5, 2024}), m_calendar.GetShownMonth());
    EXPECT_EQ(2u, m_parent.codes.size());
}

TEST_F(MonthCalendarWindow, HeaderPressShowsTheMonthListAndReleasePicksItsMiddle)
{
    Create(0);
    // The list is placed at the position of the message being handled, which is where the
    // mouse was when the last message was taken from the queue: mid-screen, so that the list
    // has room all round.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
    m_calendar.PostMessage(WM_NULL);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    Press(m_calendar.m_blocks[0].rcHeader.CenterPoint());
    CMonthPicker* pList = m_calendar.GetMonthList();
    ASSERT_NE(nullptr, pList);
    EXPECT_TRUE(pList->IsWindowVisible());
    EXPECT_EQ(m_calendar.m_hWnd, ::GetCapture());
    EXPECT_EQ(7, pList->m_nRows);
    EXPECT_EQ(5, pList->m_nMonth);
    EXPECT_EQ(2024, pList->m_nYear);

    // Centred on the press position the message carried.
    CRect rcList;
    pList->GetWindowRect(&rcList);
    const DWORD dwPos = GetMessagePos();
    EXPECT_NEAR(static_cast<short>(LOWORD(dwPos)), rcList.CenterPoint().x, 1);
    EXPECT_NEAR(static_cast<short>(HIWORD(dwPos)), rcList.CenterPoint().y, 1);
    EXPECT_EQ(2 * ((7 * pList->GetLineHeight() + 3) / 2), rcList.Height());

    // Nothing moved: the middle line is the pick.
    m_calendar.m_nMonth = 1; // proves the release sets the month again
    Release(CPoint(0, 0));
    EXPECT_EQ(nullptr, m_calendar.GetMonthList());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ((YearMonth{5, 2024}), m_calendar.GetShownMonth());
    EXPECT_TRUE(m_parent.codes.empty());
}

TEST_F(MonthCalendarWindow, RangeModeSelectsFromTheEarlierToTheLaterDay)
{
    Create(CALS_RANGESELECT);
    Press(CellHit(Day(2024, 5, 10)).CenterPoint());
    Move(CellHit(Day(2024, 5, 3)).CenterPoint());
    Release(CellHit(Day(2024, 5, 3)).CenterPoint());
    EXPECT_EQ(Day(2024, 5, 3), m_calendar.m_selStart);
    EXPECT_EQ(Day(2024, 5, 10), m_calendar.m_selEnd);
    EXPECT_EQ(COleDateTime::invalid, m_calendar.GetSelection().GetStatus());
    EXPECT_EQ((std::vector<int>{kClick}), m_parent.codes);
}

int MarkEveryDay(CMonthCalendar*, const COleDateTime*) { return 1; }
int FailEveryDay(CMonthCalendar*, const COleDateTime*) { throw 13; }

TEST_F(MonthCalendarWindow, DayStateCallbackPicksTheSpecialFontAndMayFail)
{
    Create(0);
    const CRect rc17 = CellText(Day(2024, 5, 17));
    const COLORREF crText = GetSysColor(COLOR_BTNTEXT);
    const int nRegular = Picture(m_calendar).Count(rc17, crText);

    m_calendar.SetDayStateCallback(&MarkEveryDay);
    const int nBold = Picture(m_calendar).Count(rc17, crText);
    EXPECT_GT(nBold, nRegular) << "the special-day font is bold";

    // A callback that throws leaves the day in the normal font, and the paint goes on.
    m_calendar.SetDayStateCallback(&FailEveryDay);
    EXPECT_EQ(nRegular, Picture(m_calendar).Count(rc17, crText));
}

} // namespace
