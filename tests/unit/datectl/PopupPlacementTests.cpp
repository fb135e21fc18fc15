// Where the drop button and the calendar pop-up go, and how a pop-up is kept inside the work
// area.
#include "datectl/PopupPlacement.h"

#include "GeometryPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(DropButtonPlace, OnePixelRightSixteenWideOneInFromTopAndBottom)
{
    EXPECT_EQ(CRect(95, 41, 111, 61), DropButtonRect(CRect(34, 40, 94, 62)));
    EXPECT_EQ(CRect(11, 1, 27, 19), DropButtonRect(CRect(0, 0, 10, 20)));
    // Wider with the monitor's dpi; the gaps stay one pixel.
    EXPECT_EQ(CRect(95, 41, 119, 61), DropButtonRect(CRect(34, 40, 94, 62), 144));
    EXPECT_EQ(CRect(95, 41, 127, 61), DropButtonRect(CRect(34, 40, 94, 62), 192));
}

TEST(KeepInsideWorkArea, MovesNeverResizes)
{
    const CRect work(0, 0, 1280, 994); // a task bar below
    const struct {
        CRect rc;
        CRect expected;
    } rows[] = {
        {CRect(100, 100, 300, 260), CRect(100, 100, 300, 260)},     // inside: unchanged
        {CRect(100, 900, 300, 1060), CRect(100, 834, 300, 994)},    // below: moved up
        {CRect(1200, 100, 1400, 260), CRect(1080, 100, 1280, 260)}, // right: moved left
        {CRect(1200, 900, 1400, 1060), CRect(1080, 834, 1280, 994)},
        {CRect(-50, -20, 150, 140), CRect(0, 0, 200, 160)}, // above and left
        {CRect(0, 0, 1400, 1100), CRect(0, 0, 1400, 1100)}, // too big: top-left wins
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, KeepInsideWorkArea(row.rc, work))
            << ::testing::PrintToString(row.rc);
}

TEST(CalendarPopupPlace, UnderTheFieldTwoPixelsLeftOfItsClientArea)
{
    const CRect client(202, 302, 320, 320);
    const CRect window(200, 300, 322, 322);
    EXPECT_EQ(CRect(200, 320, 380, 480),
              CalendarPopupRect(client, window, CSize(180, 160), CRect(0, 0, 1280, 1024)));
}

TEST(CalendarPopupPlace, AboveTheFieldWhenThereIsNoRoomBelow)
{
    const CRect client(202, 902, 320, 920);
    const CRect window(200, 900, 322, 922);
    EXPECT_EQ(CRect(200, 740, 380, 900),
              CalendarPopupRect(client, window, CSize(180, 160), CRect(0, 0, 1280, 994)));
}

TEST(CalendarPopupPlace, NoRoomAboveEitherKeepsItInsideFromBelow)
{
    // A short work area: neither side has room, so the pop-up ends at the work area's bottom.
    const CRect client(202, 102, 320, 120);
    const CRect window(200, 100, 322, 122);
    EXPECT_EQ(CRect(200, 40, 380, 200),
              CalendarPopupRect(client, window, CSize(180, 160), CRect(0, 0, 1280, 200)));
}

TEST(CalendarPopupPlace, AFieldAtTheRightEdgeGetsItsPopupMovedLeft)
{
    const CRect client(1202, 302, 1270, 320);
    const CRect window(1200, 300, 1272, 322);
    EXPECT_EQ(CRect(1100, 320, 1280, 480),
              CalendarPopupRect(client, window, CSize(180, 160), CRect(0, 0, 1280, 1024)));
}

} // namespace
