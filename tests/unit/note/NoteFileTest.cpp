#include <gtest/gtest.h>

#include <climits>

#include "WorkingDir.h"
#include "note/NoteFile.h"

namespace {

const char kNoteFile[] = "tkn1.tkn";

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
        WriteBytes(kNoteFile, c.bytes);
        StoredNote note{{99, 99, 99, 99}, "old"};
        ASSERT_EQ(NoteFileRead::Read, ReadNoteFile(kNoteFile, note)) << c.name;
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
    WriteBytes(kNoteFile, "1\r\n2\r\n3\r\n4\r\n" + text + "bcd");
    StoredNote note{};
    ASSERT_EQ(NoteFileRead::Read, ReadNoteFile(kNoteFile, note));
    EXPECT_EQ(text, note.text);
}

TEST(NoteFile, FormatAndReadRoundTrip) {
    ScopedWorkingDir dir;
    std::string text = "line one\r\nline two \xE4\xF6\xFC\r\n\r\n";
    WriteBytes(kNoteFile, FormatNoteFile({100, 50, 420, 290}, text));
    StoredNote note{};
    ASSERT_EQ(NoteFileRead::Read, ReadNoteFile(kNoteFile, note));
    EXPECT_EQ(100, note.rc.left);
    EXPECT_EQ(290, note.rc.bottom);
    EXPECT_EQ(text, note.text);
}

TEST(NoteFile, MissingAndUnreadableAreToldApart) {
    ScopedWorkingDir dir;
    StoredNote note{};
    EXPECT_EQ(NoteFileRead::Missing, ReadNoteFile("tkn2.tkn", note));

    WriteBytes(kNoteFile, "1\r\n2\r\n3\r\n4\r\ntext");
    HANDLE lock =
        CreateFileA(kNoteFile, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_EQ(NoteFileRead::Unreadable, ReadNoteFile(kNoteFile, note));
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

TEST(NoteFile, NumberLinesAreWholeNumbersOnly) {
    struct Case {
        const char* line;
        bool number;
        LONG value;
    } cases[] = {
        {"0", true, 0},
        {"120", true, 120},
        {"-5000", true, -5000},
        {"+42", true, 42},
        {"  17\t", true, 17},
        {"\t-3 ", true, -3},
        {"2147483647", true, LONG_MAX},
        {"2147483648", true, LONG_MAX}, // held at the end of the range
        {"-99999999999999999999999", true, LONG_MIN},
        {"", false, 0},
        {"   ", false, 0},
        {"-", false, 0},
        {"+-1", false, 0},
        {"- 1", false, 0},
        {"1 2", false, 0},
        {"12cd", false, 0},
        {"0x10", false, 0},
        {"1.5", false, 0},
    };
    for (const Case& c : cases) {
        LONG value = 0;
        EXPECT_EQ(c.number, ParseNumberLine(c.line, value)) << '"' << c.line << '"';
        if (c.number) {
            EXPECT_EQ(c.value, value) << '"' << c.line << '"';
        }
    }
    LONG value = 0;
    EXPECT_FALSE(ParseNumberLine(std::string("1\0", 2), value)) << "a NUL is no digit";
}

TEST(NoteFile, FileIsANoteOnlyWhenItsFirstLinesAreNumbers) {
    struct Case {
        const char* name;
        std::string bytes;
        bool note;
    } cases[] = {
        {"whole note", "10\r\n20\r\n330\r\n260\r\ntext", true},
        {"empty file", "", true},
        {"fewer lines", "7\r\n8\r\n", true},
        {"bare LF and blanks", " 1 \n-2\n+3\n4\nt", true},
        {"text that looks like anything", "1\r\n2\r\n3\r\n4\r\nnot\r\na\r\nnumber", true},
        {"random bytes", std::string("\x8f\x03\xd1z\r\n\x00\x01", 7), false},
        {"a text file", "Shopping list\r\nmilk\r\n", false},
        {"empty line", "1\r\n\r\n3\r\n4\r\n", false},
        {"word in fourth line", "1\r\n2\r\n3\r\nfour\r\n", false},
        {"INI file", "[Settings]\r\nWidth=320\r\n", false},
        {"over-long number line", std::string(kMaxNumberLine, ' ') + "1\r\n2\r\n3\r\n4\r\n", false},
    };
    ScopedWorkingDir dir;
    for (const Case& c : cases) {
        RECT rc;
        size_t textStart = 0;
        EXPECT_EQ(c.note, ParseNumberLines(c.bytes, rc, textStart)) << c.name;
        WriteBytes(kNoteFile, c.bytes);
        EXPECT_EQ(c.note, MayBeNoteFile(kNoteFile)) << c.name;
        StoredNote note{};
        ASSERT_EQ(NoteFileRead::Read, ReadNoteFile(kNoteFile, note)) << c.name;
        EXPECT_EQ(c.note, note.numbers) << c.name;
    }
    // Files that can't be read now are left to the note process to judge.
    EXPECT_TRUE(MayBeNoteFile("absent.tkn"));
}

// Pins a note cutting its own file: opening a 100 KB note file and moving the focus
// rewrote it to 4 KB.
TEST(NoteFile, TextANoteCannotShowIsKeptWhole) {
    struct Case {
        const char* name;
        std::string text;
        std::string shown;
        bool whole;
    } cases[] = {
        {"4095 bytes fit", std::string(4095, 'a'), std::string(4095, 'a'), false},
        {"4096 bytes", std::string(4096, 'b'), std::string(4095, 'b'), true},
        {"100 KB", std::string(100 * 1024, 'c'), std::string(4095, 'c'), true},
        {"NUL inside", std::string("ab\0cd", 5), "ab", true},
        {"NUL first", std::string("\0x", 2), "", true},
    };
    ScopedWorkingDir dir;
    for (const Case& c : cases) {
        WriteBytes(kNoteFile, "1\r\n2\r\n3\r\n4\r\n" + c.text);
        StoredNote note{};
        ASSERT_EQ(NoteFileRead::Read, ReadNoteFile(kNoteFile, note)) << c.name;
        EXPECT_EQ(c.shown, note.text) << c.name;
        EXPECT_EQ(c.whole ? c.text : std::string(), note.whole) << c.name;
    }
}

TEST(NoteFile, NumberLinesFormatAlone) {
    EXPECT_EQ("-5000\r\n-5000\r\n-4680\r\n-4760\r\n", FormatNumberLines({-5000, -5000, -4680, -4760}));
}

} // namespace

