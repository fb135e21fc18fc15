#include <gtest/gtest.h>

#include <thread>

#include "WorkingDir.h"
#include "note/AtomicFile.h"

namespace {

const char kAtomicFile[] = "tkn7.tkn";

TEST(AtomicFile, CreatesThenReplacesWholeContent) {
    ScopedWorkingDir dir;
    ASSERT_TRUE(ReplaceFileContents(kAtomicFile, "a long first content"));
    EXPECT_EQ("a long first content", ReadBytes(kAtomicFile));
    ASSERT_TRUE(ReplaceFileContents(kAtomicFile, "short"));
    EXPECT_EQ("short", ReadBytes(kAtomicFile)); // nothing of the longer text is left behind
    ASSERT_TRUE(ReplaceFileContents(kAtomicFile, ""));
    EXPECT_EQ("", ReadBytes(kAtomicFile));
    EXPECT_EQ(std::vector<std::string>{kAtomicFile}, dir.Files());
}

// Pins the fault of truncating the note before the new text is safely on disk.
TEST(AtomicFile, FailedReplaceKeepsOldFileAndLeavesNoTemporary) {
    ScopedWorkingDir dir;
    WriteBytes(kAtomicFile, "old note");
    ASSERT_TRUE(SetFileAttributesA(kAtomicFile, FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(ReplaceFileContents(kAtomicFile, "new"));
    EXPECT_EQ("old note", ReadBytes(kAtomicFile));
    EXPECT_EQ(std::vector<std::string>{kAtomicFile}, dir.Files());
}

TEST(AtomicFile, TargetInUseKeepsOldFile) {
    ScopedWorkingDir dir;
    WriteBytes(kAtomicFile, "old note");
    HANDLE held = CreateFileA(kAtomicFile, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(ReplaceFileContents(kAtomicFile, "new"));
    CloseHandle(held);
    EXPECT_EQ("old note", ReadBytes(kAtomicFile));
    EXPECT_EQ(std::vector<std::string>{kAtomicFile}, dir.Files());
}

// Pins a lost save: a reader holding the old note for a moment made the replace fail.
TEST(AtomicFile, ReaderHoldingTheFileBrieflyDoesNotLoseTheSave) {
    ScopedWorkingDir dir;
    WriteBytes(kAtomicFile, "old note");
    HANDLE held = CreateFileA(kAtomicFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    std::thread reader([held] {
        Sleep(30);
        CloseHandle(held);
    });
    EXPECT_TRUE(ReplaceFileContents(kAtomicFile, "new"));
    reader.join();
    EXPECT_EQ("new", ReadBytes(kAtomicFile));
    EXPECT_EQ(std::vector<std::string>{kAtomicFile}, dir.Files());
}

TEST(AtomicFile, MissingFolderWritesNothing) {
    ScopedWorkingDir dir;
    EXPECT_FALSE(ReplaceFileContents("absent\\tkn7.tkn", "new"));
    EXPECT_TRUE(dir.Files().empty());
}

TEST(AtomicFile, FailureTellsTheSystemsReason) {
    ScopedWorkingDir dir;
    WriteBytes(kAtomicFile, "old note");
    SetFileAttributesA(kAtomicFile, FILE_ATTRIBUTE_READONLY);
    DWORD error = 0;
    EXPECT_FALSE(ReplaceFileContents(kAtomicFile, "new", &error));
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
    EXPECT_EQ(std::vector<std::string>{kAtomicFile}, dir.Files());
}

} // namespace

