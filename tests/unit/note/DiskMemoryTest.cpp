#include <gtest/gtest.h>

#include "WorkingDir.h"
#include "note/DiskMemory.h"
#include "note/IniCheck.h"

namespace {

TEST(DiskMemory, WritesWhenNothingIsKnownOrTheContentDiffers)
{
    DiskMemory memory;
    EXPECT_TRUE(memory.NeedsWrite(""));
    memory.Remember("abc", FileStamp{true, 3, 100});
    EXPECT_FALSE(memory.NeedsWrite("abc"));
    EXPECT_TRUE(memory.NeedsWrite("abd"));
    EXPECT_TRUE(memory.NeedsWrite(""));
    memory.Forget();
    EXPECT_TRUE(memory.NeedsWrite("abc"));
}

TEST(DiskMemory, ChangedOnDiskWhenSizeTimeOrPresenceDiffer)
{
    const FileStamp kept{true, 3, 100};
    struct Case {
        FileStamp now;
        bool changed;
    } cases[] = {
        {{true, 3, 100}, false},
        {{true, 4, 100}, true},
        {{true, 3, 101}, true},
        {{false, 0, 0}, true},
    };
    DiskMemory memory;
    EXPECT_FALSE(memory.ChangedOnDisk(FileStamp{true, 9, 9})) << "nothing known yet";
    memory.Remember("abc", kept);
    for (const Case& c : cases)
        EXPECT_EQ(c.changed, memory.ChangedOnDisk(c.now)) << c.now.size << " " << c.now.written;
}

TEST(DiskMemory, StampOfAFileFollowsItsWrites)
{
    ScopedWorkingDir dir;
    EXPECT_FALSE(StampOf("tkn1.tkn").present);
    WriteBytes("tkn1.tkn", "12345");
    FileStamp first = StampOf("tkn1.tkn");
    EXPECT_TRUE(first.present);
    EXPECT_EQ(5u, first.size);
    EXPECT_EQ(first, StampOf("tkn1.tkn"));
    WriteBytes("tkn1.tkn", "123456");
    EXPECT_NE(first, StampOf("tkn1.tkn"));
}

TEST(IniCheck, SectionHoldsExactlyTheWrittenKeys)
{
    const std::vector<SettingsKey> keys = {{"Width", "320"}, {"lfFaceName", "Arial"}};
    struct Case {
        const char* bytes;
        bool holds;
    } cases[] = {
        {"[Settings]\r\nWidth=320\r\nlfFaceName=Arial\r\n", true},
        {"[other]\r\nx=1\r\n[SETTINGS]\r\n width = 320 \r\nLFFACENAME=Arial", true},
        // The fault that a full disk showed: the profile call reported success, 0 bytes.
        {"", false},
        {"[Settings]\r\nWidth=320\r\n", false},
        {"[Settings]\r\nWidth=32\r\nlfFaceName=Arial\r\n", false},
        {"[Settings]\r\nWidth=320\r\n[Other]\r\nlfFaceName=Arial\r\n", false},
        {"Width=320\r\nlfFaceName=Arial\r\n", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.holds, IniSectionHolds(c.bytes, "Settings", keys)) << c.bytes;
}

} // namespace
