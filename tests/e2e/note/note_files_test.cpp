// The note never loses or damages a file: a save that can't be made keeps the old note, and
// a start that can't read its note, or names something else, writes nothing.
#include "NoteDriver.h"

namespace {

class NoteFiles : public e2e::TacknoteTest {};

TEST_F(NoteFiles, ReadOnlyFolderKeepsTheOldNote) {
    notes::FocusThief thief;
    const std::string stored = e2e::NoteFileBytes({100, 150, 420, 390}, "old text");
    e2e::Process note;
    HWND window = notes::StartStoredNote(dir, note, "tkn3.tkn", stored);
    ASSERT_NE(nullptr, window);
    e2e::PressKey(VK_END, false, true);
    ASSERT_TRUE(notes::TypeInto(window, " and new", "old text and new"));

    // Running as an administrator, a read-only folder still takes new files; the note file's
    // own read-only mark is what every platform honours.
    SetFileAttributesA(dir.Path().c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(dir.FilePath("tkn3.tkn").c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(thief.Steal());
    Sleep(1000);
    SetFileAttributesA(dir.Path().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(stored, dir.Read("tkn3.tkn"));
    // A save that is failing right now has its temporary file for a moment; none may stay.
    std::string stray;
    EXPECT_TRUE(e2e::WaitUntil([&] {
        stray.clear();
        for (const std::string& name : dir.List())
            if (name != "tkn3.tkn" && name != "tkn3.ini") stray += name + " ";
        return stray.empty();
    })) << "left behind: " << stray;
    EXPECT_TRUE(note.Running()) << "a failed save is not an error to end on";
}

// Pins lost typing: the session can end while the note still has the focus, and the
// processes are then ended without any window losing the focus or closing.
TEST_F(NoteFiles, EndOfSessionSavesWhatWasTyped) {
    const RECT place = {100, 150, 420, 390};
    e2e::Process note;
    HWND window =
        notes::StartStoredNote(dir, note, "tkn8.tkn", e2e::NoteFileBytes(place, "before"));
    ASSERT_NE(nullptr, window);
    e2e::PressKey(VK_END, false, true);
    ASSERT_TRUE(notes::TypeInto(window, " and after", "before and after"));

    DWORD_PTR mayEnd = 0;
    ASSERT_TRUE(SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                    SMTO_ABORTIFHUNG, 3000, &mayEnd));
    EXPECT_NE(0u, mayEnd) << "a note must not hold up the end of the session";
    ASSERT_TRUE(SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                    SMTO_ABORTIFHUNG, 3000, nullptr));
    note.Kill();
    EXPECT_EQ(e2e::NoteFileBytes(place, "before and after"), dir.Read("tkn8.tkn"));
}

TEST_F(NoteFiles, StartsThatCannotReadTheirNoteWriteNothing) {
    dir.Write("tkn2.tkn", "1\r\n2\r\n3\r\n4\r\nlocked");
    HANDLE lock = CreateFileA(dir.FilePath("tkn2.tkn").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    for (const char* tail : {"tkn2.tkn", "absent.tkn", "..\\tkn2.tkn", "C:\\tkn2.tkn",
                             "tacknote.ini", "tkn2", "0123456789ABCDEF.tkn"}) {
        e2e::Process note = Start(tail);
        ASSERT_TRUE(note.Started());
        EXPECT_TRUE(note.WaitExit(5000)) << tail << ": the process did not end";
        EXPECT_EQ(std::vector<std::string>{"tkn2.tkn"}, dir.List()) << tail;
    }
    CloseHandle(lock);
    EXPECT_EQ("1\r\n2\r\n3\r\n4\r\nlocked", dir.Read("tkn2.tkn"));
}

// New notes started together each appear and keep a file of their own.
TEST_F(NoteFiles, NewNotesStartedTogetherEachGetTheirOwnName) {
    const size_t kNotes = 4;
    e2e::Process note[kNotes];
    for (e2e::Process& p : note)
        p = Start("private");
    HWND window[kNotes];
    for (size_t i = 0; i < kNotes; ++i) {
        window[i] = notes::WaitForNote(note[i]);
        ASSERT_NE(nullptr, window[i]) << "note " << i << " never appeared";
    }
    for (size_t i = 0; i < kNotes; ++i) {
        std::string text = "note " + std::to_string(i);
        ASSERT_TRUE(notes::TypeInto(window[i], text, text));
    }
    notes::FocusThief thief;
    ASSERT_TRUE(thief.Steal());
    EXPECT_TRUE(e2e::WaitUntil([&] { return dir.List("*.tkn").size() == kNotes; }))
        << dir.List("*.tkn").size() << " note files";
}

} // namespace
