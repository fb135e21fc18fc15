// A save rewrites a note's file only when what the note holds for it changed, so an idle note
// never touches its folder.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "WorkingDir.h"
#include "note/NoteFile.h"
#include "note/NoteSettings.h"
#include "note/NoteStartup.h"
#include "note/NoteState.h"
#include "note/NoteStore.h"

namespace {

const RECT kPlace = {10, 20, 330, 260};

// Sets the file's time far back, so that any later write shows in its stamp.
void Age(const char* path)
{
    HANDLE file = CreateFileA(path, FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME old = {0x10000000, 0x01C00000};
    SetFileTime(file, nullptr, nullptr, &old);
    CloseHandle(file);
}

class WriteOnlyChanges : public ::testing::Test {
protected:
    // A stored note as a note process reads it, both files aged.
    void Open(const std::string& noteBytes, bool withSettings)
    {
        WriteBytes("tkn7.tkn", noteBytes);
        if (withSettings) {
            ASSERT_TRUE(WriteSettingsFile(".\\tkn7.ini", BuiltInSettings()));
            Age("tkn7.ini");
        }
        Age("tkn7.tkn");
        g_settings = BuiltInSettings();
        ASSERT_TRUE(PrepareStoredNote("tkn7.tkn"));
        ReadNoteSettingsFile();
    }
    void Keep()
    {
        for (const char* path : {"tkn7.tkn", "tkn7.ini"})
            before[path] = StampOf(path);
    }
    bool Rewritten(const char* path) { return StampOf(path) != before[path]; }
    ScopedWorkingDir dir;
    std::map<std::string, FileStamp> before;
};

TEST_F(WriteOnlyChanges, OnlyTheFileWhoseContentChangedIsWritten)
{
    struct Case {
        const char* what;
        std::string text;
        int width;
        bool note, settings;
    } cases[] = {
        {"nothing changed", "hello", 320, false, false},
        {"text changed", "hello!", 320, true, false},
        {"look changed", "hello", 400, false, true},
    };
    for (const Case& c : cases) {
        Open(FormatNoteFile(kPlace, "hello"), true);
        Keep();
        g_settings.nWidth = c.width;
        ASSERT_TRUE(SaveNoteFiles(kPlace, c.text));
        EXPECT_EQ(c.note, Rewritten("tkn7.tkn")) << c.what;
        EXPECT_EQ(c.settings, Rewritten("tkn7.ini")) << c.what;
        EXPECT_EQ(FormatNoteFile(kPlace, c.text), ReadBytes("tkn7.tkn")) << c.what;
    }
}

// A hand-written file with blanks in its number lines stays as it is while the note is idle.
TEST_F(WriteOnlyChanges, SameValuesInOtherSpellingAreNoChange)
{
    Open(" 10\r\n20 \r\n+330\r\n260\r\nhello", true);
    Keep();
    ASSERT_TRUE(SaveNoteFiles(kPlace, "hello"));
    EXPECT_FALSE(Rewritten("tkn7.tkn"));
}

TEST_F(WriteOnlyChanges, MissingSettingsFileIsWrittenOnceThenLeftAlone)
{
    Open(FormatNoteFile(kPlace, "hello"), false);
    ASSERT_TRUE(SaveNoteFiles(kPlace, "hello"));
    ASSERT_FALSE(ReadBytes("tkn7.ini").empty());
    Age("tkn7.ini");
    Keep();
    ASSERT_TRUE(SaveNoteFiles(kPlace, "hello"));
    EXPECT_FALSE(Rewritten("tkn7.ini"));
    EXPECT_FALSE(Rewritten("tkn7.tkn"));
}

} // namespace
