// The way to the notes stays open: the tray icon comes back with a restarted shell, and a
// restarted tray or a second start never opens a note twice.
#include <windows.h>

#include <shellapi.h>

#include "NoteDriver.h"
#include "tray_driver.h"

namespace {

class RobustTray : public e2e::TacknoteTest {};

const UINT kTrayClose = 32774;

// Pins a tray that lost its icon for good when the shell restarted.
TEST_F(RobustTray, IconComesBackWhenTheShellRestarts) {
    e2e::Process trayProcess = tray::StartTray(dir);
    HWND callback = tray::CallbackWindow(trayProcess.Id());
    ASSERT_NE(nullptr, callback);
    // What a new shell looks like to the program: its icon is gone, and every top-level
    // window is told that the taskbar was created.
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = callback;
    data.uID = tray::kIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
    ASSERT_TRUE(tray::WaitForIconCount(0));
    ASSERT_TRUE(PostMessageA(callback, RegisterWindowMessageA("TaskbarCreated"), 0, 0));
    EXPECT_TRUE(tray::WaitForIconCount(1));

    // A TaskbarCreated while the icon is still there leaves exactly one.
    ASSERT_TRUE(PostMessageA(callback, RegisterWindowMessageA("TaskbarCreated"), 0, 0));
    Sleep(500);
    EXPECT_EQ(1u, tray::TrayIcons().size());
    // And the icon still works.
    ASSERT_TRUE(tray::PostIconNotify(trayProcess, tray::kIconId, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(tray::WaitForNotes(1, trayProcess.Id()));
}

// Pins notes shown twice after the tray was closed and started again: the second copy
// held the old text and its next save threw away what was typed into the first.
TEST_F(RobustTray, RestartedTrayShowsEveryNoteOnceAndKeepsWhatWasTyped) {
    const RECT places[] = {{40, 200, 340, 420}, {380, 200, 680, 420}, {720, 200, 1020, 420}};
    const int kNotes = 3;
    for (int i = 0; i < kNotes; ++i)
        dir.Write("tkn" + std::to_string(i + 1) + ".tkn",
                  e2e::NoteFileBytes(places[i], "note " + std::to_string(i + 1)));
    e2e::Process first = tray::StartTray(dir);
    ASSERT_TRUE(tray::WaitForNotes(kNotes, first.Id()));
    std::vector<HWND> windows = tray::NoteWindows(first.Id());
    for (HWND note : windows) {
        ASSERT_TRUE(e2e::WaitUntil([&] { return !notes::NoteText(note).empty(); }));
        std::string text = notes::NoteText(note);
        ASSERT_TRUE(e2e::Activate(note));
        e2e::PressKey(VK_END, false, true);
        ASSERT_TRUE(notes::TypeInto(note, " typed", text + " typed"));
    }
    const std::set<DWORD> owners = tray::NoteProcesses(first.Id());
    ASSERT_EQ(static_cast<size_t>(kNotes), owners.size());

    ASSERT_TRUE(PostMessageA(tray::HostWindow(first.Id()), WM_COMMAND, kTrayClose, 0));
    ASSERT_TRUE(first.WaitExit(5000));
    e2e::Process second = tray::StartTray(dir);
    // The second tray starts a process for every note file; each finds the note's owner and
    // ends. Until they all have, count windows and processes.
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return e2e::ProcessIds("tacknote.exe").size() == 1 + kNotes; }, 15000))
        << "processes: " << e2e::ProcessIds("tacknote.exe").size();
    Sleep(500);
    EXPECT_EQ(static_cast<size_t>(kNotes), tray::NoteWindows(second.Id()).size());
    EXPECT_EQ(owners, tray::NoteProcesses(second.Id())) << "the same note processes as before";

    notes::FocusThief thief;
    ASSERT_TRUE(thief.Steal());
    for (int i = 0; i < kNotes; ++i) {
        EXPECT_TRUE(e2e::FileBecomes(dir, "tkn" + std::to_string(i + 1) + ".tkn",
                                     e2e::NoteFileBytes(places[i], "note " + std::to_string(i + 1) +
                                                                       " typed")));
    }
}

TEST_F(RobustTray, SecondStartOfANoteBringsTheFirstForward) {
    const RECT place = {300, 300, 620, 540};
    e2e::Process owner;
    HWND note = notes::StartStoredNote(dir, owner, "tkn7.tkn", e2e::NoteFileBytes(place, "one"));
    ASSERT_NE(nullptr, note);
    // Saved once before it is minimized, so that no later focus change writes anything.
    notes::FocusThief thief;
    ASSERT_TRUE(thief.Steal());
    ASSERT_TRUE(e2e::WaitUntil([&] { return dir.Exists("tkn7.ini"); }));
    ShowWindow(note, SW_MINIMIZE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(note) != FALSE; }));
    const std::string files = dir.Read("tkn7.tkn") + "|" + dir.Read("tkn7.ini");

    // Another spelling of the same file is the same note.
    e2e::Process second = Start("TKN7.TKN");
    EXPECT_TRUE(second.WaitExit(10000)) << "the second process still runs";
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsIconic(note); })) << "the note was not restored";
    EXPECT_TRUE(owner.Running());
    EXPECT_EQ(1u, tray::NoteWindows().size());
    EXPECT_EQ(files, dir.Read("tkn7.tkn") + "|" + dir.Read("tkn7.ini"));
}

} // namespace
