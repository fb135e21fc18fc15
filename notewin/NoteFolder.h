#pragma once
// The note files of the working directory with what tells a changed file from an unchanged one.

#include <windows.h>

#include <string>
#include <vector>

struct NoteFileStamp {
    std::string name;            // as the directory lists it, e.g. "tkn3A7.tkn"
    unsigned long long written;  // last write, FILETIME units
    unsigned long long size;
    unsigned long long settingsWritten; // the ".ini" beside it; 0 when there is none
};

// A listed name that a note process accepts: ends in ".tkn" (any case) and fits its buffers.
bool IsNoteFileName(const std::string& name);

// Every note file of the working directory, sorted by name (case-insensitively).
std::vector<NoteFileStamp> ScanNoteFolder();

// The names alone.
std::vector<std::string> NoteFileNames();
