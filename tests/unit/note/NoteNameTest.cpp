#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <set>
#include <string>

#include "WorkingDir.h"
#include "note/NoteName.h"

namespace {

// Hands out the temporary names and random numbers it is given, and tracks placeholders.
class FakeNames : public NameSystem {
public:
    std::deque<std::string> temps; // an empty queue makes the next call fail
    std::deque<int> randoms;
    std::set<std::string> existing;
    std::set<std::string> placeholders;

    bool MakeTempName(char (&path)[MAX_PATH]) override {
        if (temps.empty()) return false;
        strcpy(path, temps.front().c_str());
        temps.pop_front();
        placeholders.insert(path);
        return true;
    }
    void DeleteTempName(const char* path) override { placeholders.erase(path); }
    bool Exists(const char* name) override { return existing.count(name) != 0; }
    int Random() override {
        int value = randoms.empty() ? 0 : randoms.front();
        if (!randoms.empty()) randoms.pop_front();
        return value;
    }
};

TEST(NoteName, FromTemporaryPath) {
    struct Case {
        const char* temp;
        bool ok;
        const char* note;
        const char* settings;
    } cases[] = {
        {"\\tkn3A7.tmp", true, "tkn3A7.tkn", "tkn3A7.ini"},
        {"\\tknFFFF.tmp", true, "tknFFFF.tkn", "tknFFFF.ini"},
        {"C:\\tkn1.tmp", true, "tkn1.tkn", "tkn1.ini"},
        {"\\tkn1", false, "", ""},
        {"\\.tmp", false, "", ""},
        {"\\tkn0123456789AB.tmp", false, "", ""}, // would not fit the settings buffer
    };
    for (const Case& c : cases) {
        NoteNames names;
        EXPECT_EQ(c.ok, NamesFromTempPath(c.temp, names)) << c.temp;
        EXPECT_STREQ(c.note, names.szNoteFile) << c.temp;
        EXPECT_STREQ(c.settings, names.szSettingsFile) << c.temp;
    }
}

TEST(NoteName, ChoiceSkipsNamesOfNotesInWorkingDirectory) {
    struct Case {
        const char* name;
        std::deque<std::string> temps;
        std::deque<int> randoms;
        std::set<std::string> existing;
        const char* expected;
    } cases[] = {
        {"free temporary name", {"\\tkn3A7.tmp"}, {}, {}, "tkn3A7.tkn"},
        // The root only knows its own files: a stored note of that name must not be taken.
        {"note file exists", {"\\tkn3A7.tmp", "\\tkn3A8.tmp"}, {}, {"tkn3A7.tkn"}, "tkn3A8.tkn"},
        {"settings file exists",
         {"\\tkn3A7.tmp", "\\tkn3A8.tmp"},
         {},
         {"tkn3A7.ini"},
         "tkn3A8.tkn"},
        {"no temporary name", {}, {42}, {}, "tkn00042.tkn"},
        {"random names taken",
         {},
         {42, 7, 32767},
         {"tkn00042.tkn", "tkn00007.ini"},
         "tkn32767.tkn"},
        {"every temporary name taken",
         {"\\tkn1.tmp", "\\tkn2.tmp", "\\tkn3.tmp", "\\tkn4.tmp", "\\tkn5.tmp", "\\tkn6.tmp",
          "\\tkn7.tmp", "\\tkn8.tmp", "\\tkn9.tmp"},
         {5},
         {"tkn1.tkn", "tkn2.tkn", "tkn3.tkn", "tkn4.tkn", "tkn5.tkn", "tkn6.tkn", "tkn7.tkn",
          "tkn8.tkn"},
         "tkn00005.tkn"},
    };
    for (const Case& c : cases) {
        FakeNames system;
        system.temps = c.temps;
        system.randoms = c.randoms;
        system.existing = c.existing;
        NoteNames names;
        ASSERT_TRUE(ChooseNoteName(system, names)) << c.name;
        EXPECT_STREQ(c.expected, names.szNoteFile) << c.name;
        std::string settings(c.expected);
        settings.replace(settings.size() - 3, 3, "ini");
        EXPECT_EQ(settings, names.szSettingsFile) << c.name;
        EXPECT_TRUE(system.placeholders.empty())
            << c.name << ": a placeholder was left in the root";
    }
}

TEST(NoteName, GivesUpWhenEveryNameIsTaken) {
    FakeNames system; // every random number is 0, and that name is taken
    system.existing = {"tkn00000.tkn"};
    NoteNames names;
    EXPECT_FALSE(ChooseNoteName(system, names));
    EXPECT_STREQ("", names.szNoteFile);
}

TEST(NoteName, SystemChoiceIsFreeAndLeavesNothingBehind) {
    ScopedWorkingDir dir;
    NoteNames names;
    ASSERT_TRUE(ChooseNoteName(SystemNames(), names));
    std::string note = names.szNoteFile;
    ASSERT_GE(note.size(), 8u);
    EXPECT_EQ("tkn", note.substr(0, 3));
    EXPECT_EQ(".tkn", note.substr(note.size() - 4));
    EXPECT_FALSE(FileExists(names.szNoteFile));
    std::string placeholder = "\\" + note.substr(0, note.size() - 4) + ".tmp";
    EXPECT_FALSE(FileExists(placeholder.c_str()));
    EXPECT_TRUE(dir.Files().empty());
}

} // namespace
