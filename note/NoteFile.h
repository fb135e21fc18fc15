#pragma once
// The note file: four CR LF terminated decimal lines (the note window's screen rectangle:
// left, top, right, bottom), then the note text, at most 4095 bytes, without terminator.

#include <windows.h>

#include <string>

// The most text a note keeps; the text control is limited to it as well.
const int kMaxNoteText = 4095;

// The longest number line, its line end included; a longer one is no number line.
const size_t kMaxNumberLine = 4096;
// Enough of a file's start to hold its four number lines.
const size_t kNumberLinesHead = 4 * kMaxNumberLine;

struct StoredNote {
    RECT rc;          // all 0 when the file holds no rectangle
    std::string text; // what the note shows: at most kMaxNoteText bytes, up to a NUL
    // The file's whole text when the note can't show all of it (longer than kMaxNoteText,
    // or bytes after a NUL); empty otherwise. Such a note is shown read-only and saved
    // with this text, so that it never cuts its own file.
    std::string whole{};
    // False when one of the first four lines is no whole number: the file is no note.
    bool numbers = true;
};

// A rectangle counts only when it has both a width and a height; otherwise the note keeps
// the place and size it was given at start-up.
bool IsStoredRectPresent(const RECT& rc);

// One number line without its line end: blanks, an optional sign, digits, blanks. A value
// beyond the 32-bit range is held at its end.
bool ParseNumberLine(const std::string& line, LONG& value);

// The four number lines at the start of `bytes` into `rc`, and where the text starts. Lines
// missing at the end of the bytes read as 0 (an empty file is an empty note). False when a
// present line is no number line; `rc` then holds what atoi makes of the lines.
bool ParseNumberLines(const std::string& bytes, RECT& rc, size_t& textStart);

enum class NoteFileRead { Read, Missing, Unreadable };

// Reads the note file at `path`. Missing number lines read as 0; text past what a note
// shows goes to `whole`. Missing: no such file. Unreadable: it exists but can't be opened
// or read.
NoteFileRead ReadNoteFile(const char* path, StoredNote& note);

// False only when the start of the file at `path` was read and is no note's: a file that
// can't be read now is left to the note process, which tells missing from locked.
bool MayBeNoteFile(const char* path);

// The four number lines of a note file.
std::string FormatNumberLines(const RECT& rc);

// The bytes of a note file; `text` is cut to 4095 bytes.
std::string FormatNoteFile(const RECT& rc, const std::string& text);
