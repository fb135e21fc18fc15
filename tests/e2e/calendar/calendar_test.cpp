// calendar.exe driven with the real mouse: days, arrows, the month list, the footer button,
// and what the screen shows. Today is fixed at 20 May 2024 through --today.
#include "e2e.h"

#include "tools/calendar/CalendarToolQuery.h"

#include <cstdlib>
#include <vector>

namespace {

void SendButton(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    Sleep(30);
}
void ButtonDown() { SendButton(MOUSEEVENTF_LEFTDOWN); }
void ButtonUp() { SendButton(MOUSEEVENTF_LEFTUP); }

POINT Unpack(LRESULT packed)
{
    return POINT{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
}

// A part of the screen, read once.
class ScreenArea {
public:
    explicit ScreenArea(const RECT& rc) : m_rc(rc)
    {
        const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = cx;
        info.bmiHeader.biHeight = -cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, cx, cy, screen, rc.left, rc.top, SRCCOPY);
        GdiFlush();
        m_pixels.assign(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + cx * cy);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    COLORREF At(int x, int y) const
    {
        const DWORD p = m_pixels[(y - m_rc.top) * (m_rc.right - m_rc.left) + (x - m_rc.left)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Count(const RECT& rc, COLORREF cr) const
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += At(x, y) == cr ? 1 : 0;
        return n;
    }

    // Pixels whose brightness differs clearly from cr's: what the eye reads on it.
    int CountFarFrom(const RECT& rc, COLORREF cr) const
    {
        auto luma = [](COLORREF c) {
            return (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000;
        };
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += std::abs(luma(At(x, y)) - luma(cr)) >= 48 ? 1 : 0;
        return n;
    }

private:
    RECT m_rc;
    std::vector<DWORD> m_pixels;
};

class CalendarTool : public e2e::TacknoteTest {
protected:
    void SetUp() override
    {
        tool = e2e::Process("calendar.exe", "--today=2024-05-20 --at=100,100", dir.Path());
        ASSERT_TRUE(tool.Started());
        window = e2e::WaitForWindow(tool.Id(), nullptr, "Calendar", 10000);
        ASSERT_NE(nullptr, window);
        ASSERT_TRUE(e2e::Activate(window));
        ASSERT_EQ(202405, Query(CALTOOL_SHOWN_MONTH));
    }
    void TearDown() override
    {
        e2e::TacknoteTest::TearDown(); // the screenshot of a failure shows the calendar
        tool.Kill();
    }

    LRESULT Query(WPARAM kind, LPARAM arg = 0)
    {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(window, CALTOOL_QUERY, kind, arg, SMTO_ABORTIFHUNG, 2000, &result);
        return static_cast<LRESULT>(result);
    }
    POINT Point(WPARAM kind, LPARAM arg = 0)
    {
        const LRESULT packed = Query(kind, arg);
        EXPECT_NE(-1, packed) << "no point of kind " << kind;
        return Unpack(packed);
    }
    // The recorded hit rectangle of a day, on the screen.
    RECT Cell(int y, int m, int d)
    {
        const POINT tl = Point(CALTOOL_CELL_TOPLEFT, CalendarToolDate(y, m, d));
        const POINT br = Point(CALTOOL_CELL_BOTTOMRIGHT, CalendarToolDate(y, m, d));
        return RECT{tl.x, tl.y, br.x, br.y};
    }
    static POINT Centre(const RECT& rc)
    {
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    bool TitleIs(const char* title)
    {
        return e2e::WaitUntil([&] { return e2e::WindowText(window) == title; }, 3000);
    }
    HWND MonthListWindow()
    {
        for (HWND w : e2e::TopLevelWindows(tool.Id()))
            if (w != window)
                return w;
        return nullptr;
    }

    e2e::Process tool;
    HWND window = nullptr;
};

TEST_F(CalendarTool, ClickingADayPutsItInTheTitleWithOneClick)
{
    const POINT pt = Centre(Cell(2024, 5, 16));
    e2e::Click(pt.x, pt.y);
    EXPECT_TRUE(TitleIs("Calendar - 05/16/2024")) << e2e::WindowText(window);
    EXPECT_EQ(1, Query(CALTOOL_CLICKS));

    // A neighbouring month's day is a day like any other.
    const POINT june = Centre(Cell(2024, 6, 3));
    e2e::Click(june.x, june.y);
    EXPECT_TRUE(TitleIs("Calendar - 06/03/2024")) << e2e::WindowText(window);
    EXPECT_EQ(2, Query(CALTOOL_CLICKS));
    EXPECT_EQ(0, Query(CALTOOL_DBLCLKS));
}

TEST_F(CalendarTool, ArrowsPageByOneMonth)
{
    const POINT next = Point(CALTOOL_NEXT_ARROW);
    e2e::Click(next.x, next.y);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Query(CALTOOL_SHOWN_MONTH) == 202406; }, 2000));
    const POINT prev = Point(CALTOOL_PREV_ARROW);
    // Quick clicks: every second one arrives as a double-click and must page as well.
    for (int i = 0; i < 6; ++i)
        e2e::Click(prev.x, prev.y);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Query(CALTOOL_SHOWN_MONTH) == 202312; }, 2000))
        << Query(CALTOOL_SHOWN_MONTH);
    EXPECT_EQ(0, Query(CALTOOL_CLICKS)) << "paging is not reported";
}

