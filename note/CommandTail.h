#pragma once
// What a process is, told from the whole command-line tail after the program name; and
// how a process of another role is started.

#include <string>

// The buffers that hold a note's two file names. The settings name has the note name's
// length, so a note name must fit the smaller buffer.
const int kNoteFileSize = 20;
const int kSettingsFileSize = 16;

// The tail of a process that shows a brand-new note.
const char kNewNoteTail[] = "private";

enum class ProcessRole {
    Tray,       // empty tail
    NewNote,    // exactly "private"
    StoredNote, // a note file name in the working directory
    Refused,    // anything else: the process ends at once and touches no file
};

// Compared exactly and case-sensitively; no quoting or splitting. A note file name must
// fit the name buffers, end in "." and three characters other than ".ini" (the settings
// name would then be the note name itself), and name no other folder.
ProcessRole RoleForTail(const char* tail);

// The settings file name of a note file name that RoleForTail accepted: the same name with
// "ini" after its last ".". Returns false, leaving `settings` empty, for any other name.
bool SettingsNameFor(const char* noteFile, char (&settings)[kSettingsFileSize]);

// The command line that starts a note process with that tail ("private" or a note file
// name, as the whole tail).
std::string NoteCommandLine(const std::string& tail);

// Starts a note process beside this one. A failure is not reported: the user sees no note
// appear, and the other notes are not affected.
void StartNoteProcess(const std::string& tail);
