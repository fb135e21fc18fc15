#pragma once
// Reading and writing this process's note through the names in NoteState.h.

#include <windows.h>

#include <string>

#include "note/SaveFailure.h"

// The defaults file, which a new note takes its settings from.
extern const char kDefaultsFile[];

// Reads the note's settings file into g_settings when it exists, else the defaults file.
void ReadNoteSettingsFile();

// Writes g_settings to the note's settings file when they differ from what it last read or
// wrote (g_settingsMemory); nothing once the note is deleted. False,
// with the old file as it was, when it could not be written.
bool WriteNoteSettingsFile(SaveFailure* failure = nullptr);

// Writes the settings file, then replaces the note file with `windowRect` and `text` (or,
// for a note that can't show its whole text, with the whole text it was read with); each
// only when it differs from what the note last read or wrote. Nothing once the note is
// deleted. False when either file could not be replaced; it then keeps its
// old content, and `failure` names it (the note file when both failed).
bool SaveNoteFiles(const RECT& windowRect, const std::string& text,
                   SaveFailure* failure = nullptr);

// Deletes both files and empties both names, so that no later save brings them back.
void DeleteNoteFiles();

// Empties both names and what the note knew of its files, which stops every later save; the
// files stay where they are (Close has moved them away).
void ForgetNoteFiles();
