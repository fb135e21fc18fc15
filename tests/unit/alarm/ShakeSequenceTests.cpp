// The shake's path: four corners 3 px around the note, 300 times, then home.
#include "alarm/ShakeSequence.h"

#include <gtest/gtest.h>

namespace {

TEST(ShakeSequence, EachCycleVisitsTheFourCornersInOrder)
{
    ShakeSequence shake(CPoint(100, 200));
    const CPoint expected[] = {{103, 197}, {103, 203}, {97, 203}, {97, 197},
                               {103, 197}, {103, 203}, {97, 203}, {97, 197}};
    for (const CPoint& pt : expected) {
        const CPoint got = shake.Next();
        EXPECT_EQ(pt.x, got.x);
        EXPECT_EQ(pt.y, got.y);
    }
}

// Regression: the shake used to rest at its last corner, 3 px up and left, and the next save
// stored that place, so every alarm moved its note.
TEST(ShakeSequence, EndsExactlyWhereTheNoteStood)
{
    ShakeSequence shake(CPoint(-40, 15));
    CPoint last;
    int nMoves = 0;
    while (!shake.Done()) {
        last = shake.Next();
        ++nMoves;
    }
    EXPECT_EQ(1201, nMoves); // 300 cycles of four, and the way back
    EXPECT_EQ(-40, last.x);
    EXPECT_EQ(15, last.y);
    // Asked again once done, it stays home.
    const CPoint after = shake.Next();
    EXPECT_EQ(-40, after.x);
    EXPECT_EQ(15, after.y);
}

TEST(ShakeSequence, NeverStraysMoreThanThreePixels)
{
    ShakeSequence shake(CPoint(10, 10));
    for (int i = 0; i < ShakeSequence::kMoves; ++i) {
        const CPoint pt = shake.At(i);
        EXPECT_LE(std::abs(pt.x - 10), 3);
        EXPECT_LE(std::abs(pt.y - 10), 3);
    }
}

} // namespace
