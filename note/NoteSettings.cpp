#include "note/NoteSettings.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "note/AtomicFile.h"
#include "note/IniCheck.h"
#include "note/NoteBounds.h"
#include "note/ProfileFile.h"

NoteSettings g_settings = BuiltInSettings();

namespace {

const char kSection[] = "Settings";
// The profile buffer of every key; a longer value is cut by the profile call.
const DWORD kValueSize = 80;

class ProfileReader {
public:
    explicit ProfileReader(const char* path) : m_path(path) {}

    const char* Get(const char* key, const char* fallback) {
        GetPrivateProfileStringA(kSection, key, fallback, m_value, kValueSize, m_path);
        return m_value;
    }
    // Stored as "%lX"; only the low three bytes make a colour (the top byte of a COLORREF
    // selects palette modes, and 0xFF there means "no colour").
    COLORREF Colour(const char* key, const char* fallback) {
        return static_cast<COLORREF>(strtol(Get(key, fallback), nullptr, 16)) & 0x00FFFFFF;
    }
    int Int(const char* key, const char* fallback) { return atoi(Get(key, fallback)); }
    int Size(const char* key, int current, int low, int high) {
        char fallback[16];
        snprintf(fallback, sizeof fallback, "%d", current);
        return SizeFromText(Get(key, fallback), current, low, high);
    }
    LONG Long(const char* key, const char* fallback) { return atol(Get(key, fallback)); }
    BYTE Byte(const char* key, const char* fallback) {
        return static_cast<BYTE>(atoi(Get(key, fallback)) & 0xFF);
    }

private:
    const char* m_path;
    char m_value[kValueSize];
};

class ProfileWriter {
public:
    explicit ProfileWriter(const char* path) : m_path(path) {}

    // False, with the system's error code set, when the key was not written.
    bool PutText(const char* key, const char* text) {
        return WritePrivateProfileStringA(kSection, key, text, m_path) != FALSE;
    }

private:
    const char* m_path;
};

// The font keys between TopmostWindow and lfFaceName, in file order; the byte fields keep
// the low 8 bits of their number.
template <class Field> struct FontKey {
    const char* key;
    const char* fallback;
    Field LOGFONTA::*field;
};
const FontKey<LONG> kLongKeys[] = {
    {"lfHeight", "-24", &LOGFONTA::lfHeight},
    {"lfWidth", "0", &LOGFONTA::lfWidth},
    {"lfEscapement", "0", &LOGFONTA::lfEscapement},
    {"lfOrientation", "0", &LOGFONTA::lfOrientation},
    {"lfWeight", "700", &LOGFONTA::lfWeight},
};
const FontKey<BYTE> kByteKeys[] = {
    {"lfItalic", "0", &LOGFONTA::lfItalic},
    {"lfUnderline", "0", &LOGFONTA::lfUnderline},
    {"lfStrikeOut", "0", &LOGFONTA::lfStrikeOut},
    {"lfCharSet", "1", &LOGFONTA::lfCharSet},
    {"lfOutPrecision", "0", &LOGFONTA::lfOutPrecision},
    {"lfClipPrecision", "0", &LOGFONTA::lfClipPrecision},
    {"lfQuality", "0", &LOGFONTA::lfQuality},
    {"lfPitchAndFamily", "0", &LOGFONTA::lfPitchAndFamily},
};

} // namespace

NoteSettings BuiltInSettings() {
    NoteSettings s{};
    s.crText = RGB(0, 0, 255);
    s.crBack = RGB(255, 255, 128);
    s.lf.lfHeight = -24;
    s.lf.lfWeight = FW_BOLD;
    s.lf.lfCharSet = DEFAULT_CHARSET;
    strcpy(s.lf.lfFaceName, "Arial");
    s.nWidth = 320;
    s.nHeight = 240;
    s.bTopmost = TRUE;
    return s;
}

int SizeFromText(const char* text, int fallback, int low, int high) {
    char* end = nullptr;
    long long value = strtoll(text, &end, 10);
    // strtoll holds an overflowing number at its own ends, which the clamp then takes in.
    if (end == text) value = fallback;
    return static_cast<int>(std::min<long long>(std::max<long long>(value, low), high));
}

void ReadSettingsFile(const char* path, NoteSettings& s) {
    ProfileReader in(path);
    s.crText = in.Colour("TextColor", "FF0000");
    s.crBack = in.Colour("BackgroundColor", "80FFFF");
    s.nWidth = in.Size("Width", s.nWidth, kMinNoteWidth, kMaxNoteWidth);
    s.nHeight = in.Size("Height", s.nHeight, kMinNoteHeight, kMaxNoteHeight);
    s.bTopmost = in.Int("TopmostWindow", "1");
    for (const FontKey<LONG>& k : kLongKeys)
        s.lf.*k.field = in.Long(k.key, k.fallback);
    for (const FontKey<BYTE>& k : kByteKeys)
        s.lf.*k.field = in.Byte(k.key, k.fallback);
    const char* face = in.Get("lfFaceName", "Arial");
    size_t length = strnlen(face, LF_FACESIZE - 1);
    memset(s.lf.lfFaceName, 0, sizeof s.lf.lfFaceName);
    memcpy(s.lf.lfFaceName, face, length);
}

std::vector<SettingsKey> SettingsKeys(const NoteSettings& s) {
    std::vector<SettingsKey> keys;
    auto put = [&keys](const char* key, const char* format, long value) {
        char text[kValueSize];
        snprintf(text, sizeof text, format, value);
        keys.push_back({key, text});
    };
    put("TextColor", "%lX", static_cast<long>(s.crText));
    put("BackgroundColor", "%lX", static_cast<long>(s.crBack));
    put("Width", "%ld", s.nWidth);
    put("Height", "%ld", s.nHeight);
    put("TopmostWindow", "%ld", s.bTopmost);
    for (const FontKey<LONG>& k : kLongKeys)
        put(k.key, "%ld", s.lf.*k.field);
    for (const FontKey<BYTE>& k : kByteKeys)
        put(k.key, "%ld", s.lf.*k.field);
    // lfFaceName may lack its terminator if a caller filled all 32 bytes.
    keys.push_back(
        {"lfFaceName", std::string(s.lf.lfFaceName, strnlen(s.lf.lfFaceName, LF_FACESIZE))});
    return keys;
}

std::string FormatSettingsKeys(const NoteSettings& s) {
    std::string text;
    for (const SettingsKey& k : SettingsKeys(s))
        text += k.key + "=" + k.value + "\r\n";
    return text;
}

namespace {

bool WriteKeys(const char* path, const std::vector<SettingsKey>& keys) {
    ProfileWriter out(path);
    for (const SettingsKey& k : keys) {
        if (!out.PutText(k.key.c_str(), k.value.c_str())) return false;
    }
    return true;
}

// The profile calls can report success for keys that never reached the disk (a full disk
// left a 0-byte file), so the temporary is read back before it may replace anything.
bool CheckWritten(const char* path, const std::vector<SettingsKey>& keys) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    if (IniSectionHolds(bytes, kSection, keys)) return true;
    SetLastError(ERROR_WRITE_FAULT);
    return false;
}

} // namespace

bool WriteSettingsFile(const char* path, const NoteSettings& s, DWORD* error) {
    std::vector<SettingsKey> keys = SettingsKeys(s);
    return RewriteProfileFile(
        path,
        [&keys](const char* copy) {
            return WriteKeys(copy, keys) && FlushFile(copy) && CheckWritten(copy, keys);
        },
        error);
}
