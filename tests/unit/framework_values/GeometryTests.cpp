#include "framework/Geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(CRect, SizeAndHitTestEdges)
{
    const CRect rc(10, 20, 110, 70);
    EXPECT_EQ(100, rc.Width());
    EXPECT_EQ(50, rc.Height());
    EXPECT_EQ(CSize(100, 50), rc.Size());
    EXPECT_EQ(CPoint(60, 45), rc.CenterPoint());
    EXPECT_EQ(CPoint(10, 20), rc.TopLeft());
    EXPECT_EQ(CPoint(110, 70), rc.BottomRight());

    struct {
        POINT pt;
        BOOL inside;
    } const hits[] = {{{10, 20}, TRUE}, {{109, 69}, TRUE}, {{110, 69}, FALSE},
                      {{109, 70}, FALSE}, {{9, 20}, FALSE}, {{50, 19}, FALSE}};
    for (const auto& h : hits)
        EXPECT_EQ(h.inside, rc.PtInRect(h.pt)) << h.pt.x << "," << h.pt.y;

    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(9, 5, 5, 9).IsRectEmpty());
    EXPECT_FALSE(CRect(9, 5, 5, 9).IsRectNull());
    EXPECT_TRUE(CRect().IsRectNull());
}

TEST(CRect, MoveGrowAndNormalize)
{
    CRect rc(0, 0, 10, 10);
    rc.OffsetRect(5, -5);
    EXPECT_EQ(CRect(5, -5, 15, 5), rc);
    rc.InflateRect(2, 3);
    EXPECT_EQ(CRect(3, -8, 17, 8), rc);
    rc.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(4, -6, 14, 4), rc);
    rc += CPoint(1, 1);
    rc -= CSize(2, 2);
    EXPECT_EQ(CRect(3, -7, 13, 3), rc);

    CRect flipped(10, 20, 0, 5);
    flipped.NormalizeRect();
    EXPECT_EQ(CRect(0, 5, 10, 20), flipped);

    CRect copy;
    copy.CopyRect(flipped);
    EXPECT_TRUE(copy.EqualRect(flipped));
    copy.SetRectEmpty();
    EXPECT_TRUE(copy.IsRectNull());
}

TEST(CRect, IntersectAndUnion)
{
    const CRect a(0, 0, 10, 10), b(5, 5, 20, 20), distant(30, 30, 40, 40), empty;
    CRect r;
    EXPECT_TRUE(r.IntersectRect(a, b));
    EXPECT_EQ(CRect(5, 5, 10, 10), r);
    EXPECT_FALSE(r.IntersectRect(a, distant));
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_TRUE(r.UnionRect(a, b));
    EXPECT_EQ(CRect(0, 0, 20, 20), r);
    EXPECT_TRUE(r.UnionRect(empty, distant));  // an empty operand does not pull in (0,0)
    EXPECT_EQ(distant, r);
    EXPECT_EQ(CRect(5, 5, 10, 10), a & b);
    EXPECT_EQ(CRect(0, 0, 20, 20), a | b);
}

TEST(CPointCSize, ArithmeticAndPackedWords)
{
    CPoint pt(3, 4);
    pt.Offset(1, 1);
    pt += CSize(10, 20);
    EXPECT_EQ(CPoint(14, 25), pt);
    EXPECT_EQ(CSize(4, 5), pt - CPoint(10, 20));
    EXPECT_EQ(CPoint(4, 5), pt - CSize(10, 20));
    EXPECT_EQ(CPoint(-14, -25), -pt);
    // Mouse messages pack signed coordinates: (-5, 300).
    EXPECT_EQ(CPoint(-5, 300), CPoint(static_cast<DWORD>(MAKELONG(-5, 300))));
    EXPECT_EQ(CSize(7, 9), CSize(2, 3) + CSize(5, 6));
    EXPECT_EQ(CRect(1, 2, 11, 12), CRect(CPoint(1, 2), CSize(10, 10)));
}

}  // namespace
