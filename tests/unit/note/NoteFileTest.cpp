#include <gtest/gtest.h>

#include "WorkingDir.h"
#include "note/NoteFile.h"

namespace {

const char kFile[] = "tkn1.tkn";

TEST(NoteFile, FormatIsFourCrLfLinesThenText) {
    struct Case {
        RECT rc;
        std::string text;
        std::string expected;
    } cases[] = {
        {{10, 20, 330, 260}, "hello\r\nworld", "10\r\n20\r\n330\r\n260\r\nhello\r\nworld"},
        {{10, 20, 330, 260}, "", "10\r\n20\r\n330\r\n260\r\n"},
        {{-300, -2, 0, 0}, "x", "-300\r\n-2\r\n0\r\n0\r\nx"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, FormatNoteFile(c.rc, c.text));
}

TEST(NoteFile, FormatKeeps4095BytesOfText) {
    std::string text(5000, 'a');
    EXPECT_EQ("1\r\n2\r\n3\r\n4\r\n" + std::string(4095, 'a'), FormatNoteFile({1, 2, 3, 4}, text));
}

TEST(NoteFile, ReadsNumbersAndText) {
    struct Case {
        const char* name;
        std::string bytes;
        RECT rc;
        std::string text;
    } cases[] = {
        {"whole note", "10\r\n20\r\n330\r\n260\r\nhi\r\nthere", {10, 20, 330, 260}, "hi\r\nthere"},
        {"four lines only", "1\r\n2\r\n3\r\n4\r\n", {1, 2, 3, 4}, ""},
        {"negative place", "-5\r\n-6\r\n300\r\n200\r\nx", {-5, -6, 300, 200}, "x"},
        {"two lines", "7\r\n8\r\n", {7, 8, 0, 0}, ""},
        {"last number without line end", "1\r\n2\r\n3\r\n4", {1, 2, 3, 4}, ""},
        {"empty file", "", {0, 0, 0, 0}, ""},
        {"garbage numbers", "ab\r\n12cd\r\n\r\n9\r\ntext", {0, 12, 0, 9}, "text"},
        {"bare LF lines", "1\n2\n3\n4\nt", {1, 2, 3, 4}, "t"},
    };
    ScopedWorkingDir dir;
    for (const Case& c : cases) {
        WriteBytes(kFile, c.bytes);
        StoredNote note{{99, 99, 99, 99}, "old"};
        ASSERT_EQ(NoteFileRead::Read, ReadNoteFile(kFile, note)) << c.name;
        EXPECT_EQ(c.rc.left, note.rc.left) << c.name;
        EXPECT_EQ(c.rc.top, note.rc.top) << c.name;
        EXPECT_EQ(c.rc.right, note.rc.right) << c.name;
        EXPECT_EQ(c.rc.bottom, note.rc.bottom) << c.name;
        EXPECT_EQ(c.text, note.text) << c.name;
    }
}

TEST(NoteFile, ReadKeepsFirst4095BytesOfText) {
    ScopedWorkingDir dir;
    std::string text(4095, 'a');
    WriteBytes(kFile, "1\r\n2\r\n3\r\n4\r\n" + text + "bcd");
    StoredNote note{};
    ASSERT_EQ(NoteFileRead::Read, ReadNoteFile(kFile, note));
    EXPECT_EQ(text, note.text);
}

TEST(NoteFile, FormatAndReadRoundTrip) {
    ScopedWorkingDir dir;
    std::string text = "line one\r\nline two \xE4\xF6\xFC\r\n\r\n";
    WriteBytes(kFile, FormatNoteFile({100, 50, 420, 290}, text));
    StoredNote note{};
    ASSERT_EQ(NoteFileRead::Read, ReadNoteFile(kFile, note));
    EXPECT_EQ(100, note.rc.left);
    EXPECT_EQ(290, note.rc.bottom);
    EXPECT_EQ(text, note.text);
}

TEST(NoteFile, MissingAndUnreadableAreToldApart) {
    ScopedWorkingDir dir;
    StoredNote note{};
    EXPECT_EQ(NoteFileRead::Missing, ReadNoteFile("tkn2.tkn", note));

    WriteBytes(kFile, "1\r\n2\r\n3\r\n4\r\ntext");
    HANDLE lock =
        CreateFileA(kFile, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_EQ(NoteFileRead::Unreadable, ReadNoteFile(kFile, note));
    CloseHandle(lock);

    CreateDirectoryA("tkn3.tkn", nullptr);
    EXPECT_EQ(NoteFileRead::Unreadable, ReadNoteFile("tkn3.tkn", note));
    RemoveDirectoryA("tkn3.tkn");
}

TEST(NoteFile, RectangleCountsOnlyWithWidthAndHeight) {
    struct Case {
        RECT rc;
        bool present;
    } cases[] = {
        {{0, 0, 0, 0}, false},    {{10, 20, 10, 40}, false}, {{10, 20, 30, 20}, false},
        {{10, 20, 30, 40}, true}, {{30, 40, 10, 20}, true},  {{-5, -5, 0, 0}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.present, IsStoredRectPresent(c.rc))
            << c.rc.left << "," << c.rc.top << "," << c.rc.right << "," << c.rc.bottom;
    }
}

} // namespace
