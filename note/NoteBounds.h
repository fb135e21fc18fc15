#pragma once
// Keeping a note reachable: its size within what the Options dialog offers, and its stored
// rectangle on a monitor. Pure logic over plain rectangles; the monitors come in as data.

#include <windows.h>

#include <vector>

// The sizes the Options dialog allows, in pixels, both ends included.
const int kMinNoteWidth = 60, kMaxNoteWidth = 600;
const int kMinNoteHeight = 45, kMaxNoteHeight = 450;

// The part of a note that must show on some work area to count as reachable: enough to
// grab it with the mouse and open its menu.
const int kGrabSize = 24;

// The font sizes the Options dialog offers, in points, both ends included: a note shows a
// few words at the largest.
const int kMinFontPoints = 6, kMaxFontPoints = 72;

// A LOGFONT height (negative: character height, positive: cell height, in pixels at
// logPixelsY) brought within those sizes, keeping its sign; 0 (the default size) stays.
LONG ClampFontHeight(LONG lfHeight, int logPixelsY);

int ClampNoteWidth(long long width);
int ClampNoteHeight(long long height);

// A stored rectangle too small to find and grab (an edited file; right or bottom before left
// or top) grown to the smallest note size, keeping its top-left corner. A larger one stays
// as it is: the user may have made it so.
RECT ClampNoteRect(const RECT& rc);

// Whether at least kGrabSize x kGrabSize of `rc` lies on one of the work areas.
bool HasGrabStrip(const RECT& rc, const std::vector<RECT>& workAreas);

// The work area closest to `rc` (the one it overlaps most, else the nearest by distance);
// -1 when there is none.
int NearestWorkArea(const RECT& rc, const std::vector<RECT>& workAreas);

// `rc` unchanged while it shows a grab strip; otherwise moved, keeping its size, into the
// nearest work area (its top-left corner first, when it is larger than the area).
RECT PlaceOnWorkAreas(const RECT& rc, const std::vector<RECT>& workAreas);
