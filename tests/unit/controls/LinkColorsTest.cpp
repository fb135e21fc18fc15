// Which colour the link is drawn in.
#include <gtest/gtest.h>

#include "controls/LinkColors.h"

namespace {

const COLORREF kNormal = RGB(0, 128, 0);
const COLORREF kVisited = RGB(0, 0, 128);
const COLORREF kHover = RGB(128, 0, 0);

TEST(LinkColors, HoverWinsOverVisited)
{
    struct Row {
        BOOL bHover;
        BOOL bVisited;
        COLORREF expected;
    };
    const Row rows[] = {
        {FALSE, FALSE, kNormal},
        {FALSE, TRUE, kVisited},
        {TRUE, FALSE, kHover},
        {TRUE, TRUE, kHover},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.expected, LinkTextColor(kNormal, kVisited, kHover, row.bHover, row.bVisited))
            << "hover " << row.bHover << ", visited " << row.bVisited;
    }
}

} // namespace
