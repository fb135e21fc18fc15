#include "note/NoteSettings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

    void Put(const char* key, const char* format, long value) {
        char text[kValueSize];
        snprintf(text, sizeof text, format, value);
        WritePrivateProfileStringA(kSection, key, text, m_path);
    }
    void PutText(const char* key, const char* text) {
        WritePrivateProfileStringA(kSection, key, text, m_path);
    }

private:
    const char* m_path;
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

void ReadSettingsFile(const char* path, NoteSettings& s) {
    ProfileReader in(path);
    char width[16], height[16];
    snprintf(width, sizeof width, "%d", s.nWidth);
    snprintf(height, sizeof height, "%d", s.nHeight);

    s.crText = in.Colour("TextColor", "FF0000");
    s.crBack = in.Colour("BackgroundColor", "80FFFF");
    s.nWidth = in.Int("Width", width);
    s.nHeight = in.Int("Height", height);
    s.bTopmost = in.Int("TopmostWindow", "1");
    s.lf.lfHeight = in.Long("lfHeight", "-24");
    s.lf.lfWidth = in.Long("lfWidth", "0");
    s.lf.lfEscapement = in.Long("lfEscapement", "0");
    s.lf.lfOrientation = in.Long("lfOrientation", "0");
    s.lf.lfWeight = in.Long("lfWeight", "700");
    s.lf.lfItalic = in.Byte("lfItalic", "0");
    s.lf.lfUnderline = in.Byte("lfUnderline", "0");
    s.lf.lfStrikeOut = in.Byte("lfStrikeOut", "0");
    s.lf.lfCharSet = in.Byte("lfCharSet", "1");
    s.lf.lfOutPrecision = in.Byte("lfOutPrecision", "0");
    s.lf.lfClipPrecision = in.Byte("lfClipPrecision", "0");
    s.lf.lfQuality = in.Byte("lfQuality", "0");
    s.lf.lfPitchAndFamily = in.Byte("lfPitchAndFamily", "0");
    const char* face = in.Get("lfFaceName", "Arial");
    size_t length = strnlen(face, LF_FACESIZE - 1);
    memset(s.lf.lfFaceName, 0, sizeof s.lf.lfFaceName);
    memcpy(s.lf.lfFaceName, face, length);
}

void WriteSettingsFile(const char* path, const NoteSettings& s) {
    ProfileWriter out(path);
    out.Put("TextColor", "%lX", static_cast<long>(s.crText));
    out.Put("BackgroundColor", "%lX", static_cast<long>(s.crBack));
    out.Put("Width", "%ld", s.nWidth);
    out.Put("Height", "%ld", s.nHeight);
    out.Put("TopmostWindow", "%ld", s.bTopmost);
    out.Put("lfHeight", "%ld", s.lf.lfHeight);
    out.Put("lfWidth", "%ld", s.lf.lfWidth);
    out.Put("lfEscapement", "%ld", s.lf.lfEscapement);
    out.Put("lfOrientation", "%ld", s.lf.lfOrientation);
    out.Put("lfWeight", "%ld", s.lf.lfWeight);
    out.Put("lfItalic", "%ld", s.lf.lfItalic);
    out.Put("lfUnderline", "%ld", s.lf.lfUnderline);
    out.Put("lfStrikeOut", "%ld", s.lf.lfStrikeOut);
    out.Put("lfCharSet", "%ld", s.lf.lfCharSet);
    out.Put("lfOutPrecision", "%ld", s.lf.lfOutPrecision);
    out.Put("lfClipPrecision", "%ld", s.lf.lfClipPrecision);
    out.Put("lfQuality", "%ld", s.lf.lfQuality);
    out.Put("lfPitchAndFamily", "%ld", s.lf.lfPitchAndFamily);
    // lfFaceName may lack its terminator if a caller filled all 32 bytes.
    char face[LF_FACESIZE];
    memcpy(face, s.lf.lfFaceName, LF_FACESIZE);
    face[LF_FACESIZE - 1] = '\0';
    out.PutText("lfFaceName", face);
}
