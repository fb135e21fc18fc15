#pragma once
// One note file, one process: the process that shows a note file holds a named mutex whose
// name comes from the file's full path, and marks its note window with a property of the
// same name, so that a second process for the same file finds the first and steps aside.

#include <windows.h>

#include <string>

// The owner name for a full path: the same for every letter case of the path, different
// for different paths, and usable as a kernel object name (no backslash, short).
std::string NoteOwnerName(const std::string& fullPath);

// The owner name of a note file in the working directory: its full, long path.
std::string NoteOwnerNameFor(const char* noteFile);

// Makes this process the owner of `noteFile` until it ends. False when a live process owns
// it already; that process's note window is then brought to the front (it is waited for a
// moment, since the owner may still be starting).
bool TakeNoteOwnership(const char* noteFile);

// Makes this process the owner of `noteFile` when no process owns it, without waiting; for a
// new note's name, which another new note may have claimed a moment before.
bool ClaimNoteName(const char* noteFile);

// Whether a live process owns `noteFile`.
bool IsNoteOwned(const char* noteFile);

// The owner name that TakeNoteOwnership took; empty before.
const std::string& OwnedNoteName();

// Marks or unmarks the note window of the owning process, which another process finds it by.
void MarkOwnerWindow(HWND window);
void UnmarkOwnerWindow(HWND window);

// The top-level window marked with `name`; nullptr when there is none.
HWND FindOwnerWindow(const std::string& name);
