#pragma once
// The hooks that start processes for StartAhead: as WinExec does (the window state, the
// program searched beside this one first), but without waiting for each.

#include <string>

#include "restore/StartAhead.h"

// How many stored notes start at once when the tray brings them back. Each start spends much
// of its time waiting on the window system and the loader; three keep both cores of a small
// machine busy through those waits (two left a third of the time unused, more gained nothing).
const size_t kNotesStartingAtOnce = 3;

// Each start runs the command line `command` followed by the tail.
StartHooks ProcessStartHooks(const std::string& command);

// Note processes, as StartNoteProcess starts them.
StartHooks NoteProcessHooks();
