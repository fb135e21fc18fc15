#include <gtest/gtest.h>

#include "dpi/DpiCursor.h"

namespace {

TEST(DpiCursor, PicksTheLargestDrawnImageThatFitsTheDpisCursorSize)
{
    const std::vector<int> drawn = {32, 48, 64};
    struct Case {
        int wanted, expected;
    } const cases[] = {
        {32, 32}, // 96 dpi
        {40, 32}, // 120 dpi: 40 px would be stretched from 32 or shrunk from 48
        {48, 48}, // 144 dpi
        {56, 48}, // 168 dpi
        {64, 64}, // 192 dpi
        {96, 64}, // 288 dpi: the largest drawn
        {24, 32}, // smaller than every image: the smallest
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, PickDrawnSize(drawn, c.wanted)) << c.wanted;
    EXPECT_EQ(48, PickDrawnSize({64, 48, 32}, 50)) << "in any order";
    EXPECT_EQ(0, PickDrawnSize({}, 32));
}

} // namespace
