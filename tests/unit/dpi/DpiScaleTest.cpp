#include <gtest/gtest.h>

#include "dpi/DpiScale.h"

namespace {

const int kDpis[] = {96, 120, 144, 168, 192, 288};

TEST(DpiScale, RoundsHalvesAwayFromZeroLikeMulDiv)
{
    struct Case {
        int value, numerator, denominator, expected;
    } const cases[] = {
        {1, 3, 2, 2},      {-1, 3, 2, -2},  {3, 1, 2, 2},    {-3, 1, 2, -2},
        {5, 144, 96, 8},   {-5, 144, 96, -8}, {7, 96, 144, 5}, {-7, 96, 144, -5},
        {200, 144, 96, 300}, {-24, 144, 96, -36}, {0, 144, 96, 0}, {9, 5, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaleRounded(c.value, c.numerator, c.denominator), c.expected)
            << c.value << " * " << c.numerator << " / " << c.denominator;
    }
}

// Pins a drift: a size shown on a high-dpi monitor and saved back must not grow or shrink by
// a pixel per save, for odd values and for places left of or above the primary monitor.
TEST(DpiScale, HundredRoundTripsNeverDrift)
{
    for (int dpi : kDpis) {
        for (int value = -2001; value <= 2001; ++value) {
            int v = value;
            for (int trip = 0; trip < 100; ++trip) v = DeviceToFile(FileToDevice(v, dpi), dpi);
            ASSERT_EQ(v, value) << "at " << dpi << " dpi";
        }
    }
}

TEST(DpiScale, RectKeepsItsSizeWhereverItStandsAndRoundTrips)
{
    for (int dpi : kDpis) {
        for (int left = -603; left <= 603; left += 67) {
            for (int width = 59; width <= 601; width += 41) {
                RECT file{left, left / 2 - 1, left + width, left / 2 - 1 + width * 3 / 4};
                RECT device = FileRectToDevice(file, dpi);
                EXPECT_EQ(device.right - device.left, FileToDevice(width, dpi));
                RECT back = file;
                for (int trip = 0; trip < 100; ++trip)
                    back = DeviceRectToFile(FileRectToDevice(back, dpi), dpi);
                EXPECT_TRUE(EqualRect(&back, &file)) << left << " " << width << " at " << dpi;
            }
        }
    }
}

TEST(DpiScale, StoredNoteAtOneAndAHalf)
{
    RECT device = FileRectToDevice(RECT{100, 100, 300, 250}, 144);
    EXPECT_EQ(device.left, 150);
    EXPECT_EQ(device.top, 150);
    EXPECT_EQ(device.right - device.left, 300);
    EXPECT_EQ(device.bottom - device.top, 225);
}

TEST(DpiScale, WholeFactorsForPixelDrawings)
{
    const int cases[][2] = {{72, 1}, {96, 1}, {120, 1}, {143, 1}, {144, 2}, {192, 2},
                            {239, 2}, {240, 3}, {0, 1}};
    for (const auto& c : cases) EXPECT_EQ(WholeFactorForDpi(c[0]), c[1]) << c[0];
}

} // namespace
