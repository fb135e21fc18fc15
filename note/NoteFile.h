#pragma once
// The note file: four CR LF terminated decimal lines (the note window's screen rectangle:
// left, top, right, bottom), then the note text, at most 4095 bytes, without terminator.

#include <windows.h>

#include <string>

// The most text a note keeps; the text control is limited to it as well.
const int kMaxNoteText = 4095;

struct StoredNote {
    RECT rc;          // all 0 when the file holds no rectangle
    std::string text; // at most kMaxNoteText bytes
};

// A rectangle counts only when it has both a width and a height; otherwise the note keeps
// the place and size it was given at start-up.
bool IsStoredRectPresent(const RECT& rc);

enum class NoteFileRead { Read, Missing, Unreadable };

// Reads the note file at `path`. Missing number lines read as 0; text past 4095 bytes is
// dropped. Missing: no such file. Unreadable: it exists but can't be opened or read.
NoteFileRead ReadNoteFile(const char* path, StoredNote& note);

// The bytes of a note file; `text` is cut to 4095 bytes.
std::string FormatNoteFile(const RECT& rc, const std::string& text);
