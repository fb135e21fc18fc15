#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "WorkingDir.h"
#include "note/NoteSettings.h"

namespace {

const char kSettingsFile[] = ".\\note.ini";

void ExpectSame(const NoteSettings& a, const NoteSettings& b) {
    EXPECT_EQ(a.crText, b.crText);
    EXPECT_EQ(a.crBack, b.crBack);
    EXPECT_EQ(a.nWidth, b.nWidth);
    EXPECT_EQ(a.nHeight, b.nHeight);
    EXPECT_EQ(a.bTopmost, b.bTopmost);
    EXPECT_EQ(0, memcmp(&a.lf, &b.lf, sizeof a.lf));
}

NoteSettings ReadFrom(const char* path, NoteSettings start = BuiltInSettings()) {
    ReadSettingsFile(path, start);
    return start;
}

void WriteKey(const char* key, const char* value) {
    WritePrivateProfileStringA("Settings", key, value, kSettingsFile);
}

TEST(NoteSettings, BuiltInValues) {
    NoteSettings s = BuiltInSettings();
    EXPECT_EQ(0x00FF0000u, s.crText);
    EXPECT_EQ(0x0080FFFFu, s.crBack);
    EXPECT_EQ(320, s.nWidth);
    EXPECT_EQ(240, s.nHeight);
    EXPECT_EQ(1, s.bTopmost);
    LOGFONTA expected{};
    expected.lfHeight = -24;
    expected.lfWeight = 700;
    expected.lfCharSet = 1;
    strcpy(expected.lfFaceName, "Arial");
    EXPECT_EQ(0, memcmp(&expected, &s.lf, sizeof expected));
}

TEST(NoteSettings, FileWrittenInKeyOrderWithCrLf) {
    ScopedWorkingDir dir;
    WriteSettingsFile(kSettingsFile, BuiltInSettings());
    EXPECT_EQ(
        "[Settings]\r\nTextColor=FF0000\r\nBackgroundColor=80FFFF\r\nWidth=320\r\nHeight=240\r\n"
        "TopmostWindow=1\r\nlfHeight=-24\r\nlfWidth=0\r\nlfEscapement=0\r\nlfOrientation=0\r\n"
        "lfWeight=700\r\nlfItalic=0\r\nlfUnderline=0\r\nlfStrikeOut=0\r\nlfCharSet=1\r\n"
        "lfOutPrecision=0\r\nlfClipPrecision=0\r\nlfQuality=0\r\nlfPitchAndFamily=0\r\n"
        "lfFaceName=Arial\r\n",
        ReadBytes(kSettingsFile));
}

TEST(NoteSettings, RoundTripKeepsEveryField) {
    ScopedWorkingDir dir;
    NoteSettings s{};
    s.crText = RGB(1, 2, 3);
    s.crBack = 0; // black must survive as "0"
    s.nWidth = 333;
    s.nHeight = 77;
    s.bTopmost = 0;
    s.lf = LOGFONTA{-13, 7, 900, 450, 400, 1, 1, 1, 238, 3, 2, 4, 0x31, "Courier New"};
    WriteSettingsFile(kSettingsFile, s);
    ExpectSame(s, ReadFrom(kSettingsFile));

    char text[16];
    GetPrivateProfileStringA("Settings", "BackgroundColor", "", text, sizeof text, kSettingsFile);
    EXPECT_STREQ("0", text);
    GetPrivateProfileStringA("Settings", "TextColor", "", text, sizeof text, kSettingsFile);
    EXPECT_STREQ("30201", text);
}

TEST(NoteSettings, ColoursReadAsHexadecimal) {
    struct Case {
        const char* stored;
        COLORREF expected;
    } cases[] = {
        {"FF", RGB(255, 0, 0)},
        {"0", RGB(0, 0, 0)},
        {"80FFFF", RGB(255, 255, 128)},
        {"ff00", RGB(0, 255, 0)},
        {"garbage", 0},
        {"12xyz", 0x12},
        {"", 0},
        {"FFFFFFFF", 0x00FFFFFF},
        {"-1", 0x00FFFFFF},
        {"1FF0000", 0x00FF0000},
    };
    ScopedWorkingDir dir;
    for (const Case& c : cases) {
        WriteKey("TextColor", c.stored);
        EXPECT_EQ(c.expected, ReadFrom(kSettingsFile).crText) << '"' << c.stored << '"';
    }
}

TEST(NoteSettings, NumbersConvertWithoutValidation) {
    struct Case {
        const char* key;
        const char* stored;
        int expected;
    } cases[] = {
        {"Width", "abc", 320},      {"Width", "120px", 120}, // sizes: see SizesComeIntoRange
        {"Height", "-7", 45},       {"TopmostWindow", "x", 0},
        {"lfWeight", "400.5", 400}, {"lfItalic", "257", 1}, // the byte field keeps the low 8 bits
        {"lfCharSet", "-1", 255},
    };
    ScopedWorkingDir dir;
    for (const Case& c : cases) {
        WriteSettingsFile(kSettingsFile, BuiltInSettings());
        WriteKey(c.key, c.stored);
        NoteSettings s = ReadFrom(kSettingsFile);
        int value = !strcmp(c.key, "Width")           ? s.nWidth
                    : !strcmp(c.key, "Height")        ? s.nHeight
                    : !strcmp(c.key, "TopmostWindow") ? s.bTopmost
                    : !strcmp(c.key, "lfWeight")      ? s.lf.lfWeight
                    : !strcmp(c.key, "lfItalic")      ? s.lf.lfItalic
                                                      : s.lf.lfCharSet;
        EXPECT_EQ(c.expected, value) << c.key << "=" << c.stored;
    }
}

TEST(NoteSettings, LongFaceNameIsCutTo31Characters) {
    ScopedWorkingDir dir;
    const char* face = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij"; // 36 characters
    WriteKey("lfFaceName", face);
    EXPECT_EQ(std::string(face, 31), ReadFrom(kSettingsFile).lf.lfFaceName);

    // A record whose face name fills all 32 bytes is written without its 32nd byte.
    NoteSettings s = BuiltInSettings();
    memset(s.lf.lfFaceName, 'F', sizeof s.lf.lfFaceName);
    WriteSettingsFile(kSettingsFile, s);
    EXPECT_EQ(std::string(31, 'F'), ReadFrom(kSettingsFile).lf.lfFaceName);
}

TEST(NoteSettings, AbsentSizeKeepsCurrentSize) {
    ScopedWorkingDir dir;
    NoteSettings start = BuiltInSettings();
    start.nWidth = 250;
    start.nHeight = 188;
    WriteKey("TextColor", "FF");
    NoteSettings s = ReadFrom(kSettingsFile, start);
    EXPECT_EQ(250, s.nWidth);
    EXPECT_EQ(188, s.nHeight);
    EXPECT_EQ(RGB(255, 0, 0), s.crText);
}

TEST(NoteSettings, AbsentFileGivesBuiltInValuesButKeepsSize) {
    ScopedWorkingDir dir;
    NoteSettings start{};
    start.crText = RGB(9, 9, 9);
    start.nWidth = 200;
    start.nHeight = 150;
    NoteSettings expected = BuiltInSettings();
    expected.nWidth = 200;
    expected.nHeight = 150;
    ExpectSame(expected, ReadFrom(".\\absent.ini", start));
    EXPECT_TRUE(dir.Files().empty());
}

// Pins notes that could not be seen or reached: a width of 0 or a huge height from a bad
// settings file made a window too small to find or larger than the screen.
TEST(NoteSettings, SizesComeIntoRange) {
    struct Case {
        const char* width;
        const char* height;
        int expectedWidth;
        int expectedHeight;
    } cases[] = {
        {"0", "0", 60, 45},
        {"-300", "-1", 60, 45},
        {"abc", "", 250, 188}, // no number: the size the note already had
        {"  400", "+300", 400, 300},
        {"60", "45", 60, 45},
        {"600", "450", 600, 450},
        {"601", "451", 600, 450},
        {"99999999999999999999", "2147483648", 600, 450},
        {"-99999999999999999999", "-2147483649", 60, 45},
        {"320.9", "1e9", 320, 45},
    };
    ScopedWorkingDir dir;
    for (const Case& c : cases) {
        WriteKey("Width", c.width);
        WriteKey("Height", c.height);
        NoteSettings start = BuiltInSettings();
        start.nWidth = 250;
        start.nHeight = 188;
        NoteSettings s = ReadFrom(kSettingsFile, start);
        EXPECT_EQ(c.expectedWidth, s.nWidth) << "Width=" << c.width;
        EXPECT_EQ(c.expectedHeight, s.nHeight) << "Height=" << c.height;
    }
}

TEST(NoteSettings, SizeFromTextTakesLeadingNumberElseFallback) {
    EXPECT_EQ(100, SizeFromText("100", 7, 60, 600));
    EXPECT_EQ(100, SizeFromText(" 100 px", 7, 60, 600));
    EXPECT_EQ(70, SizeFromText("x100", 70, 60, 600));
    EXPECT_EQ(60, SizeFromText("-", 7, 60, 600)); // the fallback is brought into range too
    EXPECT_EQ(600, SizeFromText("", 9000, 60, 600));
}

// What the profile functions write key by key, as every settings file was written before.
std::string WrittenKeyByKey(const char* path, const std::string& before, const NoteSettings& s) {
    if (!before.empty()) WriteBytes(path, before);
    char v[80];
    auto put = [&](const char* key, const char* value) {
        WritePrivateProfileStringA("Settings", key, value, path);
    };
    snprintf(v, sizeof v, "%lX", static_cast<long>(s.crText));
    put("TextColor", v);
    snprintf(v, sizeof v, "%lX", static_cast<long>(s.crBack));
    put("BackgroundColor", v);
    put("Width", std::to_string(s.nWidth).c_str());
    put("Height", std::to_string(s.nHeight).c_str());
    put("TopmostWindow", std::to_string(s.bTopmost).c_str());
    put("lfHeight", std::to_string(s.lf.lfHeight).c_str());
    put("lfWidth", std::to_string(s.lf.lfWidth).c_str());
    put("lfEscapement", std::to_string(s.lf.lfEscapement).c_str());
    put("lfOrientation", std::to_string(s.lf.lfOrientation).c_str());
    put("lfWeight", std::to_string(s.lf.lfWeight).c_str());
    const std::pair<const char*, BYTE> bytes[] = {
        {"lfItalic", s.lf.lfItalic},
        {"lfUnderline", s.lf.lfUnderline},
        {"lfStrikeOut", s.lf.lfStrikeOut},
        {"lfCharSet", s.lf.lfCharSet},
        {"lfOutPrecision", s.lf.lfOutPrecision},
        {"lfClipPrecision", s.lf.lfClipPrecision},
        {"lfQuality", s.lf.lfQuality},
        {"lfPitchAndFamily", s.lf.lfPitchAndFamily},
    };
    for (const auto& key : bytes)
        put(key.first, std::to_string(key.second).c_str());
    put("lfFaceName", s.lf.lfFaceName);
    std::string written = ReadBytes(path);
    DeleteFileA(path);
    return written;
}

// Replacing the file whole must not change a byte of what it holds, for a new file and for
// one that holds more than the keys (comments, other sections, keys in another order).
TEST(NoteSettings, ReplacedFileHoldsTheSameBytesAsKeyByKeyWrites) {
    ScopedWorkingDir dir;
    NoteSettings s = BuiltInSettings();
    s.crText = RGB(1, 2, 3);
    s.nWidth = 410;
    strcpy(s.lf.lfFaceName, "Courier New");
    const std::string befores[] = {
        "",
        "[Settings]\r\nlfFaceName=Times\r\nWidth=99\r\n",
        "; mine\r\n[Other]\r\nkey=value\r\n\r\n[Settings]\r\nTextColor=FF\r\nExtra=1\r\n",
        "[Settings]\nWidth=200\n",
    };
    for (const std::string& before : befores) {
        std::string expected = WrittenKeyByKey(".\\reference.ini", before, s);
        if (!before.empty()) WriteBytes(kSettingsFile, before);
        ASSERT_TRUE(WriteSettingsFile(kSettingsFile, s)) << before;
        EXPECT_EQ(expected, ReadBytes(kSettingsFile)) << before;
        EXPECT_EQ(std::vector<std::string>{"note.ini"}, dir.Files()) << before;
        DeleteFileA(kSettingsFile);
    }
}

TEST(NoteSettings, FailedWriteKeepsTheOldFileAndTellsWhy) {
    ScopedWorkingDir dir;
    WriteSettingsFile(kSettingsFile, BuiltInSettings());
    std::string before = ReadBytes(kSettingsFile);
    ASSERT_TRUE(SetFileAttributesA(kSettingsFile, FILE_ATTRIBUTE_READONLY));
    NoteSettings s = BuiltInSettings();
    s.nWidth = 500;
    DWORD error = 0;
    EXPECT_FALSE(WriteSettingsFile(kSettingsFile, s, &error));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), error);
    EXPECT_EQ(before, ReadBytes(kSettingsFile));
    EXPECT_EQ(std::vector<std::string>{"note.ini"}, dir.Files());

    error = 0;
    EXPECT_FALSE(WriteSettingsFile(".\\gone\\note.ini", s, &error));
    EXPECT_NE(0u, error);
}

} // namespace

