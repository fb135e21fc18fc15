#pragma once
// The process-wide state of a note process: one note per process, so these are per note.

#include <windows.h>

#include <string>

#include "framework/String.h"
#include "note/CommandTail.h"
#include "note/DiskMemory.h"

// The note's two files in the working directory; emptied when the note is deleted, which
// stops every later save.
extern char g_szNoteFile[kNoteFileSize];
extern char g_szSettingsFile[kSettingsFileSize];
// The rectangle read from the note file; all 0 for a new note.
extern RECT g_rcStored;
// The text read from the note file, at most 4095 bytes.
extern CString g_strNoteText;
// A note file holding more text than the note can show: its whole text, which every save
// writes back, and the flag that keeps the note from being typed into. Empty and FALSE for
// every other note.
extern std::string g_strWholeText;
extern BOOL g_bReadOnlyText;
// Set until the note window's first paint has applied the settings.
extern BOOL g_bInitPending;
// What the note last read from or wrote to each of its two files; a save writes a file only
// when the note's content for it differs.
extern DiskMemory g_noteMemory;
extern DiskMemory g_settingsMemory;
