// The note's context menu and the ways a note ends: Blank Paper, New Paper, Minimize, Close
// (into the Closed folder), and Alt+F4.
#include "NoteDriver.h"

namespace {

using e2e::FileBecomes;
using e2e::NoteFileBytes;
using notes::NoteText;

class NoteMenu : public e2e::TacknoteTest {
protected:
    // A stored note at kStored with the given text and the built-in look.
    HWND StartStored(e2e::Process& note, const std::string& text) {
        dir.Write("tkn4.ini", notes::BuiltInSettingsBytes(320, 240));
        return notes::StartStoredNote(dir, note, "tkn4.tkn", NoteFileBytes(kStored, text));
    }
    const RECT kStored = {100, 150, 420, 390};
};

TEST_F(NoteMenu, MenuShowsEighteenEntriesAndBlankPaperEmptiesTheNote) {
    notes::FocusThief thief;
    e2e::Process note;
    HWND window = StartStored(note, "text to blank");
    ASSERT_NE(nullptr, window);

    e2e::Click(200, 200, true);
    HWND menu = e2e::WaitForWindow(note.Id(), "#32768", nullptr, 3000);
    ASSERT_NE(nullptr, menu) << "no context menu";
    notes::Snapshot("note-menu");
    // Fourteen commands and four separators; another menu (the edit control's own) is shorter.
    RECT rc = e2e::WindowRect(menu);
    EXPECT_GT(rc.bottom - rc.top, 14 * 17);
    e2e::PickMenuItem(menu, notes::MenuDowns(notes::kBlankPaper));

    ASSERT_TRUE(e2e::WaitUntil([&] { return NoteText(window).empty(); }, 3000));
    // Saved soon after the change, or at the latest when the focus goes.
    ASSERT_TRUE(thief.Steal());
    EXPECT_TRUE(FileBecomes(dir, "tkn4.tkn", NoteFileBytes(kStored, "")));
}

TEST_F(NoteMenu, MinimizeKeepsTheNotesPlaceInItsFile) {
    e2e::Process note;
    HWND window = StartStored(note, "minimize me");
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(notes::PickMenuCommand(window, 200, 200, notes::kMinimize));
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsIconic(window) != FALSE; }, 3000));
    EXPECT_TRUE(note.Running());
    // Minimizing takes the focus away, which saves: the place is the one the user saw.
    EXPECT_TRUE(FileBecomes(dir, "tkn4.tkn", NoteFileBytes(kStored, "minimize me")));
}

TEST_F(NoteMenu, CloseMovesBothFilesIntoClosedAndEndsTheProcess) {
    e2e::Process note;
    HWND window = StartStored(note, "close me");
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(notes::PickMenuCommand(window, 200, 200, notes::kClose));
    ASSERT_TRUE(note.WaitExit(5000)) << "the note process still runs";
    EXPECT_TRUE(dir.List().empty()) << "the notes folder keeps no file of it";
    EXPECT_EQ(NoteFileBytes(kStored, "close me"), dir.Read("Closed\\tkn4.tkn"));
    EXPECT_EQ(notes::BuiltInSettingsBytes(320, 240), dir.Read("Closed\\tkn4.ini"));
}

TEST_F(NoteMenu, AltF4EndsTheNoteAndKeepsItsFiles) {
    e2e::Process note;
    HWND window = StartStored(note, "keep");
    ASSERT_NE(nullptr, window);
    e2e::PressKey(VK_END, false, true);
    ASSERT_TRUE(notes::TypeInto(window, " me", "keep me"));
    e2e::PressKey(VK_F4, true);
    ASSERT_TRUE(note.WaitExit(5000)) << "the note process still runs";
    EXPECT_EQ(NoteFileBytes(kStored, "keep me"), dir.Read("tkn4.tkn"));
    EXPECT_EQ(notes::BuiltInSettingsBytes(320, 240), dir.Read("tkn4.ini"));
}

TEST_F(NoteMenu, NewPaperStartsAnotherNoteProcess) {
    e2e::Process note;
    HWND window = StartStored(note, "first");
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(notes::PickMenuCommand(window, 200, 200, notes::kNewPaper));
    HWND second = nullptr;
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
            for (HWND w : e2e::TopLevelWindows(0, "#32770", "Tacknote")) {
                if (w != window) second = w;
            }
            return second != nullptr;
        },
        10000));
    EXPECT_NE(note.Id(), e2e::WindowProcessId(second));
    EXPECT_EQ(2u, e2e::ProcessIds("tacknote.exe").size());
    EXPECT_TRUE(note.Running());
}

} // namespace
