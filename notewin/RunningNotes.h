#pragma once
// The note windows of this folder's running note processes, found by their windows alone (a
// note started before the tray or by hand counts; a note of another folder does not), and
// what the tray does to all of them at once.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

// The owner name of each listed note file name of the working directory, mapped to that name.
std::map<std::string, std::string> OwnerNamesOfFolder(const std::vector<std::string>& names);

// The note windows of the given note files, keyed by file name; a file without a running
// note has no entry.
std::map<std::string, HWND> FindRunningNotes(const std::vector<std::string>& names);

// The note windows of every note file of the working directory.
std::vector<HWND> RunningNoteWindows();

// Restores the minimized ones and raises all, each where it was, without taking the focus
// from the window the user works in. Asynchronous: a hung note never holds up the caller.
void ShowAllNotes(const std::vector<HWND>& notes);
// Minimizes all, without activating any.
void HideAllNotes(const std::vector<HWND>& notes);
// Hides all when one of them shows, otherwise shows all.
void ToggleAllNotes(const std::vector<HWND>& notes);

// Brings the note of `name` to the front, restored; starts its process when none runs.
void OpenNote(const std::string& name, HWND running);
