#pragma once
// The Closed folder of the notes folder (the working directory): Close moves a note's two
// files into it, the tray lists it, brings notes back out of it and prunes it. Nothing in it
// is ever started as a note.

#include <windows.h>

#include <string>
#include <vector>

#include "closed/ClosedRules.h"

extern const char kClosedFolder[]; // "Closed"

// The path of a closed note's file: "Closed\<base><extension>".
std::string ClosedPath(const std::string& base, const char* extension);

// Moves `noteFile` and, when it exists, `settingsFile` (both in the working directory, named
// "<base>.tkn" and "<base>.ini") into the Closed folder, which is created when missing, and
// stamps the note file with the time of closing. A name already in the folder makes the note
// take a fresh one. False, with the note file left where it was, when it could not be moved.
bool MoveIntoClosed(const char* noteFile, const char* settingsFile, DWORD* error = nullptr);

// Every closed note: each "*.tkn" of the folder with the time it was closed.
std::vector<ClosedNote> ListClosed();

// Moves the closed note `base` back as `noteFile` and `settingsFile` (free names in the
// working directory). False when its note file could not be moved.
bool MoveOutOfClosed(const std::string& base, const char* noteFile, const char* settingsFile);

// Deletes for good what ClosedToPrune names at `now`; the number of notes deleted.
size_t PruneClosed(ULONGLONG now);

// The current time in FILETIME units.
ULONGLONG FileTimeNow();
