#pragma once
// The screen as the note placement sees it: the work area of every monitor.

#include <windows.h>

#include <vector>

// The work areas (monitor minus taskbar and docked bars) of all monitors, in the order the
// system lists them.
std::vector<RECT> MonitorWorkAreas();

// `rc` kept where it is while a grab strip of it shows on a monitor, otherwise moved into
// the nearest monitor's work area; see PlaceOnWorkAreas.
RECT PlaceOnScreen(const RECT& rc);
