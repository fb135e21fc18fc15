#pragma once
// The appearance of a note and its INI form: section "Settings" of a note settings file
// and of the defaults file ".\tacknote.ini".

#include <windows.h>

struct NoteSettings {
    COLORREF crText;
    COLORREF crBack;
    LOGFONTA lf;
    int nWidth;
    int nHeight;
    BOOL bTopmost;
};

// This process's settings; a note process holds one note's, the tray instance the defaults.
extern NoteSettings g_settings;

// Blue bold 24-pixel Arial on pale yellow, 320 x 240, topmost.
NoteSettings BuiltInSettings();

// Reads the nineteen keys of section "Settings" from `path` into `s`. An absent file or key
// gives the built-in value, except Width and Height, which then keep what `s` holds.
void ReadSettingsFile(const char* path, NoteSettings& s);

// Writes the nineteen keys of `s` to `path` in their fixed order, creating file and section.
void WriteSettingsFile(const char* path, const NoteSettings& s);
