#pragma once
// Bringing notes that went off the monitors back where the user is: pure placement over plain
// rectangles, and the tray-side step that asks each note to move.

#include <windows.h>

#include <vector>

// Whether `rc` lies whole on one of the work areas.
bool IsWhollyOnArea(const RECT& rc, const std::vector<RECT>& workAreas);

// New rectangles for `rects`, same sizes, cascaded from the top-left of `area`: each one a
// step right and down from the one before, starting again at the top when the next would
// run past the area's bottom or right edge.
std::vector<RECT> CascadeInto(const std::vector<RECT>& rects, const RECT& area);

// The running notes among `notes` that are not wholly on a monitor are moved, cascaded, onto
// the work area of the monitor `anchor` is on, restored when minimized, and save their new
// places. The number of notes moved.
int GatherNotes(const std::vector<HWND>& notes, HWND anchor);
