// One PC, files changed from outside as a sync service changes them: written under a
// temporary name, then renamed over the note.
#include <windows.h>

#include <cstdio>
#include <string>

#include "NoteDriver.h"
#include "e2e.h"
#include "tray_driver.h"

namespace {

// How long a note may take to follow a change from outside. It follows within a second or
// so; the rest is for two suites and a compiler sharing a 2-core machine.
const DWORD kFollowMs = 10000;

class SyncFollow : public e2e::TacknoteTest {
protected:
    void SyncIn(const std::string& name, const std::string& bytes)
    {
        dir.Write(".syncthing." + name + ".tmp", bytes);
        MoveFileExA(dir.FilePath(".syncthing." + name + ".tmp").c_str(),
                    dir.FilePath(name).c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    // The note files holding exactly `text`.
    int NotesWith(const std::string& text)
    {
        int n = 0;
        for (const std::string& name : dir.List("*.tkn")) {
            std::string bytes = dir.Read(name);
            size_t at = bytes.rfind("\r\n");
            n += at != std::string::npos && bytes.substr(at + 2) == text;
        }
        return n;
    }
};

const RECT kPlace{100, 120, 400, 330};

TEST_F(SyncFollow, IdleNoteTakesTheOutsideTextAndPlaceWithoutTheFocus)
{
    e2e::Process note;
    HWND window = notes::StartStoredNote(dir, note, "tkn71.tkn", e2e::NoteFileBytes(kPlace, "old"));
    ASSERT_NE(window, nullptr);
    notes::FocusThief thief;
    ASSERT_TRUE(thief.Steal());
    const RECT moved{160, 200, 460, 410};
    SyncIn("tkn71.tkn", e2e::NoteFileBytes(moved, "from the other PC"));
    EXPECT_TRUE(e2e::WaitUntil([&] { return notes::NoteText(window) == "from the other PC"; }, kFollowMs))
        << notes::NoteText(window);
    EXPECT_TRUE(e2e::WaitUntil([&] { RECT rc = e2e::WindowRect(window); return EqualRect(&rc, &moved); }, kFollowMs));
    EXPECT_NE(GetForegroundWindow(), window);
    // Taken, not written back: the file keeps the other PC's bytes.
    Sleep(1500);
    EXPECT_EQ(dir.Read("tkn71.tkn"), e2e::NoteFileBytes(moved, "from the other PC"));
}

TEST_F(SyncFollow, UnsavedTextAndOutsideTextBothStay)
{
    e2e::Process note;
    HWND window = notes::StartStoredNote(dir, note, "tkn72.tkn", e2e::NoteFileBytes(kPlace, "base"));
    ASSERT_NE(window, nullptr);
    SendMessageA(notes::EditOf(window), EM_SETSEL, 4, 4);
    // The outside change comes in before the save that follows typing.
    ASSERT_TRUE(notes::TypeInto(window, " mine", "base mine"));
    SyncIn("tkn72.tkn", e2e::NoteFileBytes(kPlace, "base theirs"));
    EXPECT_TRUE(e2e::WaitUntil([&] { return notes::NoteText(window) == "base theirs"; }, kFollowMs));
    EXPECT_TRUE(e2e::WaitUntil([&] { return NotesWith("base mine") == 1; }, kFollowMs));
    EXPECT_EQ(NotesWith("base theirs"), 1);
    EXPECT_EQ(dir.Read("tkn72.tkn"), e2e::NoteFileBytes(kPlace, "base theirs"));
}

TEST_F(SyncFollow, NoteWhoseFilesWentClosesWithoutWriting)
{
    e2e::Process note;
    HWND window = notes::StartStoredNote(dir, note, "tkn73.tkn", e2e::NoteFileBytes(kPlace, "bye"));
    ASSERT_NE(window, nullptr);
    notes::FocusThief thief;
    ASSERT_TRUE(thief.Steal());
    // The save at the loss of focus writes the settings file the note lacked; after it.
    ASSERT_TRUE(e2e::WaitUntil([&] { return dir.Exists("tkn73.ini"); }, kFollowMs));
    Sleep(300);
    ASSERT_TRUE(DeleteFileA(dir.FilePath("tkn73.tkn").c_str()));
    DeleteFileA(dir.FilePath("tkn73.ini").c_str());
    EXPECT_TRUE(note.WaitExit(4000));
    std::vector<std::string> left = dir.List("*");
    EXPECT_TRUE(left.empty()) << left.front() << ": " << dir.Read(left.front());
}

TEST_F(SyncFollow, TrayStartsArrivalsOnceAndAdoptsEachConflictCopyOnce)
{
    dir.Write("tkn4.tkn", e2e::NoteFileBytes(kPlace, "original"));
    e2e::Process trayProcess = tray::StartTray(dir);
    ASSERT_TRUE(tray::WaitForNotes(1, trayProcess.Id()));
    SyncIn("tkn5.tkn", e2e::NoteFileBytes(kPlace, "arrived"));
    const char* copies[] = {"tkn4.sync-conflict-20261209-101112-ABC1234.tkn",
                            "tkn4 (conflicted copy 2026-12-09).tkn", "tkn4-OFFICEPC.tkn",
                            "tkn4_conflict-20261209-101112.tkn"};
    for (const char* copy : copies)
        SyncIn(copy, e2e::NoteFileBytes(kPlace, std::string("copy ") + copy));
    dir.Write("notes-PC.tkn", "not a note at all");
    EXPECT_TRUE(tray::WaitForNotes(6, trayProcess.Id(), 20000))
        << tray::NoteWindows(trayProcess.Id()).size();
    Sleep(2000); // nothing more comes up
    EXPECT_EQ(tray::NoteWindows(trayProcess.Id()).size(), 6u);
    for (const char* copy : copies) {
        EXPECT_FALSE(dir.Exists(copy)) << copy;
        EXPECT_EQ(NotesWith(std::string("copy ") + copy), 1) << copy;
    }
    EXPECT_TRUE(dir.Exists("notes-PC.tkn"));
    notes::Snapshot("sync_follow_tray");
}

// The tray ends up with one note process per note of a burst. The unit test pins the
// exactly-once start of 200; here real processes, fewer: Xvfb serves 256 clients by
// default, which ends at about 123 Wine windowed processes.
TEST_F(SyncFollow, BurstOfNotesComesUpOnceEach)
{
    e2e::Process trayProcess = tray::StartTray(dir);
    ASSERT_NE(tray::HostWindow(trayProcess.Id()), nullptr);
    const int kNotes = 30;
    for (int i = 0; i < kNotes; ++i) {
        char name[16];
        snprintf(name, sizeof name, "tkb%03d.tkn", i);
        RECT rc{20 + 30 * (i % 10), 20 + 3 * (i / 10), 260 + 30 * (i % 10), 200 + 3 * (i / 10)};
        SyncIn(name, e2e::NoteFileBytes(rc, name));
    }
    EXPECT_TRUE(tray::WaitForNotes(kNotes, trayProcess.Id(), 60000))
        << tray::NoteWindows(trayProcess.Id()).size();
    Sleep(2000);
    EXPECT_EQ(tray::NoteWindows(trayProcess.Id()).size(), size_t(kNotes));
    EXPECT_EQ(tray::NoteProcesses(trayProcess.Id()).size(), size_t(kNotes));
}

} // namespace
