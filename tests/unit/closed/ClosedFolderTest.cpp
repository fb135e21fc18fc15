#include <gtest/gtest.h>

#include "WorkingDir.h"
#include "closed/ClosedFolder.h"

namespace {

const ULONGLONG kDayTicks = 24ULL * 60 * 60 * 10000000;

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SetClosedAt(const std::string& path, ULONGLONG when)
{
    HANDLE file =
        CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME time = {static_cast<DWORD>(when), static_cast<DWORD>(when >> 32)};
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
}

class ClosedFolder : public ::testing::Test {
protected:
    ~ClosedFolder() override
    {
        for (const ClosedNote& n : ListClosed()) {
            DeleteFileA(ClosedPath(n.base, ".tkn").c_str());
            DeleteFileA(ClosedPath(n.base, ".ini").c_str());
        }
        RemoveDirectoryA(kClosedFolder);
    }
    ScopedWorkingDir dir;
};

TEST_F(ClosedFolder, CloseMovesBothFilesAndASecondOfTheSameNameGetsAFreshOne)
{
    for (const char* text : {"first", "second"}) {
        WriteBytes("tkn1.tkn", text);
        WriteBytes("tkn1.ini", std::string("[Settings]\r\n") + text);
        ASSERT_TRUE(MoveIntoClosed("tkn1.tkn", "tkn1.ini"));
        EXPECT_FALSE(Exists("tkn1.tkn"));
        EXPECT_FALSE(Exists("tkn1.ini"));
    }
    EXPECT_EQ("first", ReadBytes("Closed\\tkn1.tkn"));
    EXPECT_EQ("second", ReadBytes("Closed\\tkn1_2.tkn"));
    EXPECT_EQ("[Settings]\r\nsecond", ReadBytes("Closed\\tkn1_2.ini"));
    // Stamped at closing, not with the time of its last edit.
    ASSERT_EQ(2u, ListClosed().size());
    for (const ClosedNote& n : ListClosed())
        EXPECT_LT(FileTimeNow() - n.closedAt, 60 * 10000000ULL) << n.base;
}

TEST_F(ClosedFolder, NoteWithoutSettingsFileClosesAndComesBackUnderTheGivenName)
{
    WriteBytes("tkn2.tkn", "text");
    ASSERT_TRUE(MoveIntoClosed("tkn2.tkn", "tkn2.ini"));
    ASSERT_TRUE(MoveOutOfClosed("tkn2", "tkn9.tkn", "tkn9.ini"));
    EXPECT_EQ("text", ReadBytes("tkn9.tkn"));
    EXPECT_FALSE(Exists("tkn9.ini"));
    EXPECT_TRUE(ListClosed().empty());
    EXPECT_FALSE(MoveOutOfClosed("tkn2", "tkn9.tkn", "tkn9.ini")) << "already taken out";
}

TEST_F(ClosedFolder, PruneDeletesOldNotesWithTheirSettings)
{
    for (const char* name : {"tkn3", "tkn4"}) {
        WriteBytes((std::string(name) + ".tkn").c_str(), name);
        WriteBytes((std::string(name) + ".ini").c_str(), name);
        ASSERT_TRUE(MoveIntoClosed((std::string(name) + ".tkn").c_str(),
                                   (std::string(name) + ".ini").c_str()));
    }
    SetClosedAt("Closed\\tkn3.tkn", FileTimeNow() - 31 * kDayTicks);
    EXPECT_EQ(1u, PruneClosed(FileTimeNow()));
    EXPECT_FALSE(Exists("Closed\\tkn3.tkn"));
    EXPECT_FALSE(Exists("Closed\\tkn3.ini"));
    EXPECT_TRUE(Exists("Closed\\tkn4.tkn"));
    EXPECT_TRUE(Exists("Closed\\tkn4.ini"));
}

} // namespace
