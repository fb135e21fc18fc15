#pragma once
// Stored notes brought back together show in the order the tray started them, as when each
// started only after the one before had shown: a later note lies above an earlier one it
// overlaps, and the last one ends up active. The tray names in a note's environment the event
// that the note sets once shown, and the process and event of the note before it.

#include <string>

#include <windows.h>

extern const char kShowTurnVariable[];

// The variable's value: "own event|process id before|event before" (the last two empty for
// the first note).
std::string ShowTurnValue(const std::string& ownEvent, DWORD previousProcess,
                          const std::string& previousEvent);

// Before the note's first show: until the note before has shown or ended, at most a few
// seconds. Without the variable (a note started any other way) returns at once. The variable
// is cleared, so that a note this one starts does not inherit it.
void AwaitTurnToShow();

// Once the note is shown and placed: the next note may show.
void SignalShown();
