#pragma once
// Reading and writing this process's note through the names in NoteState.h.

#include <windows.h>

#include <string>

// The defaults file, which a new note takes its settings from.
extern const char kDefaultsFile[];

// Reads the note's settings file into g_settings when it exists, else the defaults file.
void ReadNoteSettingsFile();

// Writes g_settings to the note's settings file; nothing once the note is deleted.
void WriteNoteSettingsFile();

// Writes the settings file, then replaces the note file with `windowRect` and `text`.
// Nothing once the note is deleted. False when the note file could not be replaced; it
// then keeps its old content.
bool SaveNoteFiles(const RECT& windowRect, const std::string& text);

// Deletes both files and empties both names, so that no later save brings them back.
void DeleteNoteFiles();
