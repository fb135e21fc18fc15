#include <gtest/gtest.h>

#include <cstring>

#include "WorkingDir.h"
#include "note/NoteSettings.h"
#include "note/NoteStartup.h"
#include "note/NoteState.h"
#include "note/NoteStore.h"
#include "note/SaveFailure.h"

namespace {

class OneName : public NameSystem {
public:
    bool MakeTempName(char (&path)[MAX_PATH]) override {
        strcpy(path, "\\tkn5.tmp");
        return true;
    }
    void DeleteTempName(const char*) override {}
    bool Exists(const char* name) override { return FileExists(name); }
    int Random() override { return 9; }
};

class NoteStartup : public ::testing::Test {
protected:
    void SetUp() override {
        g_szNoteFile[0] = g_szSettingsFile[0] = '\0';
        g_rcStored = RECT{1, 1, 1, 1};
        g_strNoteText = "stale";
        g_strWholeText.clear();
        g_bReadOnlyText = FALSE;
        g_settings = BuiltInSettings();
        g_noteMemory.Forget();
        g_settingsMemory.Forget();
    }
    ScopedWorkingDir m_dir;
};

TEST_F(NoteStartup, NewNoteTakesFreeNameAndScreenSize) {
    WriteBytes("tkn5.tkn", "stored");
    OneName names;
    ASSERT_TRUE(PrepareNewNote(names, 800));
    EXPECT_STREQ("tkn00009.tkn", g_szNoteFile);
    EXPECT_STREQ("tkn00009.ini", g_szSettingsFile);
    EXPECT_EQ(250, g_settings.nWidth);
    EXPECT_EQ(188, g_settings.nHeight);
    EXPECT_EQ(0, g_rcStored.left);
    EXPECT_EQ(0, g_rcStored.right);
    EXPECT_EQ(0, g_rcStored.bottom);
    EXPECT_TRUE(g_strNoteText.IsEmpty());
    EXPECT_EQ("stored", ReadBytes("tkn5.tkn"));
}

TEST_F(NoteStartup, StoredNoteReadsRectangleAndText) {
    WriteBytes("tkn12.tkn", "10\r\n20\r\n330\r\n260\r\nhello");
    ASSERT_TRUE(PrepareStoredNote("tkn12.tkn"));
    EXPECT_STREQ("tkn12.tkn", g_szNoteFile);
    EXPECT_STREQ("tkn12.ini", g_szSettingsFile);
    EXPECT_EQ(10, g_rcStored.left);
    EXPECT_EQ(260, g_rcStored.bottom);
    EXPECT_STREQ("hello", g_strNoteText);
}

TEST_F(NoteStartup, NoteWithoutRectangleKeepsItsText) {
    WriteBytes("tkn12.tkn", "0\r\n0\r\n0\r\n0\r\nkeep me");
    ASSERT_TRUE(PrepareStoredNote("tkn12.tkn"));
    EXPECT_STREQ("keep me", g_strNoteText);
}

TEST_F(NoteStartup, RefusedOrUnreadableNoteTouchesNothing) {
    WriteBytes("tkn12.tkn", "1\r\n2\r\n3\r\n4\r\nlocked");
    HANDLE lock = CreateFileA("tkn12.tkn", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    // Locked, missing, and a name of another folder.
    const char* tails[] = {"tkn12.tkn", "absent.tkn", "..\\tkn12.tkn"};
    for (const char* tail : tails) {
        EXPECT_FALSE(PrepareStoredNote(tail)) << tail;
        EXPECT_STREQ("", g_szNoteFile) << tail;
        EXPECT_STREQ("", g_szSettingsFile) << tail;
    }
    CloseHandle(lock);
    EXPECT_EQ(std::vector<std::string>{"tkn12.tkn"}, m_dir.Files());
}

TEST_F(NoteStartup, SaveWritesBothFilesAndCloseDeletesThem) {
    strcpy(g_szNoteFile, "tkn3.tkn");
    strcpy(g_szSettingsFile, "tkn3.ini");
    g_settings.crBack = RGB(255, 0, 0);
    ASSERT_TRUE(SaveNoteFiles(RECT{5, 6, 105, 56}, "text"));
    EXPECT_EQ("5\r\n6\r\n105\r\n56\r\ntext", ReadBytes("tkn3.tkn"));
    NoteSettings read = BuiltInSettings();
    ReadSettingsFile(".\\tkn3.ini", read);
    EXPECT_EQ(RGB(255, 0, 0), read.crBack);

    DeleteNoteFiles();
    EXPECT_STREQ("", g_szNoteFile);
    EXPECT_STREQ("", g_szSettingsFile);
    EXPECT_TRUE(SaveNoteFiles(RECT{5, 6, 105, 56}, "again")); // a deleted note stays deleted
    WriteNoteSettingsFile();
    EXPECT_TRUE(m_dir.Files().empty());
}

TEST_F(NoteStartup, SettingsComeFromOwnFileElseDefaults) {
    WritePrivateProfileStringA("Settings", "TextColor", "FF", kDefaultsFile);
    strcpy(g_szSettingsFile, "tkn4.ini");
    ReadNoteSettingsFile();
    EXPECT_EQ(RGB(255, 0, 0), g_settings.crText);

    WritePrivateProfileStringA("Settings", "TextColor", "FF00", ".\\tkn4.ini");
    ReadNoteSettingsFile();
    EXPECT_EQ(RGB(0, 255, 0), g_settings.crText);
}

// Pins a file that is no note being rewritten as one: a file of random bytes named like a
// note came back as a 225-byte note.
TEST_F(NoteStartup, FileThatIsNoNoteIsRefused) {
    const std::string foreign("\x8f\x03\xd1z\r\nrandom\x00\x01", 13);
    WriteBytes("tkn12.tkn", foreign);
    EXPECT_FALSE(PrepareStoredNote("tkn12.tkn"));
    EXPECT_STREQ("", g_szNoteFile);
    EXPECT_EQ(foreign, ReadBytes("tkn12.tkn"));
    EXPECT_EQ(std::vector<std::string>{"tkn12.tkn"}, m_dir.Files());

    WriteBytes("tkn12.tkn", ""); // an empty file is a new, empty note
    ASSERT_TRUE(PrepareStoredNote("tkn12.tkn"));
    EXPECT_TRUE(g_strNoteText.IsEmpty());
    EXPECT_FALSE(g_bReadOnlyText);
}

TEST_F(NoteStartup, OverlongNoteIsReadOnlyAndSavesItsWholeText) {
    std::string text(100 * 1024, 'x');
    text[5000] = '\0';
    WriteBytes("tkn12.tkn", "10\r\n20\r\n330\r\n260\r\n" + text);
    ASSERT_TRUE(PrepareStoredNote("tkn12.tkn"));
    EXPECT_TRUE(g_bReadOnlyText);
    EXPECT_EQ(4095, g_strNoteText.GetLength());

    // Whatever the control holds, the file gets the new place and the whole old text.
    ASSERT_TRUE(SaveNoteFiles(RECT{50, 60, 370, 300}, std::string(4095, 'x')));
    EXPECT_EQ("50\r\n60\r\n370\r\n300\r\n" + text, ReadBytes("tkn12.tkn"));

    WriteBytes("tkn12.tkn", "10\r\n20\r\n330\r\n260\r\nshort");
    ASSERT_TRUE(PrepareStoredNote("tkn12.tkn"));
    EXPECT_FALSE(g_bReadOnlyText) << "a later note of the process is editable again";
    EXPECT_TRUE(g_strWholeText.empty());
}

TEST_F(NoteStartup, FailedSaveNamesTheFileAndTheReason) {
    strcpy(g_szNoteFile, "tkn3.tkn");
    strcpy(g_szSettingsFile, "tkn3.ini");
    WriteBytes("tkn3.tkn", "1\r\n2\r\n3\r\n4\r\nold");
    ASSERT_TRUE(SetFileAttributesA("tkn3.tkn", FILE_ATTRIBUTE_READONLY));
    SaveFailure failure;
    EXPECT_FALSE(SaveNoteFiles(RECT{5, 6, 105, 56}, "new", &failure));
    EXPECT_EQ("tkn3.tkn", failure.file);
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), failure.error);
    EXPECT_EQ("1\r\n2\r\n3\r\n4\r\nold", ReadBytes("tkn3.tkn"));

