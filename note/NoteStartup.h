#pragma once
// Filling the process-wide note state before the note window opens.

#include "note/NoteName.h"

// A new note: a free name, the size for `screenWidth`, no rectangle, no text.
// False when no free name exists; the process then ends.
bool PrepareNewNote(NameSystem& names, int screenWidth);

// A stored note named by the command-line `tail`. False when the name is refused, the file
// is missing or unreadable, or it is no note (its first lines are no numbers); the process
// then ends without touching any file.
bool PrepareStoredNote(const char* tail);
