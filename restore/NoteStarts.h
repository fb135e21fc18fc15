#pragma once
// The hooks that start processes for StartAhead: as WinExec does (the window state, the
// program searched beside this one first), but without waiting for each.

#include <string>

#include "restore/StartAhead.h"

// How many stored notes start at once when the tray brings them back. Two keep both cores
// of a small machine busy; more only lengthen the queue at the window system.
const size_t kNotesStartingAtOnce = 2;

// Each start runs the command line `command` followed by the tail.
StartHooks ProcessStartHooks(const std::string& command);

// Note processes, as StartNoteProcess starts them.
StartHooks NoteProcessHooks();
