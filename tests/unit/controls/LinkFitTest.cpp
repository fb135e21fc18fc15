// Where the link control goes when it fits itself to its text.
#include <gtest/gtest.h>

#include <ostream>

#include "controls/LinkFit.h"

namespace {

struct FitCase {
    const char* name;
    RECT rcWindow;
    RECT rcClient;
    SIZE szText;
    DWORD dwStyle;
    RECT expected;
};

std::ostream& operator<<(std::ostream& os, const FitCase& c)
{
    return os << c.name;
}

// A borderless static at (10,20)-(110,40) unless a row says otherwise.
// clang-format off
const FitCase kCases[] = {
    {"left keeps the left edge", {10, 20, 110, 40}, {10, 20, 110, 40}, {60, 13}, SS_LEFT,
     {10, 20, 70, 33}},
    {"left grows to the right", {10, 20, 110, 40}, {10, 20, 110, 40}, {150, 13}, SS_LEFT,
     {10, 20, 160, 33}},
    {"right keeps the right edge", {10, 20, 110, 40}, {10, 20, 110, 40}, {60, 13}, SS_RIGHT,
     {50, 20, 110, 33}},
    {"centred keeps the centre", {10, 20, 110, 40}, {10, 20, 110, 40}, {60, 13}, SS_CENTER,
     {30, 20, 90, 33}},
    // 39 / 2 = 19 at both sides: one pixel wider than the text.
    {"centred, odd shrink truncates", {10, 20, 110, 40}, {10, 20, 110, 40}, {61, 13},
     SS_CENTER, {29, 20, 91, 33}},
    {"centred grows at both sides", {10, 20, 110, 40}, {10, 20, 110, 40}, {140, 13}, SS_CENTER,
     {-10, 20, 130, 33}},
    // -41 / 2 = -20 toward zero: one pixel narrower than the text.
    {"centred, odd growth truncates toward zero", {10, 20, 110, 40}, {10, 20, 110, 40},
     {141, 13}, SS_CENTER, {-10, 20, 130, 33}},
    {"SS_CENTERIMAGE keeps the vertical centre", {10, 20, 110, 40}, {10, 20, 110, 40},
     {60, 13}, SS_LEFT | SS_CENTERIMAGE, {10, 23, 70, 37}},
    {"SS_CENTERIMAGE grows up and down", {10, 20, 110, 40}, {10, 20, 110, 40}, {60, 30},
     SS_LEFT | SS_CENTERIMAGE, {10, 15, 70, 45}},
    {"right and vertically centred", {10, 20, 110, 40}, {10, 20, 110, 40}, {60, 16},
     SS_RIGHT | SS_CENTERIMAGE, {50, 22, 110, 38}},
    {"both centres", {10, 20, 110, 40}, {10, 20, 110, 40}, {60, 16}, SS_CENTER | SS_CENTERIMAGE,
     {30, 22, 90, 38}},
    // A one-pixel border on each side: the frame is kept around the text.
    {"the border is kept", {10, 20, 112, 42}, {11, 21, 111, 41}, {60, 13}, SS_LEFT,
     {10, 20, 72, 35}},
    {"the border is kept at the right", {10, 20, 112, 42}, {11, 21, 111, 41}, {60, 13},
     SS_RIGHT, {50, 20, 112, 35}},
    {"flags beside the type do not count as alignment", {10, 20, 110, 40}, {10, 20, 110, 40},
     {60, 13}, SS_LEFT | SS_NOTIFY | SS_NOPREFIX, {10, 20, 70, 33}},
    {"empty text leaves only the frame", {10, 20, 112, 42}, {11, 21, 111, 41}, {0, 0},
     SS_LEFT, {10, 20, 12, 22}},
};
// clang-format on

class LinkFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(LinkFit, MovesTheEdgesItsAlignmentLetsGo)
{
    const FitCase& c = GetParam();
    const RECT got = FitRectToText(c.rcWindow, c.rcClient, c.szText, c.dwStyle);
    EXPECT_EQ(c.expected.left, got.left);
    EXPECT_EQ(c.expected.top, got.top);
    EXPECT_EQ(c.expected.right, got.right);
    EXPECT_EQ(c.expected.bottom, got.bottom);
}

INSTANTIATE_TEST_SUITE_P(Table, LinkFit, ::testing::ValuesIn(kCases));

} // namespace
