#pragma once
// The name of a new note: "tkn" and digits, with ".tkn" for the note file and ".ini" for
// its settings file, never the name of a note that is already in the working directory.

#include <windows.h>

#include "note/CommandTail.h"

struct NoteNames {
    char szNoteFile[kNoteFileSize];
    char szSettingsFile[kSettingsFileSize];
};

// The system services the choice uses; tests replace them.
class NameSystem {
public:
    virtual ~NameSystem() = default;
    // GetTempFileNameA in the root directory with prefix "tkn"; creates a placeholder file.
    virtual bool MakeTempName(char (&path)[MAX_PATH]) = 0;
    virtual void DeleteTempName(const char* path) = 0;
    // Whether `name` exists in the working directory.
    virtual bool Exists(const char* name) = 0;
    // 0 to 32767, seeded from the clock on first use.
    virtual int Random() = 0;
};

NameSystem& SystemNames();

// Turns a temporary name such as "\tkn3A7.tmp" into "tkn3A7.tkn" and "tkn3A7.ini".
bool NamesFromTempPath(const char* tempPath, NoteNames& names);

// The unique temporary name from the root directory first, then random "tkn%05d" names;
// a name is taken only while neither of its two files exists in the working directory.
// False only when no free name was found, which leaves `names` empty.
bool ChooseNoteName(NameSystem& system, NoteNames& names);
