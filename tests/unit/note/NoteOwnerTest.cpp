#include <gtest/gtest.h>

#include <set>
#include <string>

#include "WorkingDir.h"
#include "note/NoteName.h"
#include "note/NoteOwner.h"

namespace {

TEST(NoteOwner, NameIgnoresLetterCaseOnly) {
    const std::string a = NoteOwnerName("C:\\Users\\Ann\\Notes\\tkn12.tkn");
    EXPECT_EQ(a, NoteOwnerName("c:\\users\\ann\\notes\\TKN12.TKN"));
    EXPECT_EQ(a, NoteOwnerName("C:\\USERS\\ANN\\NOTES\\tkn12.tkn"));

    const char* others[] = {
        "C:\\Users\\Ann\\Notes\\tkn13.tkn", "C:\\Users\\Ann\\Notes\\tkn1.tkn",
        "C:\\Users\\Bob\\Notes\\tkn12.tkn", "D:\\Users\\Ann\\Notes\\tkn12.tkn",
        "C:\\Users\\Ann\\Notes\\tkn12.tk",  "C:\\Users\\Ann\\Notes\\tkn12.ini",
    };
    std::set<std::string> names = {a};
    for (const char* other : others)
        names.insert(NoteOwnerName(other));
    EXPECT_EQ(1 + sizeof others / sizeof *others, names.size());
}

TEST(NoteOwner, NameIsAValidShortObjectName) {
    std::string longest = NoteOwnerName("C:\\" + std::string(255, 'x'));
    // Kernel object names may not hold a backslash outside their namespace prefix, and are
    // at most MAX_PATH characters.
    EXPECT_EQ(std::string::npos, longest.find('\\'));
    EXPECT_LT(longest.size(), static_cast<size_t>(MAX_PATH));
    EXPECT_EQ(0u, longest.find("Tacknote.Note."));
}

TEST(NoteOwner, NoteFileNameIsTakenWithItsFullPath) {
    ScopedWorkingDir dir;
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    const std::string expected = NoteOwnerName(std::string(cwd) + "\\tkn4.tkn");
    // Before and after the file exists (a new note owns its name before its first save).
    EXPECT_EQ(expected, NoteOwnerNameFor("tkn4.tkn"));
    WriteBytes("tkn4.tkn", "1\r\n2\r\n3\r\n4\r\n");
    EXPECT_EQ(expected, NoteOwnerNameFor("tkn4.tkn"));
    EXPECT_EQ(expected, NoteOwnerNameFor("TKN4.TKN"));
    EXPECT_EQ(expected, NoteOwnerNameFor(".\\tkn4.tkn"));
    EXPECT_NE(expected, NoteOwnerNameFor("tkn5.tkn"));
}

TEST(NoteOwner, MarkedWindowIsFoundByItsName) {
    ScopedWorkingDir dir;
    ASSERT_TRUE(TakeNoteOwnership("tkn6.tkn"));
    EXPECT_EQ(NoteOwnerNameFor("tkn6.tkn"), OwnedNoteName());

    HWND window = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(nullptr, FindOwnerWindow(OwnedNoteName()));
    MarkOwnerWindow(window);
    EXPECT_EQ(window, FindOwnerWindow(OwnedNoteName()));
    EXPECT_EQ(nullptr, FindOwnerWindow(NoteOwnerNameFor("tkn7.tkn")));
    // A second claim on the same file, however spelled, is refused while the first holds it.
    EXPECT_FALSE(TakeNoteOwnership("TKN6.TKN"));
    EXPECT_FALSE(ClaimNoteName("tkn6.tkn"));
    // Two new notes in one second took one name: the first has no file before its first save.
    EXPECT_TRUE(SystemNames().Exists("tkn6.tkn"));
    EXPECT_FALSE(SystemNames().Exists("tkn7.tkn"));
    UnmarkOwnerWindow(window);
    EXPECT_EQ(nullptr, FindOwnerWindow(OwnedNoteName()));
    DestroyWindow(window);
}

} // namespace
