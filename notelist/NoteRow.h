#pragma once
// One row of the notes list: what a note file and its settings file say, read without a
// window. A file that cannot be read still makes a row, one that says so.

#include <windows.h>

#include <string>

#include "notewin/NoteFolder.h"

struct NoteRow {
    NoteFileStamp stamp;
    std::string text;    // the note's whole text; empty when unreadable
    std::string problem; // why the file shows no text ("cannot be read"); empty when read
    COLORREF back = RGB(255, 255, 128);
    std::string alarm;   // "YYYY-MM-DD HH:MM" of a stored alarm; empty when none
    std::string changed; // the last change as the user's locale writes it; made once per read
};

// The first line that holds more than blanks, without its blanks around; "" for none.
std::string FirstLine(const std::string& text);

// The value of `key` in `section` of INI text (names case-insensitive, blanks around the
// value dropped, ";" lines are comments); false when absent.
bool IniValue(const std::string& ini, const char* section, const char* key, std::string& value);

// A "Moment" value as the alarm dialog stores it, when it is one: "YYYY-MM-DD HH:MM".
bool IsAlarmMoment(const std::string& value);

// Reads the row of a note file of the working directory; `defaultBack` is the colour of a
// note without its own settings file.
NoteRow ReadNoteRow(const NoteFileStamp& stamp, COLORREF defaultBack);
