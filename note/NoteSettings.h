#pragma once
// The appearance of a note and its INI form: section "Settings" of a note settings file
// and of the defaults file ".\tacknote.ini".

#include <windows.h>

#include <string>
#include <vector>

#include "note/IniCheck.h"

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
// gives the built-in value, except Width and Height, which then keep what `s` holds. Width
// and Height are brought into the range the Options dialog allows, so that a bad file never
// makes a note too small to reach or larger than the screen.
void ReadSettingsFile(const char* path, NoteSettings& s);

// A Width or Height value: its leading number (as atoi reads it, but held at the ends of
// the range instead of overflowing), or `fallback` when it starts with no number; then
// brought into low..high.
int SizeFromText(const char* text, int fallback, int low, int high);

// Writes the nineteen keys of `s` to `path` in their fixed order, creating file and section.
// The file is replaced whole, so that a reader or a crash never meets half of the keys;
// whatever else it held stays. The temporary is read back before the replace, so a write
// that the profile calls reported but the disk never got fails too. False, with the old file
// as it was and the system's error code in `error`, when it could not be written.
bool WriteSettingsFile(const char* path, const NoteSettings& s, DWORD* error = nullptr);

// The nineteen keys of `s` with their values as the file holds them, in file order.
std::vector<SettingsKey> SettingsKeys(const NoteSettings& s);

// Those keys as "key=value" lines: what a note compares to tell whether its look changed.
std::string FormatSettingsKeys(const NoteSettings& s);