TEST_F(CalendarTool, HeaderPressDragReleasePicksAMonth)
{
    const POINT header = Point(CALTOOL_HEADER, 0);
    e2e::MoveMouse(header.x, header.y);
    ButtonDown();
    ASSERT_TRUE(e2e::WaitUntil([&] { return MonthListWindow() != nullptr; }, 2000));
    HWND list = MonthListWindow();
    const RECT rcList = e2e::WindowRect(list);
    EXPECT_NEAR((rcList.top + rcList.bottom) / 2, header.y, 1) << "centred on the press";
    EXPECT_EQ(202405, Query(CALTOOL_LIST_MIDDLE));
    const int cyLine = static_cast<int>(Query(CALTOOL_LIST_LINE));
    ASSERT_GT(cyLine, 5);

    // Two lines below the middle one; the bar follows once the list has repainted.
    e2e::MoveMouse(header.x, header.y + cyLine);
    e2e::MoveMouse(header.x, header.y + 2 * cyLine);
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return ScreenArea(rcList).At(rcList.left + 3, header.y + 2 * cyLine) == 0; }, 2000))
        << "the hot line is a black bar at the mouse";
    const ScreenArea shot(rcList);
    ButtonUp();
    EXPECT_TRUE(e2e::WaitUntil([&] { return Query(CALTOOL_SHOWN_MONTH) == 202407; }, 2000))
        << Query(CALTOOL_SHOWN_MONTH);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(list); }, 2000)) << "the list closes";

    // The hot line was a black bar across the list at the mouse.
    EXPECT_EQ(RGB(0, 0, 0), shot.At(rcList.left + 3, header.y + 2 * cyLine));
    EXPECT_EQ(RGB(255, 255, 255), shot.At(rcList.left + 3, header.y));
    EXPECT_EQ(0, Query(CALTOOL_CLICKS));
}

TEST_F(CalendarTool, HoldingBelowTheListScrollsIt)
{
    const POINT header = Point(CALTOOL_HEADER, 0);
    e2e::MoveMouse(header.x, header.y);
    ButtonDown();
    ASSERT_TRUE(e2e::WaitUntil([&] { return MonthListWindow() != nullptr; }, 2000));
    const RECT rcList = e2e::WindowRect(MonthListWindow());
    e2e::MoveMouse(header.x, rcList.bottom + 20);
    // Far below: two months per five timer steps, while the mouse rests.
    EXPECT_TRUE(e2e::WaitUntil([&] { return Query(CALTOOL_LIST_MIDDLE) >= 202409; }, 3000))
        << Query(CALTOOL_LIST_MIDDLE);
    const LRESULT middle = Query(CALTOOL_LIST_MIDDLE);
    ButtonUp();
    // Below the list the bottom line is picked: three after the middle, or a step later.
    EXPECT_TRUE(e2e::WaitUntil([&] { return MonthListWindow() == nullptr; }, 2000));
    const LRESULT shown = Query(CALTOOL_SHOWN_MONTH);
    const int nShown = static_cast<int>(shown / 100 * 12 + shown % 100);
    const int nMiddle = static_cast<int>(middle / 100 * 12 + middle % 100);
    EXPECT_GE(nShown, nMiddle + 3) << shown;
    EXPECT_LE(nShown, nMiddle + 7) << shown;
}

TEST_F(CalendarTool, TodayActsOnlyWhenReleasedOverIt)
{
    const POINT next = Point(CALTOOL_NEXT_ARROW);
    e2e::Click(next.x, next.y);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Query(CALTOOL_SHOWN_MONTH) == 202406; }, 2000));

    const POINT today = Point(CALTOOL_TODAY_BUTTON);
    // Pressed, moved away, released away: nothing.
    e2e::MoveMouse(today.x, today.y);
    ButtonDown();
    e2e::MoveMouse(today.x, today.y - 60);
    ButtonUp();
    Sleep(100);
    EXPECT_EQ(202406, Query(CALTOOL_SHOWN_MONTH));
    EXPECT_EQ(0, Query(CALTOOL_CLICKS));
    EXPECT_EQ("Calendar", e2e::WindowText(window));

    // Pressed, away and back, released over it: today.
    e2e::MoveMouse(today.x, today.y);
    ButtonDown();
    e2e::MoveMouse(today.x, today.y - 60);
    e2e::MoveMouse(today.x, today.y);
    ButtonUp();
    EXPECT_TRUE(TitleIs("Calendar - 05/20/2024")) << e2e::WindowText(window);
    EXPECT_EQ(202405, Query(CALTOOL_SHOWN_MONTH));
    EXPECT_EQ(1, Query(CALTOOL_CLICKS));
}