    SetFileAttributesA("tkn3.tkn", FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(SetFileAttributesA("tkn3.ini", FILE_ATTRIBUTE_READONLY));
    // Only a changed look is written at all.
    g_settings.nWidth = 400;
    failure = SaveFailure{};
    EXPECT_FALSE(SaveNoteFiles(RECT{5, 6, 105, 56}, "new", &failure));
    EXPECT_EQ("tkn3.ini", failure.file);
    EXPECT_EQ("5\r\n6\r\n105\r\n56\r\nnew", ReadBytes("tkn3.tkn")) << "the note file still saves";
}

TEST(SaveFailureText, NamesFileAndReason) {
    std::string message = SaveFailureMessage("C:\\notes\\tkn3.tkn", SystemErrorText(ERROR_DISK_FULL));
    EXPECT_NE(std::string::npos, message.find("C:\\notes\\tkn3.tkn")) << message;
    EXPECT_EQ(std::string::npos, message.find("\r\n\r\n\r\n")) << message;
    EXPECT_FALSE(SystemErrorText(ERROR_ACCESS_DENIED).empty());
    EXPECT_NE('\n', SystemErrorText(ERROR_ACCESS_DENIED).back());
    EXPECT_EQ("Error 987654.", SystemErrorText(987654));
}

} // namespace

