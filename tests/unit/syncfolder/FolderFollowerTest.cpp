#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "WorkingDir.h"
#include "framework/FolderWatch.h"
#include "syncfolder/ConflictAdoption.h"
#include "syncfolder/FolderFollower.h"

namespace {

const char kSyncedNote[] = "0\r\n0\r\n200\r\n100\r\nsynced";

// As a sync service writes: a temporary name first, then a rename over the note.
void SyncIn(const std::string& name, const std::string& bytes)
{
    std::string temp = ".syncthing." + name + ".tmp";
    WriteBytes(temp.c_str(), bytes);
    MoveFileExA(temp.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING);
}

class Follower {
public:
    Follower()
        : m_follower(FollowerHooks{
              [] { return ListFiles("*.tkn"); },
              // A note process owns its note only a moment after its start; until then
              // only the follower's own memory keeps it from being started twice.
              [this](const std::string& name) {
                  auto at = startedAt.find(name);
                  return at != startedAt.end() && GetTickCount() - at->second >= 100;
              },
              [this](const std::string& name) {
                  ++started[name];
                  startedAt.emplace(name, GetTickCount());
              },
          })
    {
        m_follower.Begin();
    }
    // Ticks every 50 ms until `done` holds or `ms` passed; true when it held.
    template <class Done> bool RunUntil(Done done, DWORD ms)
    {
        DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > ms) return false;
            m_follower.Tick(GetTickCount());
            Sleep(50);
        }
        return true;
    }
    void RunFor(DWORD ms)
    {
        RunUntil([] { return false; }, ms);
    }
    size_t Waiting() const { return m_follower.Waiting(); }

    std::map<std::string, int> started;
    std::map<std::string, DWORD> startedAt;

private:
    FolderFollower m_follower;
};

TEST(FolderWatch, SignalsARenameIntoTheFolder)
{
    ScopedWorkingDir dir;
    CFolderWatch watch;
    ASSERT_TRUE(watch.Open("."));
    EXPECT_FALSE(watch.Changed());
    SyncIn("tkn1.tkn", kSyncedNote);
    DWORD start = GetTickCount();
    while (!watch.Changed() && GetTickCount() - start < 2000)
        Sleep(20);
    EXPECT_LT(GetTickCount() - start, 2000u) << "no change notification";
}

TEST(FolderFollower, StartsANoteThatArrivesButNotThoseThereBefore)
{
    ScopedWorkingDir dir;
    WriteBytes("tkn1.tkn", kSyncedNote);
    Follower f;
    SyncIn("tkn2.tkn", kSyncedNote);
    WriteBytes("tkn3.tkn", "no\r\nnote\r\nat\r\nall");
    EXPECT_TRUE(f.RunUntil([&] { return f.started.count("tkn2.tkn") > 0; }, 2000));
    f.RunFor(600);
    EXPECT_EQ(f.started, (std::map<std::string, int>{{"tkn2.tkn", 1}}));
}

TEST(FolderFollower, ConflictCopyIsStartedUnderItsAdoptedName)
{
    ScopedWorkingDir dir;
    WriteBytes("tkn4.tkn", kSyncedNote);
    Follower f;
    SyncIn("tkn4.sync-conflict-20261209-101112-ABC1234.tkn", "1\r\n1\r\n99\r\n99\r\nB's text");
    EXPECT_TRUE(f.RunUntil([&] { return !f.started.empty(); }, 2000));
    f.RunFor(600);
    ASSERT_EQ(f.started.size(), 1u);
    EXPECT_EQ(f.started.begin()->second, 1);
    EXPECT_EQ(ReadBytes(f.started.begin()->first.c_str()), "25\r\n25\r\n123\r\n123\r\nB's text");
}

// Pins: a burst of notifications listed the folder while files were still coming, and a
// name seen in two looks was started twice.
TEST(FolderFollower, BurstOf200NotesStartsEachExactlyOnce)
{
    ScopedWorkingDir dir;
    Follower f;
    const int kNotes = 200;
    for (int i = 0; i < kNotes; ++i) {
        char name[16];
        snprintf(name, sizeof name, "tkb%03d.tkn", i);
        SyncIn(name, kSyncedNote);
        // The tray ticks on while the sync goes on.
        if (i % 20 == 0) f.RunFor(60);
    }
    EXPECT_TRUE(f.RunUntil([&] { return f.started.size() == size_t(kNotes) && f.Waiting() == 0; },
                           30000));
    f.RunFor(1500);
    EXPECT_EQ(f.started.size(), size_t(kNotes));
    for (const auto& entry : f.started)
        EXPECT_EQ(entry.second, 1) << entry.first;
}

} // namespace