TEST_F(CalendarTool, ScreenShowsTodaysFrameTheSelectionAndGreyNeighbours)
{
    const POINT pt = Centre(Cell(2024, 5, 9));
    e2e::Click(pt.x, pt.y);
    ASSERT_TRUE(TitleIs("Calendar - 05/09/2024"));
    e2e::MoveMouse(20, 20); // the pointer off the picture
    const RECT today = Cell(2024, 5, 20);
    const COLORREF crFrame = RGB(132, 0, 0);
    const RECT selected = Cell(2024, 5, 9);
    const COLORREF crFace = GetSysColor(COLOR_BTNFACE);
    // The picture reaches the screen a moment after the paint.
    e2e::WaitUntil([&] { return e2e::ScreenPixel(selected.left, selected.top) == crFace; }, 2000);
    const ScreenArea screen(e2e::WindowRect(window));

    // Today: a dark red frame at the recorded cell (the frame is one pixel shorter).
    EXPECT_EQ(crFrame, screen.At(today.left, today.top));
    EXPECT_EQ(crFrame, screen.At(today.right - 1, today.top));
    EXPECT_EQ(crFrame, screen.At(today.left, today.bottom - 2));
    EXPECT_EQ(crFrame, screen.At(today.right - 1, today.bottom - 2));
    EXPECT_NE(crFrame, screen.At(today.left + 4, today.top + 4));

    // The selection: a button-face box, its number legible on it.
    EXPECT_EQ(crFace, screen.At(selected.left, selected.top));
    EXPECT_EQ(crFace, screen.At(selected.right - 1, selected.bottom - 1));
    EXPECT_GT(screen.CountFarFrom(selected, crFace), 8) << "the selected number is legible";

    // Days of April and June in grey; days of May in the text colour.
    const COLORREF crGrey = GetSysColor(COLOR_GRAYTEXT);
    for (const RECT& rc : {Cell(2024, 4, 28), Cell(2024, 6, 8)}) {
        EXPECT_GT(screen.Count(rc, crGrey), 0);
        EXPECT_EQ(0, screen.Count(rc, GetSysColor(COLOR_BTNTEXT)));
    }
    const RECT may = Cell(2024, 5, 28);
    EXPECT_GT(screen.Count(may, GetSysColor(COLOR_BTNTEXT)), 0);
    EXPECT_EQ(0, screen.Count(may, crGrey));

    // Kept for a person to look at.
    const RECT rcWindow = e2e::WindowRect(window);
    e2e::Screenshot(e2e::ScreenshotDir() + "calendar_e2e_look.png", &rcWindow);
}

} // namespace

namespace {

// A calendar in the top-left corner of the screen, its header close to both edges.
class CalendarInTheCorner : public e2e::TacknoteTest {
protected:
    void TearDown() override
    {
        e2e::TacknoteTest::TearDown();
        tool.Kill();
    }
    e2e::Process tool;
};

// Regression: the month list was centred on the press whatever the screen, so near an edge
// part of it lay off the screen where the mouse could not reach its lines.
TEST_F(CalendarInTheCorner, TheMonthListStaysInsideTheWorkArea)
{
    tool = e2e::Process("calendar.exe", "--today=2024-05-20 --at=-70,-10", dir.Path());
    ASSERT_TRUE(tool.Started());
    HWND window = e2e::WaitForWindow(tool.Id(), nullptr, "Calendar", 10000);
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(e2e::Activate(window));
    DWORD_PTR packed = 0;
    SendMessageTimeoutA(window, CALTOOL_QUERY, CALTOOL_HEADER, 0, SMTO_ABORTIFHUNG, 2000, &packed);
    const POINT header = Unpack(static_cast<LRESULT>(packed));
    ASSERT_GE(header.x, 0);
    ASSERT_GE(header.y, 0);

    e2e::MoveMouse(header.x, header.y);
    ButtonDown();
    HWND list = nullptr;
    const bool bShown = e2e::WaitUntil(
        [&] {
            for (HWND w : e2e::TopLevelWindows(tool.Id()))
                if (w != window)
                    list = w;
            return list != nullptr;
        },
        2000);
    RECT rcList = {};
    if (list)
        rcList = e2e::WindowRect(list);
    ButtonUp();
    ASSERT_TRUE(bShown) << "no month list";
    RECT rcWork;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    EXPECT_GE(rcList.left, rcWork.left);
    EXPECT_GE(rcList.top, rcWork.top);
    EXPECT_LE(rcList.right, rcWork.right);
    EXPECT_LE(rcList.bottom, rcWork.bottom);
    EXPECT_TRUE(PtInRect(&rcList, header)) << "the press lies inside the list";
}

} // namespace
