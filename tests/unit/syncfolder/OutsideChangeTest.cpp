#include <gtest/gtest.h>

#include "note/OutsideChange.h"

namespace {

TEST(OutsideChange, WhatARunningNoteDoesWithItsFileChangedFromOutside)
{
    const std::string mine = "0\r\n0\r\n9\r\n9\r\nmine";
    const std::string theirs = "0\r\n0\r\n9\r\n9\r\ntheirs";
    const std::string moved = "5\r\n5\r\n14\r\n14\r\nmine";
    struct Case {
        bool present;
        std::string onDisk;
        bool unsaved;
        OutsideChange expected;
    } cases[] = {
        {true, mine, false, OutsideChange::None},
        {true, mine, true, OutsideChange::None}, // our own save, or the same bytes again
        {true, theirs, false, OutsideChange::Take},
        {true, moved, false, OutsideChange::Take},
        {true, theirs, true, OutsideChange::KeepBoth},
        {false, "", false, OutsideChange::Close},
        {false, "", true, OutsideChange::CloseKeepText},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyOutsideChange(c.present, c.onDisk, mine, c.unsaved), c.expected)
            << c.onDisk << " unsaved " << c.unsaved;
}

TEST(OutsideChange, TextOfNoteBytesSkipsTheFourNumberLines)
{
    EXPECT_EQ(TextOfNoteBytes("1\r\n2\r\n3\r\n4\r\nline\r\ntwo"), "line\r\ntwo");
    EXPECT_EQ(TextOfNoteBytes("1\r\n2\r\n3\r\n4\r\n"), "");
    EXPECT_EQ(TextOfNoteBytes(""), "");
}

} // namespace
