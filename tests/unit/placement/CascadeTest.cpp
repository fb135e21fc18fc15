// Where a new note goes among the notes already showing, and a resized note kept on screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "placement/Cascade.h"

namespace {

const RECT kWork = {0, 0, 1024, 738};
const int kStep = 23;

RECT At(LONG x, LONG y, LONG cx = 320, LONG cy = 240) {
    return RECT{x, y, x + cx, y + cy};
}

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Text(const RECT& rc) {
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "-" +
           std::to_string(rc.right) + "," + std::to_string(rc.bottom);
}

TEST(CascadePlace, NewNoteStepsOffTheNotesItWouldCover) {
    struct Case {
        const char* what;
        RECT candidate;
        std::vector<RECT> others;
        RECT expected;
    };
    const Case cases[] = {
        {"no other note", At(352, 249), {}, At(352, 249)},
        {"another note elsewhere", At(352, 249), {At(10, 10)}, At(352, 249)},
        {"a note at the same place", At(352, 249), {At(352, 249)}, At(375, 272)},
        {"a smaller note at the same corner", At(352, 249), {At(352, 249, 100, 80)},
         At(375, 272)},
        {"a note a few pixels off still hides the corner", At(352, 249), {At(355, 247)},
         At(375, 272)},
        {"a note half a step off does not", At(352, 249), {At(352 + 12, 249)}, At(352, 249)},
        {"two notes already cascaded", At(352, 249), {At(352, 249), At(375, 272)},
         At(398, 295)},
        {"the order of the others does not matter", At(352, 249),
         {At(375, 272), At(352, 249)}, At(398, 295)},
        {"past the right edge the column starts again at the left", At(690, 100),
         {At(690, 100)}, At(0, 123)},
        {"past the bottom the row starts again at the top", At(100, 480), {At(100, 480)},
         At(123, 0)},
    };
    for (const Case& c : cases) {
        RECT got = CascadePlace(c.candidate, c.others, kWork, kStep);
        EXPECT_TRUE(Same(c.expected, got)) << c.what << ": " << Text(got);
    }
}

TEST(CascadePlace, EveryPlaceTakenKeepsTheCandidateAndEnds) {
    // A work area the note fills: every step wraps back to the same corner.
    const RECT work = {0, 0, 320, 240};
    RECT got = CascadePlace(At(0, 0), {At(0, 0)}, work, kStep);
    EXPECT_TRUE(Same(At(0, 0), got)) << Text(got);
    EXPECT_TRUE(Same(At(5, 5), CascadePlace(At(5, 5), {At(5, 5)}, kWork, 0)));
}

TEST(KeepInside, MovesNeverResizes) {
    struct Case {
        const char* what;
        RECT rc;
        RECT expected;
    };
    const Case cases[] = {
        {"inside stays", At(100, 100), At(100, 100)},
        {"past the bottom moves up", At(100, 600), At(100, 738 - 240)},
        {"past the right moves left", At(900, 100), At(1024 - 320, 100)},
        {"past both corners", At(900, 600), At(1024 - 320, 738 - 240)},
        {"above and left moves in", At(-50, -20), At(0, 0)},
        {"larger than the area keeps the top-left inside", At(500, 500, 1200, 900),
         At(0, 0, 1200, 900)},
    };
    for (const Case& c : cases) {
        RECT got = KeepInside(c.rc, kWork);
        EXPECT_TRUE(Same(c.expected, got)) << c.what << ": " << Text(got);
    }
    // A second monitor's work area, left of the primary.
    const RECT left = {-1280, 0, 0, 1024};
    RECT got = KeepInside(At(-100, 900), left);
    EXPECT_TRUE(Same(At(-320, 1024 - 240), got)) << Text(got);
}

} // namespace
