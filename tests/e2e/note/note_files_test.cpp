// The note never loses or damages a file: a save that can't be made keeps the old note, and
// a start that can't read its note, or names something else, writes nothing.
#include "NoteDriver.h"

namespace {

using notes::WaitForNote;

class NoteFiles : public e2e::TacknoteTest {};

TEST_F(NoteFiles, ReadOnlyFolderKeepsTheOldNote) {
    notes::FocusThief thief;
    const std::string stored = "100\r\n150\r\n420\r\n390\r\nold text";
    dir.Write("tkn3.tkn", stored);
    e2e::Process note = Start("tkn3.tkn");
    HWND window = WaitForNote(note);
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
    for (const std::string& name : dir.List()) {
        EXPECT_TRUE(name == "tkn3.tkn" || name == "tkn3.ini") << "left behind: " << name;
    }
    EXPECT_TRUE(note.Running()) << "a failed save is not an error to end on";
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

} // namespace
