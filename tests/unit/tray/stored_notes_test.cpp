#include <gtest/gtest.h>

#include <direct.h>
#include <stdio.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/StoredNotes.h"
#include "note/CommandTail.h"

namespace {

TEST(IsRestorableNoteName, AcceptsWhatTheNoteProcessAccepts) {
    struct Case {
        const char* name;
        bool restorable;
    };
    const Case cases[] = {
        {"tkn1.tkn", true},
        {"tkn3A7F.tkn", true},
        {"tkn12345.tkn", true},
        {"TKN9.TKN", true},          // the file system ignores case
        {"my note.tkn", true},       // the tail is taken whole, spaces and all
        {"abcdefghijk.tkn", true},   // 15 characters: the longest a note accepts
        {"abcdefghijkl.tkn", false}, // 16: would be cut to another note's name
        {"a-very-long-note-name.tkn", false},
        {"x.tknx", false}, // matched only through its short name
        {"x.tkn.bak", false},
        {"x.tk", false},
        {"tkn", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.restorable, IsRestorableNoteName(c.name)) << c.name;
}

TEST(RestorableNotes, SkipsRefusedNamesAndKeepsTheOthersInOrder) {
    const std::vector<std::string> listing = {"tkn2.tkn", "a-very-long-note-name.tkn", "tkn1.tkn",
                                              "x.tknx", "tkn3.tkn"};
    const std::vector<std::string> expected = {"tkn2.tkn", "tkn1.tkn", "tkn3.tkn"};
    EXPECT_EQ(expected, RestorableNotes(listing));
    EXPECT_TRUE(RestorableNotes({}).empty());
}

TEST(NoteCommandLine, PassesTheNameAsTheWholeTail) {
    EXPECT_EQ("tacknote.exe tkn1.tkn", NoteCommandLine("tkn1.tkn"));
    EXPECT_EQ("tacknote.exe my note.tkn", NoteCommandLine("my note.tkn"));
}

// Runs a test inside a fresh, empty working directory and removes it afterwards.
class ScratchDir : public testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_NE(0u, GetTempPathA(sizeof temp, temp));
        ASSERT_NE(0, GetCurrentDirectoryA(sizeof m_old, m_old));
        m_dir = std::string(temp) + "tray_notes_" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(m_dir.c_str(), NULL));
        ASSERT_TRUE(SetCurrentDirectoryA(m_dir.c_str()));
    }
    void TearDown() override {
        SetCurrentDirectoryA(m_old);
        for (const std::string& f : m_files)
            DeleteFileA((m_dir + "\\" + f).c_str());
        for (const std::string& d : m_dirs)
            RemoveDirectoryA((m_dir + "\\" + d).c_str());
        RemoveDirectoryA(m_dir.c_str());
    }
    void Touch(const std::string& name) {
        FILE* f = fopen(name.c_str(), "wb");
        ASSERT_NE(nullptr, f) << name;
        fclose(f);
        m_files.push_back(name);
    }
    void Folder(const std::string& name) {
        ASSERT_TRUE(CreateDirectoryA(name.c_str(), NULL));
        m_dirs.push_back(name);
    }

    char m_old[MAX_PATH] = "";
    std::string m_dir;
    std::vector<std::string> m_files, m_dirs;
};

TEST_F(ScratchDir, EmptyFolderListsNothing) {
    EXPECT_TRUE(ListNoteFiles().empty());
}

TEST_F(ScratchDir, ListsTknFilesOnly) {
    Touch("tkn1.tkn");
    Touch("tkn1.ini");
    Touch("tacknote.ini");
    Touch("junk.tkn");
    Touch("readme.txt");
    Folder("folder.tkn");
    std::vector<std::string> found = ListNoteFiles();
    std::sort(found.begin(), found.end());
    const std::vector<std::string> expected = {"junk.tkn", "tkn1.tkn"};
    EXPECT_EQ(expected, found);
}

} // namespace
