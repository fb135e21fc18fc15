#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "note/NoteBounds.h"

namespace {

// A 1280 x 1024 monitor with a 30-pixel taskbar at the bottom, and a second one to its
// right, 1024 x 768, whose top edge is 100 pixels lower.
const RECT kPrimary = {0, 0, 1280, 994};
const RECT kRight = {1280, 100, 2304, 868};

std::string Text(const RECT& rc) {
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," +
           std::to_string(rc.right) + "," + std::to_string(rc.bottom);
}

TEST(NoteBounds, SizesClampToTheOptionsRange) {
    struct Case {
        long long value;
        int width;
        int height;
    } cases[] = {
        {0, 60, 45},           {-1, 60, 45},         {59, 60, 59},   {60, 60, 60},
        {320, 320, 320},       {450, 450, 450},      {451, 451, 450}, {600, 600, 450},
        {601, 600, 450},       {LLONG_MAX, 600, 450}, {LLONG_MIN, 60, 45},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.width, ClampNoteWidth(c.value)) << c.value;
        EXPECT_EQ(c.height, ClampNoteHeight(c.value)) << c.value;
    }
}

TEST(NoteBounds, StoredRectangleTooSmallToGrabGrowsFromItsCorner) {
    struct Case {
        RECT stored;
        RECT expected;
    } cases[] = {
        {{100, 150, 420, 390}, {100, 150, 420, 390}},
        {{100, 150, 110, 160}, {100, 150, 160, 195}},
        {{100, 150, 160, 195}, {100, 150, 160, 195}},
        {{100, 150, 1100, 1050}, {100, 150, 1100, 1050}}, // large is the user's choice
        {{500, 500, 100, 100}, {500, 500, 560, 545}},     // right and bottom before left and top
        {{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN},
         {LONG_MAX - 60, LONG_MAX - 45, LONG_MAX, LONG_MAX}},
        {{LONG_MIN, LONG_MIN, LONG_MAX, LONG_MAX}, {LONG_MIN, LONG_MIN, LONG_MAX, LONG_MAX}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(c.expected), Text(ClampNoteRect(c.stored))) << Text(c.stored);
}

// Pins notes that could not be reached: a rectangle stored on a monitor that is gone, or
// hand-edited, brought the note up where nobody could see it.
TEST(NoteBounds, RectangleOffEveryMonitorMovesIntoTheNearestWorkArea) {
    const std::vector<RECT> monitors = {kPrimary, kRight};
    struct Case {
        const char* name;
        RECT stored;
        RECT expected;
    } cases[] = {
        {"on the primary", {100, 100, 420, 340}, {100, 100, 420, 340}},
        {"on the right monitor", {1500, 300, 1820, 540}, {1500, 300, 1820, 540}},
        {"across both", {1100, 200, 1420, 440}, {1100, 200, 1420, 440}},
        {"far up left", {-5000, -5000, -4680, -4760}, {0, 0, 320, 240}},
        {"left of the primary", {-400, 300, -80, 540}, {0, 300, 320, 540}},
        {"below the primary", {200, 1500, 520, 1740}, {200, 754, 520, 994}},
        {"under the taskbar only", {200, 1000, 520, 1240}, {200, 754, 520, 994}},
        {"right of the right monitor", {3000, 400, 3320, 640}, {1984, 400, 2304, 640}},
        {"in the gap above the right monitor", {1500, 0, 1820, 90}, {1500, 100, 1820, 190}},
        {"larger than the work area", {-3000, 0, -1000, 2000}, {0, 0, 2000, 2000}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(c.expected), Text(PlaceOnWorkAreas(c.stored, monitors))) << c.name;
}

TEST(NoteBounds, AGrabStripOf24PixelsKeepsThePlace) {
    const std::vector<RECT> monitors = {kPrimary};
    struct Case {
        RECT stored;
        bool kept;
    } cases[] = {
        {{-296, 100, 24, 340}, true},   // 24 pixels show at the left edge
        {{-297, 100, 23, 340}, false},  // 23 don't
        {{100, -216, 420, 24}, true},   // 24 at the top
        {{100, -217, 420, 23}, false},
        {{1256, 970, 1576, 1210}, true}, // 24 x 24 in the bottom right corner
        {{1257, 970, 1577, 1210}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.kept, HasGrabStrip(c.stored, monitors)) << Text(c.stored);
        RECT placed = PlaceOnWorkAreas(c.stored, monitors);
        EXPECT_EQ(c.kept, Text(placed) == Text(c.stored)) << Text(c.stored);
        EXPECT_TRUE(HasGrabStrip(placed, monitors)) << Text(c.stored);
    }
}

TEST(NoteBounds, NearestWorkAreaPrefersOverlapThenDistance) {
    const std::vector<RECT> monitors = {kPrimary, kRight};
    EXPECT_EQ(0, NearestWorkArea({100, 100, 200, 200}, monitors));
    EXPECT_EQ(1, NearestWorkArea({1270, 200, 1370, 300}, monitors)); // mostly on the right one
    EXPECT_EQ(1, NearestWorkArea({2400, 500, 2500, 600}, monitors));
    EXPECT_EQ(0, NearestWorkArea({-900, 500, -800, 600}, monitors));
    EXPECT_EQ(-1, NearestWorkArea({0, 0, 10, 10}, {}));
    // With no monitor known the rectangle stays as it was.
    EXPECT_EQ(Text({-5000, 0, -4000, 100}), Text(PlaceOnWorkAreas({-5000, 0, -4000, 100}, {})));
}

} // namespace

namespace {

// A mistyped 614 in the font dialog made the note one giant letter.
TEST(NoteBounds, FontHeightsClampToTheOfferedSizes) {
    struct Case {
        LONG height;
        int dpi;
        LONG expected;
    } cases[] = {
        {-24, 96, -24}, {24, 96, 24},    {0, 96, 0},        {-819, 96, -96}, {819, 96, 96},
        {-2, 96, -8},   {-96, 96, -96},  {-97, 96, -96},    {-8, 96, -8},    {-7, 96, -8},
        {-819, 120, -120}, {-5, 120, -10}, {-24, 0, -24},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ClampFontHeight(c.height, c.dpi)) << c.height << " at " << c.dpi;
}

} // namespace
