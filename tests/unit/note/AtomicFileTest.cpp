#include <gtest/gtest.h>

#include <thread>

#include "WorkingDir.h"
#include "note/AtomicFile.h"

namespace {

const char kFile[] = "tkn7.tkn";

TEST(AtomicFile, CreatesThenReplacesWholeContent) {
    ScopedWorkingDir dir;
    ASSERT_TRUE(ReplaceFileContents(kFile, "a long first content"));
    EXPECT_EQ("a long first content", ReadBytes(kFile));
    ASSERT_TRUE(ReplaceFileContents(kFile, "short"));
    EXPECT_EQ("short", ReadBytes(kFile)); // nothing of the longer text is left behind
    ASSERT_TRUE(ReplaceFileContents(kFile, ""));
    EXPECT_EQ("", ReadBytes(kFile));
    EXPECT_EQ(std::vector<std::string>{kFile}, dir.Files());
}

// Pins the fault of truncating the note before the new text is safely on disk.
TEST(AtomicFile, FailedReplaceKeepsOldFileAndLeavesNoTemporary) {
    ScopedWorkingDir dir;
    WriteBytes(kFile, "old note");
    ASSERT_TRUE(SetFileAttributesA(kFile, FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(ReplaceFileContents(kFile, "new"));
    EXPECT_EQ("old note", ReadBytes(kFile));
    EXPECT_EQ(std::vector<std::string>{kFile}, dir.Files());
}

TEST(AtomicFile, TargetInUseKeepsOldFile) {
    ScopedWorkingDir dir;
    WriteBytes(kFile, "old note");
    HANDLE held = CreateFileA(kFile, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(ReplaceFileContents(kFile, "new"));
    CloseHandle(held);
    EXPECT_EQ("old note", ReadBytes(kFile));
    EXPECT_EQ(std::vector<std::string>{kFile}, dir.Files());
}

// Pins a lost save: a reader holding the old note for a moment made the replace fail.
TEST(AtomicFile, ReaderHoldingTheFileBrieflyDoesNotLoseTheSave) {
    ScopedWorkingDir dir;
    WriteBytes(kFile, "old note");
    HANDLE held = CreateFileA(kFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    std::thread reader([held] {
        Sleep(30);
        CloseHandle(held);
    });
    EXPECT_TRUE(ReplaceFileContents(kFile, "new"));
    reader.join();
    EXPECT_EQ("new", ReadBytes(kFile));
    EXPECT_EQ(std::vector<std::string>{kFile}, dir.Files());
}

TEST(AtomicFile, MissingFolderWritesNothing) {
    ScopedWorkingDir dir;
    EXPECT_FALSE(ReplaceFileContents("absent\\tkn7.tkn", "new"));
    EXPECT_TRUE(dir.Files().empty());
}

TEST(AtomicFile, FailureTellsTheSystemsReason) {
    ScopedWorkingDir dir;
    WriteBytes(kFile, "old note");
    SetFileAttributesA(kFile, FILE_ATTRIBUTE_READONLY);
    DWORD error = 0;
    EXPECT_FALSE(ReplaceFileContents(kFile, "new", &error));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), error);

    error = 0;
    EXPECT_FALSE(ReplaceFileContents("absent\\tkn7.tkn", "new", &error));
    EXPECT_NE(0u, error);

    // A writer that fails keeps its own code, and its temporary is removed.
    error = 0;
    EXPECT_FALSE(ReplaceFileWith(
        "tkn8.tkn",
        [](const char*) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        },
        &error));
    EXPECT_EQ(static_cast<DWORD>(ERROR_DISK_FULL), error);
    EXPECT_EQ(std::vector<std::string>{kFile}, dir.Files());
}

} // namespace

